// What every ledger save does to the insurance screen: it hands over the social insurance and
// has the record of the ledger's person, and only that person, computed and stored again.
#include "insurance_screen_test.h"
#include "yearend/insurance_file.h"

namespace nencho::test {
namespace {

class LedgerFeed : public YearEndScreenTest {
  protected:
    Screen& insurance() { return screens::touch("Form4"); }
    void saveLedgerOf(const QString& person, const QString& year = "H17") {
        openLedgerOf("1", person, year);
        screens::press("Form2", "Command22");
    }
    static InsuranceRecord recordOf(const std::string& insurer, std::int32_t premium) {
        InsuranceRecord record;
        record.lifePolicies[0].insurer = insurer;
        record.lifePremiums[0] = premium;
        record.lifeTotal = premium;
        record.lifeDeduction = premium;
        record.lifeInsuranceDeduction = premium;
        return record;
    }
};

TEST_F(LedgerFeed, TheSaveRecomputesTheInsuranceRecordOfTheLedgersPersonOnly) {
    InsuranceFile::save("H17", 102, recordOf("乙の生命", 20'000));
    InsuranceFile::save("H17", 103, recordOf("丙の生命", 10'000));
    const std::string other = readBytes(yearFile(1, 3, YearFileKind::Insurance));
    takeUp("Form4", "Command3", "Command2", 1, 3);
    insurance().setTextOf("Text14", "90,000");  // typed on person 3, not computed

    writeBytes(yearFile(1, 2, YearFileKind::Ledger), goldenBytes("ledger_1020.txt"));
    saveLedgerOf("2");
    EXPECT_EQ(insurance().textOf("Text162"), "2");
    EXPECT_EQ(insurance().textOf("Text9"), "乙の生命");
    EXPECT_EQ(insurance().textOf("Text91"), "468,078");
    EXPECT_EQ(InsuranceFile::load("H17", 102), recordOf("乙の生命", 20'000));
    EXPECT_EQ(readBytes(yearFile(1, 3, YearFileKind::Insurance)), other);
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(LedgerFeed, APersonWithoutAnInsuranceRecordGetsAnEmptyOneNeverTheFormerPersons) {
    InsuranceFile::save("H17", 102, recordOf("乙の生命", 20'000));
    takeUp("Form4", "Command3", "Command2", 1, 2);
    saveLedgerOf("3");
    EXPECT_EQ(InsuranceFile::load("H17", 103), InsuranceRecord{});
    EXPECT_EQ(InsuranceFile::load("H17", 102), recordOf("乙の生命", 20'000));
}

TEST_F(LedgerFeed, AnInsuranceRecordThatCannotBeStoredIsToldOnceAndTheLedgerIsStillSaved) {
    InsuranceFile::save("H17", 102, recordOf("乙の生命", 20'000));
    const std::string before = readBytes(yearFile(1, 2, YearFileKind::Insurance));
    openLedgerOf("1", "2");
    screens::press("Form2", "Command22");  // the fed screens now hold person 2
    insurance().setTextOf("Text9", "\"乙\"生命");
    dialogs->messages.clear();

    screens::press("Form2", "Command22");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "メモリー不足により登録不可");
    EXPECT_TRUE(dialogs->messages[0].prompt.startsWith("保険等のデータを保存できませんでした。"));
    EXPECT_EQ(readBytes(yearFile(1, 2, YearFileKind::Insurance)), before);
    EXPECT_TRUE(exists(yearFile(1, 2, YearFileKind::Ledger)));
}

// The save and its feed are one piece of work: the user reads once that it was not saved, and
// the first failure, the insurance record's.
TEST_F(LedgerFeed, FailuresOfTheLedgerAndTheInsuranceRecordShareOneMessage) {
    saveLedgerOf("2", "H16");  // no folder for the year
    ASSERT_EQ(dialogs->messages.size(), 1u);
    const QString prompt = dialogs->messages[0].prompt;
    EXPECT_TRUE(prompt.startsWith("源泉徴収簿を保存できませんでした。")) << prompt.toStdString();
    EXPECT_TRUE(prompt.contains("フォルダが見つかりません。\nc:\\年末調整\\H16年末調整\\1021.txt"))
        << prompt.toStdString();
    EXPECT_EQ(dialogs->messages[0].title, "メモリー不足により登録不可");
}

}  // namespace
}  // namespace nencho::test
