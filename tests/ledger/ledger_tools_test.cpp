#include "ledger/ledger_tools.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "known_ledger.h"
#include "ledger/ledger_grid.h"

namespace nencho {
namespace {

TEST(PayDayPreset, StepsThroughNineStepsAndStartsAgain) {
    const std::pair<const char*, int> cases[] = {
        {"", 1}, {"0", 1}, {"1", 2}, {"8", 9}, {"9", 1}, {"abc", 1}, {"57", 1}, {"-3", 1},
    };
    for (const auto& [counter, step] : cases)
        EXPECT_EQ(nextPayDayPresetStep(counter), step) << counter;
}

TEST(PayDayPreset, GivesTheDaysOfEachStep) {
    using Days = std::array<std::string, 12>;
    const Days monthEnds{"31", "28", "31", "30", "31", "30", "31", "31", "30", "31", "30", "31"};
    EXPECT_EQ(payDayPreset(1), monthEnds);
    Days thirtieth;
    thirtieth.fill("30");
    thirtieth[1] = "28";  // February whatever the year
    EXPECT_EQ(payDayPreset(2), thirtieth);
    const std::pair<int, const char*> sameDay[] = {{3, "25"}, {4, "20"}, {5, "15"}, {6, "10"},
                                                   {7, "5"},  {8, "1"},  {9, ""}};
    for (const auto& [step, day] : sameDay) {
        Days days;
        days.fill(day);
        EXPECT_EQ(payDayPreset(step), days) << step;
    }
}

TEST(CopyForward, CopiesTheMonthIntoEveryLaterMonthOnly) {
    const LedgerSheet sheet = test::knownLedgerMonthsAndBonuses();
    for (int month = 7; month <= 12; ++month) {
        const auto copied = copiedForward(sheet, month);
        ASSERT_TRUE(copied) << month;
        for (int row = 1; row <= kLedgerRows; ++row)
            for (int c = 1; c <= kLedgerColumns; ++c) {
                const auto column = static_cast<LedgerColumn>(c);
                const int source = row > month && row <= kLastMonthRow ? month : row;
                EXPECT_EQ(copied->cell(row, column), sheet.cell(source, column))
                    << "copy " << month << " row " << row << " column " << c;
            }
    }
}

TEST(CopyForward, RefusesACopyWhoseYearNoLongerSums) {
    LedgerSheet sheet;
    sheet.setCell(7, LedgerColumn::Tax, 500000000);
    EXPECT_FALSE(copiedForward(sheet, 7));  // six months of it exceed the range
    EXPECT_TRUE(copiedForward(sheet, 10));  // three do not
}

TEST(LedgerGrid, NumbersTheBoxesOfEachRow) {
    struct Case {
        int row;
        LedgerRowBoxes boxes;
    };
    const Case cases[] = {
        {1, {11, 0, 12, 13, 14, 15, 16, 17, 18}},
        {2, {20, 0, 21, 22, 23, 24, 25, 26, 27}},
        {12, {110, 0, 111, 112, 113, 114, 115, 116, 117}},
        {13, {0, 0, 120, 121, 122, 123, 124, 125, 126}},
        {14, {128, 127, 129, 130, 131, 132, 133, 134, 135}},
        {16, {146, 145, 147, 148, 149, 150, 151, 152, 153}},
        {17, {0, 0, 154, 155, 156, 157, 158, 159, 160}},
        {18, {0, 0, 165, 166, 167, 168, 169, 170, 171}},
    };
    for (const Case& c : cases) {
        const LedgerRowBoxes b = ledgerRowBoxes(c.row);
        const int got[] = {b.date,       b.bonusMonth, b.pay,       b.insurance, b.afterInsurance,
                           b.dependants, b.tax,        b.overUnder, b.taxAgain};
        const int want[] = {c.boxes.date,      c.boxes.bonusMonth,     c.boxes.pay,
                            c.boxes.insurance, c.boxes.afterInsurance, c.boxes.dependants,
                            c.boxes.tax,       c.boxes.overUnder,      c.boxes.taxAgain};
        EXPECT_TRUE(std::equal(std::begin(got), std::end(got), std::begin(want))) << c.row;
    }
    const std::pair<int, int> dates[] = {{1, 11},   {12, 110}, {13, 127}, {14, 128},
                                         {15, 136}, {16, 137}, {17, 145}, {18, 146}};
    for (const auto& [index, box] : dates) EXPECT_EQ(payDateBox(index), box) << index;
}

TEST(LedgerGrid, DisplayClearLeavesOverUnderAndDependantsTotals) {
    const std::vector<int> boxes = displayClearBoxes();
    EXPECT_EQ(boxes.size(), 123u);
    auto has = [&](int box) { return std::find(boxes.begin(), boxes.end(), box) != boxes.end(); };
    for (int kept : {17, 116, 125, 134, 152, 159, 170, 123, 157, 168})
        EXPECT_FALSE(has(kept)) << kept;
    for (int cleared : {11, 12, 15, 18, 110, 117, 120, 126, 127, 128, 132, 153, 165, 171})
        EXPECT_TRUE(has(cleared)) << cleared;
    EXPECT_EQ(monthRowBoxes(11), (std::vector<int>{101, 102, 103, 104, 105, 106, 107, 108}));
}

}  // namespace
}  // namespace nencho
