// The insurance screen: its computation through the boxes, its record, its load and clear, and
// the social insurance taken from the ledger.
#include <QLineEdit>

#include "insurance_screen_test.h"
#include "yearend/insurance_file.h"
#include "yearend/ui/form4_controls.h"

namespace nencho::test {
namespace {

// The 30 life and pension texts, the 14 casualty texts: every text the record stores.
const int kTextBoxes[] = {9,  16, 23, 8,  15, 22, 11, 18, 25, 10, 17, 24, 12, 19, 26,
                          13, 20, 27, 32, 39, 31, 38, 34, 41, 33, 40, 35, 42, 36, 43,
                          57, 65, 58, 66, 59, 67, 61, 69, 60, 68, 62, 70, 63, 71};
const int kAmountBoxes[] = {14, 21, 28, 30, 37, 44, 46, 48, 64, 72, 74, 76, 80, 91, 83, 84};

class InsuranceScreen : public YearEndScreenTest {
  protected:
    void SetUp() override {
        YearEndScreenTest::SetUp();
        screens::show("Form4");
    }
    Screen& form() { return screens::touch("Form4"); }
    QString box(int number) { return form().textOf(boxName(number)); }
    void type(int number, const QString& text) { form().setTextOf(boxName(number), text); }
    void open(int company, int person) { takeUp("Form4", "Command3", "Command2", company, person); }
    std::optional<InsuranceRecord> stored(int company = 1, int person = 2) {
        return InsuranceFile::load("H17", *personKey(company, person));
    }

    // A person's policies typed as a clerk does, premiums with and without separators.
    void typeEntries(const QString& insurer) {
        for (int number : kTextBoxes) type(number, insurer + QString::number(number));
        type(14, "60,000");
        type(21, "12345");
        type(37, "80000");
        type(64, "15,000");
        type(74, "15000");
        type(76, "3,000");
        type(84, "84000");
        type(83, "-1,200");
    }
};

TEST_F(InsuranceScreen, EveryEntryBoxStartsWithOneFullWidthSpace) {
    for (int number : kTextBoxes) EXPECT_EQ(box(number), "\u3000") << number;
    for (int number : kAmountBoxes) EXPECT_EQ(box(number), "\u3000") << number;
    EXPECT_EQ(form().windowTitle(), "保険等");
    EXPECT_EQ(box(1), "生命保険会社等");
    EXPECT_EQ(form().textOf("Command1"), "計　算　実　行");
}

TEST_F(InsuranceScreen, AnEmptyScreenComputesZerosAndStoresAnEmptyRecord) {
    open(1, 2);
    click("Form4", "Command1");
    EXPECT_EQ(stored(), InsuranceRecord{});
    for (int number : {30, 46, 48, 74, 76, 80, 83, 84}) EXPECT_EQ(box(number), "") << number;
    EXPECT_EQ(readLines(yearFile(1, 2, YearFileKind::Insurance)).size(), 75u);
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(InsuranceScreen, DeductionsFollowTheBandsThroughTheBoxes) {
    struct Case {
        const char* life[3];
        const char* pension[2];
        const char* longTerm;
        const char* shortTerm;
        const char* lifeTotal;  // Text30
        std::int32_t lifeDeduction;
        const char* inAll;     // Text48
        const char* casualty;  // Text80
    };
    const Case cases[] = {
        {{"10,000", "10,000", "5,000"}, {"", ""}, "", "", "25,000", 25'000, "25,000", ""},
        {{"25,001", "", ""}, {"", ""}, "", "", "25,001", 25'000, "25,000", ""},
        {{"49,999", "", ""}, {"", ""}, "", "", "49,999", 37'499, "37,499", ""},
        {{"50,000", "", ""}, {"", ""}, "", "", "50,000", 37'500, "37,500", ""},
        {{"99,999", "", ""}, {"", ""}, "", "", "99,999", 49'999, "49,999", ""},
        {{"60,000", "40,000", ""}, {"", ""}, "", "", "100,000", 50'000, "50,000", ""},
        {{"100,000", "", ""}, {"50,000", "50,000"}, "", "", "100,000", 50'000, "100,000", ""},
        {{"-5,000", "", ""}, {"", ""}, "", "", "-5,000", -5'000, "-5,000", ""},
        {{"", "", ""}, {"", ""}, "10,001", "", "", 0, "", "10,000"},
        {{"", "", ""}, {"", ""}, "19,999", "", "", 0, "", "14,999"},
        {{"", "", ""}, {"", ""}, "20,000", "", "", 0, "", "15,000"},
        {{"", "", ""}, {"", ""}, "", "2,001", "", 0, "", "2,000"},
        {{"", "", ""}, {"", ""}, "", "3,999", "", 0, "", "2,999"},
        {{"", "", ""}, {"", ""}, "", "4,000", "", 0, "", "3,000"},
        {{"", "", ""}, {"", ""}, "20,000", "4,000", "", 0, "", "15,000"},  // not 18,000
        {{"", "", ""}, {"", ""}, "12,000", "4,000", "", 0, "", "14,000"},
    };
    open(1, 2);
    for (const Case& c : cases) {
        click("Form4", "Command3");
        const int lifeBoxes[] = {14, 21, 28};
        for (int i = 0; i < 3; ++i) type(lifeBoxes[i], c.life[i]);
        type(37, c.pension[0]);
        type(44, c.pension[1]);
        type(74, c.longTerm);
        type(76, c.shortTerm);
        click("Form4", "Command1");
        EXPECT_EQ(box(30), c.lifeTotal) << c.life[0];
        EXPECT_EQ(box(48), c.inAll) << c.life[0];
        EXPECT_EQ(box(80), c.casualty) << c.longTerm << "/" << c.shortTerm;
        const auto record = stored();
        ASSERT_TRUE(record.has_value());
        EXPECT_EQ(record->lifeDeduction, c.lifeDeduction) << c.life[0];
    }
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(InsuranceScreen, TypedAmountsAreReadLenientlyAndShownAgainWithSeparators) {
    open(1, 2);
    type(14, "12,345");
    type(21, "abc");  // not a number: 0
    type(28, "12345");
    type(64, "30,000");  // policy premiums are stored only
    type(72, "9000");
    type(74, "12000");
    type(76, " ");
    type(83, "45000");
    type(84, "0");
    click("Form4", "Command1");
    EXPECT_EQ(box(30), "24,690");
    EXPECT_EQ(box(28), "12345");  // the policy premiums are not rewritten
    EXPECT_EQ(box(21), "abc");
    EXPECT_EQ(box(74), "12,000");
    EXPECT_EQ(box(76), "");
    EXPECT_EQ(box(80), "11,000");
    EXPECT_EQ(box(83), "45,000");
    EXPECT_EQ(box(84), "");
    const auto record = stored();
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->lifePremiums, (std::array<std::int32_t, 3>{12'345, 0, 12'345}));
    EXPECT_EQ(record->casualtyPremiums, (std::array<std::int32_t, 2>{30'000, 9'000}));
    EXPECT_EQ(record->casualtyDeduction, 11'000);  // from the typed long-term premiums only
}

TEST_F(InsuranceScreen, ComputedRecordLoadsBackIntoTheSameBoxes) {
    open(1, 2);
    typeEntries("保険");
    click("Form4", "Command1");
    click("Form4", "Command3");
    click("Form4", "Command2");
    for (int number : kTextBoxes) EXPECT_EQ(box(number), "保険" + QString::number(number));
    const std::pair<int, const char*> amounts[] = {
        {14, "60,000"}, {21, "12,345"}, {28, ""},       {30, "72,345"}, {37, "80,000"},
        {44, ""},       {46, "80,000"}, {48, "88,086"}, {64, "15,000"}, {72, ""},
        {74, "15,000"}, {76, "3,000"},  {80, "15,000"}, {83, "-1,200"}, {84, "84,000"},
    };
    for (const auto& [number, text] : amounts) EXPECT_EQ(box(number), text) << number;
    const auto record = stored();
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->lifePolicies[0].insurer, "保険9");
    EXPECT_EQ(record->casualtyPolicies[1].maturity, "保険71");
    EXPECT_EQ(record->declaredSocialInsurance, -1'200);
}

TEST_F(InsuranceScreen, ClearEmptiesTheEntriesAndLeavesHeadingsCodesAndRecord) {
    open(1, 2);
    typeEntries("保険");
    type(91, "468,078");
    click("Form4", "Command1");
    const std::string before = readBytes(yearFile(1, 2, YearFileKind::Insurance));
    click("Form4", "Command3");
    for (int number : kTextBoxes) EXPECT_EQ(box(number), "") << number;
    for (int number : kAmountBoxes) EXPECT_EQ(box(number), "") << number;
    EXPECT_EQ(box(1), "生命保険会社等");
    EXPECT_EQ(box(162), "2");
    EXPECT_EQ(readBytes(yearFile(1, 2, YearFileKind::Insurance)), before);

    type(83, "1");
    type(84, "2");
    click("Form4", "Command6");
    EXPECT_EQ(box(83), "");
    EXPECT_EQ(box(84), "2");
    click("Form4", "Command7");
    EXPECT_EQ(box(84), "");
}

// Nothing of one person may show on, or be stored for, the next.
TEST_F(InsuranceScreen, APersonWithoutARecordShowsEmptyBoxesAndStoresEmptyEntries) {
    writeBytes(yearFile(1, 2, YearFileKind::Ledger), goldenBytes("ledger_1020.txt"));
    open(1, 2);
    typeEntries("保険");
    click("Form4", "Command1");
    click("Form4", "Command5");
    ASSERT_EQ(box(91), "468,078");

    form().setTextOf("Text162", "3");
    click("Form4", "Command2");  // the load alone, without the clear
    for (int number : kTextBoxes) EXPECT_EQ(box(number), "") << number;
    for (int number : kAmountBoxes) EXPECT_EQ(box(number), "") << number;
    click("Form4", "Command1");
    EXPECT_EQ(stored(1, 3), InsuranceRecord{});
    EXPECT_EQ(stored(1, 2)->lifePolicies[0].insurer, "保険9");
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(InsuranceScreen, SocialInsuranceComesFromTheLedgersGrandTotal) {
    writeBytes(yearFile(1, 2, YearFileKind::Ledger), goldenBytes("ledger_1020.txt"));
    open(1, 2);
    EXPECT_EQ(box(91), "");  // no insurance record: the load stops before the ledger
    click("Form4", "Command5");
    EXPECT_EQ(box(91), "468,078");

    click("Form4", "Command1");
    open(1, 2);  // with a record the load shows the ledger's figure too
    EXPECT_EQ(box(91), "468,078");

    form().setTextOf("Text162", "3");  // no ledger: the box keeps its text
    click("Form4", "Command5");
    EXPECT_EQ(box(91), "468,078");
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(InsuranceScreen, ComputeWithoutACompanyOrPersonChangesAndStoresNothing) {
    for (const auto& [company, person] :
         {std::pair<const char*, const char*>{"", "2"}, {"1", ""}, {"1", "abc"}, {"1", "40000"}}) {
        dialogs->messages.clear();
        open(1, 2);
        form().setTextOf("Text161", company);
        form().setTextOf("Text162", person);
        type(14, "30000");
        click("Form4", "Command1");
        EXPECT_EQ(box(30), "") << company << "/" << person;
        EXPECT_EQ(box(14), "30000");
        ASSERT_EQ(dialogs->messages.size(), 1u) << company << "/" << person;
        EXPECT_EQ(dialogs->messages[0].title, "計算実行");
    }
    EXPECT_FALSE(stored().has_value());
}

// Keys are formed in 32 bits: company 328's person 1 is a person like any other.
TEST_F(InsuranceScreen, ACompanyCodeBeyondTheOldSixteenBitKeyStoresItsOwnRecord) {
    open(328, 1);
    type(14, "30000");
    click("Form4", "Command1");
    EXPECT_TRUE(exists("c:\\年末調整\\H17年末調整\\328011.txt"));
    click("Form4", "Command3");
    click("Form4", "Command2");
    EXPECT_EQ(box(14), "30,000");
}

TEST_F(InsuranceScreen, ARecordThatCannotBeStoredIsReportedAndTheOldOneStays) {
    open(1, 2);
    typeEntries("保険");
    click("Form4", "Command1");
    const std::string before = readBytes(yearFile(1, 2, YearFileKind::Insurance));

    const std::pair<int, const char*> refused[] = {{9, "\"A\"生命"}, {63, "満期😀"}};
    for (const auto& [number, text] : refused) {
        dialogs->messages.clear();
        type(number, text);
        click("Form4", "Command1");
        ASSERT_EQ(dialogs->messages.size(), 1u) << text;
        EXPECT_EQ(dialogs->messages[0].title, "計算実行");
        EXPECT_TRUE(
            dialogs->messages[0].prompt.startsWith("保険等のデータを保存できませんでした。"));
        EXPECT_EQ(readBytes(yearFile(1, 2, YearFileKind::Insurance)), before) << text;
        type(number, "");
    }

    dialogs->messages.clear();
    takeUp("Form4", "Command3", "Command2", 1, 2, "H16");  // no folder for the year
    click("Form4", "Command1");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_FALSE(exists(yearFile(1, 2, YearFileKind::Insurance, "H16")));
}

TEST_F(InsuranceScreen, SumsBeyondTheRangeAreRefusedAndNothingIsShownOrStored) {
    open(1, 2);
    type(14, "2,147,483,647");
    type(21, "1");
    click("Form4", "Command1");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "計算実行");
    EXPECT_EQ(box(30), "");
    EXPECT_FALSE(stored().has_value());
}

TEST_F(InsuranceScreen, ADamagedRecordIsReportedAndLoadsAsEmpty) {
    open(1, 2);
    typeEntries("保険");
    writeLines(yearFile(1, 3, YearFileKind::Insurance), {"\"生命\"", "\"\""});
    const std::string damaged = readBytes(yearFile(1, 3, YearFileKind::Insurance));
    form().setTextOf("Text162", "3");
    click("Form4", "Command2");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "データ呼出");
    for (int number : kTextBoxes) EXPECT_EQ(box(number), "") << number;
    EXPECT_EQ(readBytes(yearFile(1, 3, YearFileKind::Insurance)), damaged);
}

}  // namespace
}  // namespace nencho::test
