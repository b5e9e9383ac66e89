#include "yearend/dependants_deduction.h"

#include <gtest/gtest.h>

#include <limits>

#include "common/failure.h"

namespace nencho {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

constexpr std::size_t row(ConditionRow r) {
    return static_cast<std::size_t>(r);
}

DependantsDeduction computed(const DependantsInput& input) {
    return computeDependantsDeduction(input);
}

TEST(DependantsDeduction, NothingEnteredGivesThePersonsBasicDeduction) {
    const DependantsDeduction result = computed({});
    for (int n = 1; n <= 17; ++n) {
        EXPECT_EQ(result.amounts.r(n), n >= 16 ? 380'000 : 0) << "R" << n;
    }
    EXPECT_EQ(result.counts, KindCounts{});
    EXPECT_EQ(result.grandTotal, 0);
    EXPECT_FALSE(result.countExceeded);
}

TEST(DependantsDeduction, EachCountedConditionHasItsAmount) {
    DependantsInput input;
    input.matrix.dependantCounts = {1, 2, 3, 4, 5, 6};
    input.dependantsInAll = 20;
    const DependantsDeduction result = computed(input);

    // C4 counts the 特定扶養家族 row and C5 the 老人扶養 row.
    EXPECT_EQ(result.counts, (KindCounts{{1, 2, 3, 5, 4, 6, 20, 0}}));
    const std::pair<int, std::int32_t> amounts[] = {
        {10, 270'000}, {11, 800'000},   {12, 2'250'000}, {13, 1'250'000},
        {14, 400'000}, {15, 1'200'000}, {16, 7'980'000}, {17, 14'150'000},
    };
    for (const auto& [n, amount] : amounts) EXPECT_EQ(result.amounts.r(n), amount) << "R" << n;
    EXPECT_EQ(result.rowTotals, input.matrix.dependantCounts);
    EXPECT_EQ(result.dependantCounts, input.matrix.dependantCounts);
    EXPECT_EQ(result.grandTotal, 21);
}

TEST(DependantsDeduction, ASpecificDependantAnElderlySpouseAndANegativeCount) {
    struct Case {
        const char* what;
        DependantsInput input;
        std::int32_t r17;
    };
    DependantsInput specific;
    specific.dependantsInAll = 2;
    specific.matrix.dependantCounts[row(ConditionRow::SpecificDependant)] = 1;

    DependantsInput elderlySpouse;  // the spouse's 老人 marker chooses 老人 and marks row 4
    elderlySpouse.dependantsInAll = 1;
    elderlySpouse.spouse = spouseConditionAmounts(SpouseCondition::Elderly);
    elderlySpouse.matrix.spouseMarked[row(ConditionRow::ElderlyDependant)] = true;

    DependantsInput negativeCount;
    negativeCount.dependantsInAll = -1;

    const Case cases[] = {
        {"one specific dependant", specific, 1'390'000},
        {"elderly spouse", elderlySpouse, 960'000},
        {"count of -1", negativeCount, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(computed(c.input).amounts.r(17), c.r17) << c.what;

    const DependantsDeduction specificDeduction = computed(specific);
    EXPECT_EQ(specificDeduction.counts.c(4), 1);
    EXPECT_EQ(specificDeduction.amounts.r(13), 250'000);
    EXPECT_EQ(specificDeduction.amounts.r(16), 1'140'000);
    const DependantsDeduction elderly = computed(elderlySpouse);
    EXPECT_EQ(elderly.amounts.r(9), 100'000);
    EXPECT_EQ(elderly.counts.c(5), 1);
    EXPECT_EQ(elderly.amounts.r(14), 100'000);
    EXPECT_EQ(elderly.amounts.r(16), 760'000);
    EXPECT_EQ(elderly.counts.c(8), 0);  // the spouse flag is only used by the count check
}

TEST(DependantsDeduction, ConditionChoicesSetTheirAmounts) {
    struct PersonCase {
        PersonCondition condition;
        PersonConditionAmounts amounts;
    };
    // R1 and R4 start loaded from an older record: a choice clears R1 and keeps R4.
    const PersonCase personCases[] = {
        {PersonCondition::DisabledWidowOrStudent, {0, 270'000, 0, 7, 0}},
        {PersonCondition::SpeciallyDisabled, {0, 0, 400'000, 7, 0}},
        {PersonCondition::SpecialWidow, {0, 0, 0, 7, 350'000}},
        {PersonCondition::Elderly, {0, 0, 0, 7, 0}},
    };
    for (const PersonCase& c : personCases) {
        PersonConditionAmounts amounts{500'000, 270'000, 400'000, 7, 350'000};
        choosePersonCondition(c.condition, amounts);
        EXPECT_EQ(amounts, c.amounts) << static_cast<int>(c.condition);
    }
    const std::pair<SpouseCondition, SpouseConditionAmounts> spouseCases[] = {
        {SpouseCondition::DisabledOrStudent, {270'000, 0, 0, 0}},
        {SpouseCondition::SpeciallyDisabled, {0, 400'000, 0, 0}},
        {SpouseCondition::CohabitingSpeciallyDisabled, {0, 0, 750'000, 0}},
        {SpouseCondition::Elderly, {0, 0, 0, 100'000}},
    };
    for (const auto& [condition, amounts] : spouseCases) {
        EXPECT_EQ(spouseConditionAmounts(condition), amounts) << static_cast<int>(condition);
    }
}

TEST(DependantsDeduction, LoadedElderlyAmountIsAddedAndTheReservedOneIsKeptOnly) {
    DependantsInput input;
    input.person.elderly = 500'000;
    input.person.reserved = 123;
    const DependantsDeduction result = computed(input);
    EXPECT_EQ(result.amounts.r(1), 500'000);
    EXPECT_EQ(result.amounts.r(4), 123);
    EXPECT_EQ(result.amounts.r(17), 880'000);
}

// The sheet as the user enters it, and as loading the stored record shows it again: the load
// marks the person's own disability in the grid and restores the spouse's condition both as the
// choice and as a mark with its restore flag.
struct ReloadCase {
    const char* what;
    DependantsInput entered;
    DependantsInput reloaded;
    std::int32_t r17;
};

std::vector<ReloadCase> reloadCases() {
    std::vector<ReloadCase> cases;
    const auto disabledRow = row(ConditionRow::DisabledOrStudent);
    const auto elderlyRow = row(ConditionRow::ElderlyDependant);
    {
        ReloadCase c{"disabled person", {}, {}, 650'000};
        choosePersonCondition(PersonCondition::DisabledWidowOrStudent, c.entered.person);
        c.reloaded = c.entered;
        c.reloaded.matrix.personMarked[disabledRow] = true;
        cases.push_back(c);
    }
    {
        ReloadCase c{"specially disabled person", {}, {}, 780'000};
        choosePersonCondition(PersonCondition::SpeciallyDisabled, c.entered.person);
        c.entered.matrix.personMarked[row(ConditionRow::SpeciallyDisabled)] = true;
        c.reloaded = c.entered;
        cases.push_back(c);
    }
    {
        ReloadCase c{"elderly spouse", {}, {}, 960'000};
        c.entered.dependantsInAll = 1;
        c.entered.spouse = spouseConditionAmounts(SpouseCondition::Elderly);
        c.entered.matrix.spouseMarked[elderlyRow] = true;
        c.reloaded = c.entered;
        c.reloaded.matrix.spouseRestored[elderlyRow] = true;
        cases.push_back(c);
    }
    {
        ReloadCase c{"elderly spouse with the grid mark taken off", {}, {}, 960'000};
        c.entered.dependantsInAll = 1;
        c.entered.spouse = spouseConditionAmounts(SpouseCondition::Elderly);
        c.reloaded = c.entered;
        c.reloaded.matrix.spouseMarked[elderlyRow] = true;
        c.reloaded.matrix.spouseRestored[elderlyRow] = true;
        cases.push_back(c);
    }
    {
        ReloadCase c{"disabled spouse", {}, {}, 1'030'000};
        c.entered.dependantsInAll = 1;
        c.entered.spouse = spouseConditionAmounts(SpouseCondition::DisabledOrStudent);
        c.reloaded = c.entered;
        c.reloaded.matrix.spouseMarked[disabledRow] = true;
        c.reloaded.matrix.spouseRestored[disabledRow] = true;
        cases.push_back(c);
    }
    return cases;
}

TEST(DependantsDeduction, ReloadingGivesTheAmountsOfTheEnteredConditions) {
    for (const ReloadCase& c : reloadCases()) {
        const DependantsDeduction entered = computed(c.entered);
        const DependantsDeduction reloaded = computed(c.reloaded);
        EXPECT_EQ(entered.amounts.r(17), c.r17) << c.what;
        EXPECT_EQ(reloaded.amounts, entered.amounts) << c.what;
        EXPECT_EQ(reloaded.counts, entered.counts) << c.what;
    }
}

TEST(DependantsDeduction, GridMarksCountWhereNoOwnAmountDeductsTheCondition) {
    DependantsInput input;
    input.dependantsInAll = 1;
    input.matrix.personMarked[row(ConditionRow::SpeciallyDisabled)] = true;
    input.matrix.spouseMarked[row(ConditionRow::CohabitingSpeciallyDisabled)] = true;
    const DependantsDeduction result = computed(input);
    EXPECT_EQ(result.counts.c(2), 1);
    EXPECT_EQ(result.counts.c(3), 1);
    EXPECT_EQ(result.amounts.r(11), 400'000);
    EXPECT_EQ(result.amounts.r(12), 750'000);
    EXPECT_EQ(result.amounts.r(17), 1'910'000);
    EXPECT_EQ(result.grandTotal, 2);
}

TEST(DependantsDeduction, CountCheckComparesPersonsWithConditionsWithThoseCounted) {
    struct Case {
        const char* what;
        std::int32_t dependantsInAll;
        std::int32_t typedDisabled;
        bool personMarked;
        bool spouseChosen;
        bool exceeded;
    };
    const Case cases[] = {
        {"as many as counted", 1, 1, true, false, false},
        {"one more than counted", 1, 2, true, false, true},
        {"the spouse's condition counts", 0, 0, true, true, true},
        {"the spouse's condition alone", 0, 0, false, true, false},
        {"the spouse's condition with one typed", 0, 1, false, true, true},
        {"person marked and two typed with none counted", 0, 2, true, false, true},
    };
    for (const Case& c : cases) {
        DependantsInput input;
        input.dependantsInAll = c.dependantsInAll;
        input.matrix.dependantCounts[row(ConditionRow::DisabledOrStudent)] = c.typedDisabled;
        input.matrix.personMarked[row(ConditionRow::SpeciallyDisabled)] = c.personMarked;
        if (c.spouseChosen) {
            input.spouse = spouseConditionAmounts(SpouseCondition::DisabledOrStudent);
        }
        EXPECT_EQ(computed(input).countExceeded, c.exceeded) << c.what;
    }
}

TEST(DependantsDeduction, ElderlySpouseCountsInItsRowAndAsTheSpousesCondition) {
    DependantsInput input;
    input.spouse = spouseConditionAmounts(SpouseCondition::Elderly);
    input.matrix.spouseMarked[row(ConditionRow::ElderlyDependant)] = true;
    EXPECT_TRUE(computed(input).countExceeded);
    input.dependantsInAll = 1;
    EXPECT_FALSE(computed(input).countExceeded);
}

TEST(DependantsDeduction, FailedCountCheckKeepsOnlyThePersonsOwnDeductions) {
    DependantsInput input;
    choosePersonCondition(PersonCondition::SpecialWidow, input.person);
    input.spouse = spouseConditionAmounts(SpouseCondition::DisabledOrStudent);
    input.matrix.personMarked[row(ConditionRow::SpeciallyDisabled)] = true;
    input.matrix.dependantCounts[row(ConditionRow::DisabledOrStudent)] = 2;
    const DependantsDeduction result = computed(input);

    ASSERT_TRUE(result.countExceeded);
    DependantsDeductionAmounts expected;
    expected.values[4] = 350'000;   // R5
    expected.values[15] = 380'000;  // R16: the person alone
    expected.values[16] = 730'000;  // R17
    EXPECT_EQ(result.amounts, expected);
    EXPECT_EQ(result.counts, KindCounts{});
    EXPECT_EQ(result.rowTotals, (std::array<std::int32_t, kConditionRowCount>{}));
    EXPECT_EQ(result.dependantCounts, (std::array<std::int32_t, kConditionRowCount>{}));
    EXPECT_EQ(result.grandTotal, 0);
}

TEST(DependantsDeduction, CountsOrAmountsBeyondTheRangeAreAFailure) {
    DependantsInput rowTotalTooHigh;
    rowTotalTooHigh.dependantsInAll = kMax;
    rowTotalTooHigh.matrix.dependantCounts[0] = kMax;
    rowTotalTooHigh.matrix.personMarked[0] = true;

    DependantsInput amountTooHigh;
    amountTooHigh.dependantsInAll = 10'000;
    amountTooHigh.matrix.dependantCounts[row(ConditionRow::CohabitingSpeciallyDisabled)] = 3'000;

    DependantsInput basicTooHigh;
    basicTooHigh.dependantsInAll = 6'000;  // 6,001 × 380,000

    DependantsInput totalTooHigh;  // each amount in range, R17 beyond it
    totalTooHigh.dependantsInAll = 5'000;
    totalTooHigh.matrix.dependantCounts[row(ConditionRow::SpeciallyDisabled)] = 5'000;

    for (const DependantsInput& input :
         {rowTotalTooHigh, amountTooHigh, basicTooHigh, totalTooHigh}) {
        EXPECT_THROW(computeDependantsDeduction(input), Failure);
    }
}

}  // namespace
}  // namespace nencho
