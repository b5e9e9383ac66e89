#include "yearend/insurance_file.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "platform/record_error.h"
#include "support/temp_drives.h"

namespace nencho {
namespace {

constexpr const char* kPath = "c:\\年末調整\\H17年末調整\\1021.txt";

class InsuranceFileTest : public ::testing::Test {
  protected:
    void SetUp() override { ensureDataTree("H17"); }
    test::TempDrives drives;
};

InsuranceRecord workedExample() {
    InsuranceRecord r;
    r.lifePolicies[0] = {"日本生命", "終身", "20年", "山田太郎", "山田花子", "妻"};
    r.lifePolicies[1] = {"第一生命", "養老", "10年", "山田太郎", "山田太郎", "本人"};
    r.pensionPolicies[0] = {"住友生命", "個人年金", "15年", "山田太郎", "山田太郎", "本人"};
    r.pensionPolicies[1] = {"かんぽ生命", "年金", "10年", "山田花子", "山田花子", "妻"};
    r.lifePremiums = {60'000, 12'345, 0};
    r.lifeTotal = 72'345;
    r.lifeDeduction = 43'086;
    r.pensionPremiums = {80'000, 0};
    r.pensionTotal = 80'000;
    r.pensionDeduction = 45'000;
    r.lifeInsuranceDeduction = 88'086;
    r.casualtyPolicies[0] = {"東京海上", "火災", "長期", "山田太郎", "山田太郎", "本人", "2015年"};
    r.casualtyPolicies[1] = {"損保ジャパン", "傷害", "1年", "山田太郎", "山田花子", "妻", ""};
    r.casualtyPremiums = {15'000, 3'000};
    r.longTermPremiums = 15'000;
    r.shortTermPremiums = 3'000;
    r.longTermDeduction = 12'500;
    r.shortTermDeduction = 2'500;
    r.casualtyDeduction = 15'000;
    r.mutualAidPremiums = 84'000;
    r.declaredSocialInsurance = -1'200;
    return r;
}

TEST_F(InsuranceFileTest, AFilledRecordIsStoredAsItsSeventyFiveLinesAndReadsBack) {
    InsuranceFile::save("H17", 102, workedExample());  // company 1, person 2
    EXPECT_EQ(test::readBytes(kPath), test::goldenBytes("insurance_worked_example.txt"));
    const auto loaded = InsuranceFile::load("H17", 102);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(*loaded, workedExample());
}

TEST_F(InsuranceFileTest, GoldenRecordReadsIntoItsNamedFields) {
    test::writeBytes(kPath, test::goldenBytes("insurance_worked_example.txt"));
    const auto loaded = InsuranceFile::load("H17", 102);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->lifePolicies[1].relation, "本人");          // line 17
    EXPECT_EQ(loaded->pensionPolicies[1].insurer, "かんぽ生命");  // line 20
    EXPECT_EQ(loaded->casualtyPolicies[0].maturity, "2015年");    // line 53
    EXPECT_EQ(loaded->lifeInsuranceDeduction, 88'086);            // line 40
    EXPECT_EQ(loaded->declaredSocialInsurance, -1'200);           // line 63
}

TEST_F(InsuranceFileTest, EmptyRecordHasEmptyTextsAndZeroAmounts) {
    InsuranceFile::save("H17", 102, {});
    const auto lines = test::readLines(kPath);
    ASSERT_EQ(lines.size(), 75u);
    EXPECT_EQ(lines[0], "\"\"");
    EXPECT_EQ(lines[30], "0");
    EXPECT_EQ(lines[40], "\"\"");
    EXPECT_EQ(lines[62], "0");
    EXPECT_EQ(lines[63], "\"予備1\"");
    EXPECT_EQ(lines[74], "\"予備12\"");
    EXPECT_EQ(InsuranceFile::load("H17", 102), InsuranceRecord{});
}

TEST_F(InsuranceFileTest, MissingRecordOrYearFolderIsNoRecord) {
    EXPECT_FALSE(InsuranceFile::load("H17", 102).has_value());
    EXPECT_FALSE(InsuranceFile::load("H16", 102).has_value());
}

TEST_F(InsuranceFileTest, ReadersStopAtLineSixtyThree) {
    std::vector<std::string> lines(30, "\"\"");
    lines.insert(lines.end(), 10, "1");
    lines.insert(lines.end(), 14, "\"\"");
    lines.insert(lines.end(), 9, "2");
    test::writeLines(kPath, lines);  // no spare lines
    const auto loaded = InsuranceFile::load("H17", 102);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->lifeInsuranceDeduction, 1);
    EXPECT_EQ(loaded->declaredSocialInsurance, 2);
}

TEST_F(InsuranceFileTest, DamagedRecordIsAnError) {
    std::vector<std::string> shortRecord(62, "0");
    std::vector<std::string> textInAnAmount(63, "0");
    textInAnAmount[30] = "abc";
    std::vector<std::string> beyond32Bits(63, "0");
    beyond32Bits[62] = "2147483648";
    for (const auto& lines : {shortRecord, textInAnAmount, beyond32Bits}) {
        test::writeLines(kPath, lines);
        EXPECT_THROW(InsuranceFile::load("H17", 102), RecordError) << lines.size();
    }
}

TEST_F(InsuranceFileTest, FailedSaveLeavesTheOldRecord) {
    InsuranceFile::save("H17", 102, workedExample());
    InsuranceRecord quoted = workedExample();
    quoted.lifePolicies[2].insurer = "\"A\" 生命";
    EXPECT_THROW(InsuranceFile::save("H17", 102, quoted), RecordError);
    EXPECT_EQ(test::readBytes(kPath), test::goldenBytes("insurance_worked_example.txt"));
}

TEST_F(InsuranceFileTest, KeyWhoseFileNumberLeavesThirtyTwoBitsIsRefused) {
    EXPECT_THROW(InsuranceFile::load("H17", 300'000'000), RecordError);
    EXPECT_THROW(InsuranceFile::save("H17", 300'000'000, {}), RecordError);
}

}  // namespace
}  // namespace nencho
