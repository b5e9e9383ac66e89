#include "summary/summary_table.h"

#include <gtest/gtest.h>

#include <limits>

#include "common/failure.h"
#include "summary/summary_fixture.h"
#include "support/temp_drives.h"

namespace nencho {
namespace {

using test::kCompany;
using test::numberedLedger;
using test::storeBalance;
using test::storeLedger;

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

class SummaryTableTest : public ::testing::Test {
  protected:
    void SetUp() override { ensureDataTree("H17"); }
    test::TempDrives drives;
};

TEST_F(SummaryTableTest, FixtureCompanyAddsEveryLedgerAndEveryStoredResultPastTheGaps) {
    test::storeFixtureCompany();
    const SummaryTable table = summarise("H17", kCompany);

    for (int row = 1; row <= kLedgerRows; ++row) {
        EXPECT_EQ(table.row(row).pay, test::fixturePay(row)) << row;
        EXPECT_EQ(table.row(row).tax, test::fixtureTax(row)) << row;
    }
    EXPECT_EQ(table.firstHalf, (PayAndTax{test::kFixtureFirstHalfPay, test::kFixtureFirstHalfTax}));
    EXPECT_EQ(table.secondHalf,
              (PayAndTax{test::kFixtureSecondHalfPay, test::kFixtureSecondHalfTax}));
    EXPECT_EQ(table.balanceTotal, test::kFixtureBalance);
    EXPECT_EQ(table.balancePersons, test::kFixtureBalancePersons);
    EXPECT_TRUE(table.unreadable.empty());

    // Nothing is carried from one run to the next.
    EXPECT_EQ(summarise("H17", kCompany), table);
}

TEST_F(SummaryTableTest, TotalRowsAreThePersonsStoredTotalsNotTheRowsAbove) {
    LedgerSheet sheet;
    sheet.setCell(1, LedgerColumn::Pay, 100);
    sheet.setCell(kMonthTotalRow, LedgerColumn::Pay, 5);
    sheet.setCell(kGrandTotalRow, LedgerColumn::Pay, 9);
    sheet.setCell(kGrandTotalRow, LedgerColumn::Tax, -3);
    storeLedger("H17", kCompany, 1, sheet);
    const SummaryTable table = summarise("H17", kCompany);
    EXPECT_EQ(table.row(kMonthTotalRow).pay, 5);
    EXPECT_EQ(table.row(kGrandTotalRow), (PayAndTax{9, -3}));
    EXPECT_EQ(table.firstHalf, (PayAndTax{100, 0}));
}

TEST_F(SummaryTableTest, NoRecordsOrAnotherYearOrCompanyGiveAnEmptyTable) {
    test::storeFixtureCompany();
    EXPECT_EQ(summarise("H17", 7), SummaryTable{});
    EXPECT_EQ(summarise("H13", kCompany), SummaryTable{});  // no folder for the year
    const SummaryTable h14 = summarise("H14", kCompany);
    EXPECT_EQ(h14.row(1).pay, 5'001);
    EXPECT_EQ(h14.balancePersons, 0);
}

// Keys are computed in 32 bits: company 327 from person 68 on, and the largest company code.
TEST_F(SummaryTableTest, CompaniesWhoseKeysPassSixteenBitsAreReadLikeAnyOther) {
    for (std::int16_t company : {std::int16_t{327}, std::numeric_limits<std::int16_t>::max()}) {
        for (int person : {67, 68, 99}) {
            storeLedger("H17", company, person, numberedLedger(1));
            storeBalance("H17", company, person, 100);
        }
        const SummaryTable table = summarise("H17", company);
        EXPECT_EQ(table.row(1).pay, 3 * 1'001) << company;
        EXPECT_EQ(table.balanceTotal, 300) << company;
        EXPECT_EQ(table.balancePersons, 3) << company;
    }
}

TEST_F(SummaryTableTest, DamagedRecordsAreNamedAndLeftOutWhileTheOthersAreSummed) {
    test::storeFixtureCompany();
    const std::string ledger3 = *ledgerFilePath("H17", {kCompany, 3});
    std::vector<std::string> lines = test::readLines(ledger3);
    lines.at(4) = "abc";
    test::writeLines(ledger3, lines);
    const std::string result2 = *yearFilePath("H17", 502, YearFileKind::AdjustmentResult);
    lines = test::readLines(result2);
    lines.resize(10);
    test::writeLines(result2, lines);

    const SummaryTable table = summarise("H17", kCompany);
    EXPECT_EQ(table.row(1).pay, test::fixturePay(1) - 3'001);
    EXPECT_EQ(table.balanceTotal, test::kFixtureBalance + 30'000);
    EXPECT_EQ(table.balancePersons, test::kFixtureBalancePersons - 1);
    ASSERT_EQ(table.unreadable.size(), 2u);
    EXPECT_EQ(table.unreadable[0].personCode, 2);
    EXPECT_EQ(table.unreadable[0].kind, YearFileKind::AdjustmentResult);
    EXPECT_EQ(table.unreadable[1].personCode, 3);
    EXPECT_EQ(table.unreadable[1].kind, YearFileKind::Ledger);
    EXPECT_EQ(describeUnreadable(table.unreadable),
              "次の記録が読めないため、集計に含めていません。\n"
              "個人コード 2 の年末調整の結果（c:\\年末調整\\H17年末調整\\5023.txt）："
              "記録が途中で終わっています。\n"
              "個人コード 3 の源泉徴収簿（c:\\年末調整\\H17年末調整\\5030.txt）："
              "数字であるはずのところに数字でないものがあります。");
}

struct OverflowCase {
    const char* name;
    void (*store)();
    const char* message;
};

void PrintTo(const OverflowCase& overflow, std::ostream* out) {
    *out << overflow.name;
}

void payOfJanuaryPasses() {
    LedgerSheet sheet;
    sheet.setCell(1, LedgerColumn::Pay, kMax);
    storeLedger("H17", kCompany, 1, sheet);
    sheet.setCell(1, LedgerColumn::Pay, 1);
    storeLedger("H17", kCompany, 2, sheet);
}

void taxOfGrandTotalPassesBelow() {
    LedgerSheet sheet;
    sheet.setCell(kGrandTotalRow, LedgerColumn::Tax, kMin);
    storeLedger("H17", kCompany, 1, sheet);
    sheet.setCell(kGrandTotalRow, LedgerColumn::Tax, -1);
    storeLedger("H17", kCompany, 50, sheet);
}

void firstHalfPasses() {  // each row fits, their half-year does not
    LedgerSheet sheet;
    for (int row = 1; row <= 6; ++row) sheet.setCell(row, LedgerColumn::Pay, 400'000'000);
    storeLedger("H17", kCompany, 1, sheet);
}

void secondHalfTaxPasses() {
    LedgerSheet sheet;
    for (int row = 7; row <= 12; ++row) sheet.setCell(row, LedgerColumn::Tax, -400'000'000);
    storeLedger("H17", kCompany, 1, sheet);
}

void balancePasses() {
    storeBalance("H17", kCompany, 1, 2'000'000'000);
    storeBalance("H17", kCompany, 3, 2'000'000'000);
}

class SummaryOverflowTest : public SummaryTableTest,
                            public ::testing::WithParamInterface<OverflowCase> {};

TEST_P(SummaryOverflowTest, ASumBeyondThirtyTwoBitsIsAFailureThatNamesIt) {
    GetParam().store();
    try {
        summarise("H17", kCompany);
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sums, SummaryOverflowTest,
    ::testing::Values(
        OverflowCase{"JanuaryPay", payOfJanuaryPasses,
                     "1月の給与支給額の合計が扱える金額の範囲を超えるため、集計できません。"},
        OverflowCase{"GrandTotalTax", taxOfGrandTotalPassesBelow,
                     "総計の源泉所得税額の合計が扱える金額の範囲を超えるため、集計できません。"},
        OverflowCase{"FirstHalfPay", firstHalfPasses,
                     "１月から６月までの給与支給額の計が扱える金額の範囲を超えるため、"
                     "集計できません。"},
        OverflowCase{"SecondHalfTax", secondHalfTaxPasses,
                     "７月から１２月までの源泉所得税額の計が扱える金額の範囲を超えるため、"
                     "集計できません。"},
        OverflowCase{"Balance", balancePasses,
                     "年末調整の超過・不足の合計額が扱える金額の範囲を超えるため、"
                     "集計できません。"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace nencho
