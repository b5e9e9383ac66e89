#include "ledger/ledger_totals.h"

#include <gtest/gtest.h>

#include <limits>

#include "known_ledger.h"

namespace nencho {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(LedgerTotals, SumMonthsBonusesAndBothOfAKnownLedger) {
    LedgerSheet sheet = test::knownLedgerMonthsAndBonuses();
    ASSERT_TRUE(formMonthTotals(sheet));
    ASSERT_TRUE(formBonusTotals(sheet));
    ASSERT_TRUE(formGrandTotals(sheet));
    const int rows[] = {kMonthTotalRow, kBonusTotalRow, kGrandTotalRow};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(sheet.cell(rows[r], kAmountColumns[c]), test::kKnownTotals[r][c])
                << rows[r] << "," << c + 1;
    // The number of dependants has no totals.
    for (int row : rows) EXPECT_EQ(sheet.cell(row, LedgerColumn::Dependants), 0);

    const LedgerFeed feed = feedOf(sheet);
    EXPECT_EQ(feed.monthPay, 3066000);
    EXPECT_EQ(feed.monthTax, 60780);
    EXPECT_EQ(feed.bonusPay, 900000);
    EXPECT_EQ(feed.bonusTax, 36000);
    EXPECT_EQ(feed.grandPay, 3966000);
    EXPECT_EQ(feed.grandTax, 96780);
    EXPECT_EQ(feed.grandInsurance, 468078);
    EXPECT_EQ(feed.decemberDependants, 0);
}

TEST(LedgerTotals, GrandTotalsAddTheStoredTotalsNotTheRows) {
    LedgerSheet sheet;
    sheet.setCell(1, LedgerColumn::Pay, 100);
    sheet.setCell(kMonthTotalRow, LedgerColumn::Pay, 7);
    sheet.setCell(kBonusTotalRow, LedgerColumn::Pay, 5);
    ASSERT_TRUE(formGrandTotals(sheet));
    EXPECT_EQ(sheet.cell(kGrandTotalRow, LedgerColumn::Pay), 12);
}

// A sum beyond the signed 32-bit range is refused and the sheet stays as it was.
TEST(LedgerTotals, RefuseSumsBeyondThirtyTwoBits) {
    struct Case {
        const char* what;
        std::vector<std::tuple<int, LedgerColumn, std::int32_t>> cells;
        bool (*form)(LedgerSheet&);
    };
    const Case cases[] = {
        {"month pay", {{1, LedgerColumn::Pay, kMax}, {2, LedgerColumn::Pay, 1}}, formMonthTotals},
        {"month tax below the range",
         {{3, LedgerColumn::Tax, kMin}, {4, LedgerColumn::Tax, -1}},
         formMonthTotals},
        {"bonus insurance",
         {{14, LedgerColumn::SocialInsurance, kMax}, {16, LedgerColumn::SocialInsurance, kMax}},
         formBonusTotals},
        {"grand after insurance",
         {{kMonthTotalRow, LedgerColumn::AfterInsurance, kMax},
          {kBonusTotalRow, LedgerColumn::AfterInsurance, 1}},
         formGrandTotals},
    };
    for (const Case& c : cases) {
        LedgerSheet sheet;
        for (const auto& [row, column, value] : c.cells) sheet.setCell(row, column, value);
        const LedgerSheet before = sheet;
        EXPECT_FALSE(c.form(sheet)) << c.what;
        EXPECT_EQ(sheet, before) << c.what;
        if (c.form != formGrandTotals) {
            EXPECT_FALSE(sumsFit(sheet)) << c.what;
        }
    }
    // Exactly the largest value is still a sum.
    LedgerSheet sheet;
    sheet.setCell(1, LedgerColumn::Pay, kMax - 1);
    sheet.setCell(12, LedgerColumn::Pay, 1);
    EXPECT_TRUE(formMonthTotals(sheet));
    EXPECT_EQ(sheet.cell(kMonthTotalRow, LedgerColumn::Pay), kMax);
}

TEST(LedgerTotals, SumsFitLooksAtMonthsBonusesAndBothTogether) {
    LedgerSheet sheet;
    sheet.setCell(1, LedgerColumn::Pay, 2000000000);
    sheet.setCell(14, LedgerColumn::Pay, 2000000000);
    EXPECT_FALSE(sumsFit(sheet));  // each part fits, both together do not
    sheet.setCell(14, LedgerColumn::Pay, 100000000);
    EXPECT_TRUE(sumsFit(sheet));
}

}  // namespace
}  // namespace nencho
