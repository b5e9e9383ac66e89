#include "printing/print_data_load.h"

#include <gtest/gtest.h>

#include "printing/print_fixture.h"
#include "support/temp_drives.h"

namespace nencho {
namespace {

using test::kPrintYear;

class PrintDataLoadTest : public ::testing::Test {
  protected:
    void SetUp() override { test::writeFixtureYear(); }
    test::TempDrives drives;
    PrintData data;
};

TEST_F(PrintDataLoadTest, FillsEveryFieldOfTheRecordsOnHand) {
    const PrintDataLoad load = loadPrintData(data, kPrintYear, 1, 5);
    EXPECT_TRUE(load.loaded);
    EXPECT_TRUE(load.damagedRecords.empty());

    EXPECT_EQ(data.taxYearCode, "H17");
    EXPECT_EQ(data.companyCode, 1);
    EXPECT_EQ(data.personCode, 5);
    EXPECT_EQ(data.personKey, 105);
    EXPECT_EQ(data.yearFileNumbers,
              (std::array<std::int32_t, 6>{1050, 1051, 1052, 1053, 1054, 1055}));

    EXPECT_EQ(data.noteLines[1], "前職 株式会社緑 300,000円");
    EXPECT_EQ(data.noteLines[2], "住宅取得 平成16年");

    const std::int32_t companyNumbers[] = {1, 10'000'000, 16, 4, 1, 17, 3, 31, 17, 5, 25};
    for (int i = 1; i <= 11; ++i) EXPECT_EQ(data.companyNumbers[i], companyNumbers[i - 1]) << i;
    const char* companyTexts[] = {"カブシキガイシャ　アオバ",
                                  "株式会社青葉",
                                  "東京都千代田区1-1",
                                  "アオバ　イチロウ",
                                  "東京都港区2-2",
                                  "卸売業",
                                  "麹町",
                                  "03-1234-5678",
                                  "青葉　一郎"};
    for (int i = 1; i <= 9; ++i) EXPECT_EQ(data.companyTexts[i], companyTexts[i - 1]) << i;

    EXPECT_EQ(data.personReading, "ヤマダ　タロウ");
    EXPECT_EQ(data.personName, "山田　太郎");
    EXPECT_EQ(data.personAddress1, "東京都千代田区1-2");
    EXPECT_EQ(data.personAddress2, "青葉ビル3F");
    EXPECT_EQ(data.birthEra, "昭和");
    EXPECT_EQ(data.birthYear, 45);
    EXPECT_EQ(data.birthMonth, 3);
    EXPECT_EQ(data.birthDay, 12);
    EXPECT_EQ(data.personPosition, "取締役");
    EXPECT_EQ(data.personStatusTexts[4], "寡婦");
    EXPECT_EQ(data.personStatusTexts[13], "退　職");
    EXPECT_EQ(data.personStatusTexts[15], "9");
    EXPECT_EQ(data.personStatusTexts[17], "乙欄");
    EXPECT_EQ(data.payKindTexts[1], "役員報酬");
    EXPECT_EQ(data.payKindTexts[3], "");

    EXPECT_EQ(data.printLedgerTable, test::fixtureLedger().sheet);
    EXPECT_EQ(data.payDateTexts[1], "25");
    EXPECT_EQ(data.payDateTexts[13], "7/10");

    // Values 4, 15 and 18 to 20 are not stored and stay 0; the others come from their lines.
    const AdjustmentResult expected = test::fixtureAdjustment();
    for (int value = 1; value <= AdjustmentResult::kCount; ++value) {
        const bool stored = value != 4 && value != 15 && (value < 18 || value > 20);
        EXPECT_EQ(data.adjustmentResult.at(value), stored ? expected.at(value) : 0) << value;
    }
}

TEST_F(PrintDataLoadTest, FillsTheYearEndRecordsLineByLine) {
    loadPrintData(data, kPrintYear, 1, 5);

    // Policy texts go field by field across the policies, as the record stores them.
    struct Text {
        int number;
        const char* text;
    };
    for (const Text& t : {Text{1, "生命1"}, Text{3, "生命3"}, Text{4, "終身1"}, Text{18, "夫3"},
                          Text{19, "年金1"}, Text{20, "年金2"}, Text{21, "個人1"}, Text{30, "本2"}})
        EXPECT_EQ(data.lifePensionTexts[t.number], t.text) << t.number;
    for (const Text& t : {Text{1, "損保1"}, Text{2, "損保2"}, Text{3, "火災1"}, Text{14, "H302"}})
        EXPECT_EQ(data.casualtyTexts[t.number], t.text) << t.number;
    const std::int32_t lifePension[] = {120'000, 30'000, 0,      150'000, 50'000,
                                        60'000,  0,      60'000, 40'000,  90'000};
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(data.lifePensionAmounts[i], lifePension[i - 1]) << i;
    const std::int32_t casualty[] = {30'000, 2'000, 30'000, 2'000, 15'000, 2'000, 15'000};
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(data.casualtyAmounts[i], casualty[i - 1]) << i;
    EXPECT_EQ(data.mutualAidPremiums, 12'000);
    EXPECT_EQ(data.declaredSocialInsurance, 20'000);

    EXPECT_EQ(data.deductionAmounts[2], 270'000);
    EXPECT_EQ(data.deductionAmounts[13], 250'000);
    EXPECT_EQ(data.deductionAmounts[17], 2'900'000);
    const std::int32_t counts[] = {1, 0, 0, 1, 1, 0, 5, 0};
    for (int i = 1; i <= 8; ++i) EXPECT_EQ(data.kindCounts[i], counts[i - 1]) << i;
    // The spouse's row has no annual income of its own.
    const char* spouse[] = {"山田　花子", "妻", "S47.5.1", "", "パート", "同上", "", "控除対象"};
    for (int column = 1; column <= 8; ++column)
        EXPECT_EQ(data.dependantTable[kSpouseRow][column], spouse[column - 1]) << column;
    const char* mother[] = {"山田　梅", "母", "T15.1.1", "老人", "", "同上", "", "同居"};
    for (int column = 1; column <= 8; ++column)
        EXPECT_EQ(data.dependantTable[3][column], mother[column - 1]) << column;
    EXPECT_EQ(data.dependantTable[2][7], "0");
    EXPECT_EQ(data.dependantTable[4][1], "");
    EXPECT_EQ(data.spouseTotalIncome, 480'000);

    const std::int32_t spouseHousing[] = {150'000, 1'000'000, 350'000, 110'000, 0, 0, 0, 0, 0, 0};
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(data.spouseHousingAmounts[i], spouseHousing[i - 1]) << i;
    EXPECT_EQ(data.spouseNameTexts[1], "ヤマダ　ハナコ");
    EXPECT_EQ(data.spouseNameTexts[2], "山田　花子");
    // The spouse step is the display's: the load leaves it to the screen.
    EXPECT_EQ(data.spouseFlag, 0);
}

TEST_F(PrintDataLoadTest, TheTenZeroSpouseRecordHasNoSpouseName) {
    test::writeLines(*yearFilePath(kPrintYear, 105, YearFileKind::SpouseHousing),
                     std::vector<std::string>(10, "0"));
    loadPrintData(data, kPrintYear, 1, 5);
    EXPECT_EQ(data.spouseNameTexts[1], "");
    EXPECT_EQ(data.spouseNameTexts[2], "");
    EXPECT_EQ(data.spouseHousingAmounts[1], 0);
}

TEST_F(PrintDataLoadTest, APersonWithoutRecordsKeepsNothingOfTheOneBefore) {
    data.statementDataShiftRight = 3;
    data.statementDataShiftDown = -2;
    data.taxEraYear = "17";
    loadPrintData(data, kPrintYear, 1, 5);
    data.spouseFlag = 1;
    data.otherDependantsCount = 2;
    const PrintData former = data;

    const PrintDataLoad load = loadPrintData(data, kPrintYear, 1, 6);
    EXPECT_TRUE(load.loaded);
    EXPECT_TRUE(load.damagedRecords.empty());

    // The company is the same; nothing of person 5 is left.
    PrintData expected;
    expected.taxYearCode = "H17";
    expected.companyCode = 1;
    expected.personCode = 6;
    expected.personKey = 106;
    expected.yearFileNumbers = {1060, 1061, 1062, 1063, 1064, 1065};
    expected.companyNumbers = former.companyNumbers;
    expected.companyTexts = former.companyTexts;
    expected.statementDataShiftRight = 3;
    expected.statementDataShiftDown = -2;
    expected.taxEraYear = "17";
    EXPECT_EQ(data, expected);
}

TEST_F(PrintDataLoadTest, ARecordThatCannotBeReadIsReportedAndTheOthersLoad) {
    test::writeLines(personFilePath(105),
                     {"5", "\"ヤマダ\"", "\"山田\"", "\"住所\"", "\"昭和\"", "四十五"});
    const PrintDataLoad load = loadPrintData(data, kPrintYear, 1, 5);
    EXPECT_TRUE(load.loaded);
    ASSERT_EQ(load.damagedRecords.size(), 1u);
    EXPECT_EQ(load.damagedRecords[0].rfind("個人", 0), 0u) << load.damagedRecords[0];
    // Nothing of the damaged record is half taken.
    EXPECT_EQ(data.personName, "");
    EXPECT_EQ(data.personReading, "");
    EXPECT_EQ(data.companyTexts[2], "株式会社青葉");
    EXPECT_EQ(data.noteLines[1], "前職 株式会社緑 300,000円");
    EXPECT_EQ(data.adjustmentResult[AdjustmentValue::PayInAll], 4'100'078);
}

TEST_F(PrintDataLoadTest, PersonCodesOutsideTheCompanyReadNothing) {
    // Person 105 of company 0 would be company 1's person 5.
    for (int code : {0, 100, 105, 1000, -1}) {
        loadPrintData(data, kPrintYear, 1, 5);
        const PrintDataLoad load = loadPrintData(data, kPrintYear, 0, code);
        EXPECT_FALSE(load.loaded) << code;
        EXPECT_NE(load.refusal.find("1 から 99"), std::string::npos) << load.refusal;
        EXPECT_EQ(data.personCode, code);
        EXPECT_EQ(data.personName, "") << code;
        EXPECT_EQ(data.companyTexts[2], "") << code;
        EXPECT_EQ(data.noteLines[1], "") << code;
    }
}

TEST_F(PrintDataLoadTest, KeysAreThirtyTwoBitsSoCompaniesAbove327Work) {
    test::writeFixtureYear(328, 1);
    const PrintDataLoad load = loadPrintData(data, kPrintYear, 328, 1);
    EXPECT_TRUE(load.loaded);
    EXPECT_EQ(data.personKey, 32'801);
    EXPECT_EQ(data.yearFileNumbers[5], 328'015);
    EXPECT_EQ(data.personName, "山田　太郎");
    EXPECT_EQ(data.companyNumbers[1], 328);
}

TEST(SpouseCounts, OtherDependantsAreTheRestOfTheCountNeverBelowZero) {
    struct Case {
        std::array<std::int32_t, 8> counts;  // C1 to C8
        bool withSpouse;
        std::int32_t others;
    };
    const Case cases[] = {
        {{0, 0, 0, 0, 0, 0, 1, 0}, true, 0},   // the spouse alone
        {{0, 0, 0, 0, 0, 0, 0, 0}, true, 0},   // not −1
        {{0, 0, 0, 0, 0, 0, 3, 0}, false, 3},  //
        {{1, 0, 0, 1, 0, 0, 5, 1}, true, 2},   // C8 plays no part
        {{1, 1, 1, 1, 1, 1, 4, 0}, false, 0},  //
    };
    for (const Case& c : cases) {
        PrintData data;
        for (int i = 1; i <= 8; ++i) data.kindCounts[i] = c.counts[static_cast<std::size_t>(i - 1)];
        setSpouseCounts(data, c.withSpouse);
        EXPECT_EQ(data.spouseFlag, c.withSpouse ? 1 : 0);
        EXPECT_EQ(data.otherDependantsCount, c.others) << c.counts[6];
    }
}

}  // namespace
}  // namespace nencho
