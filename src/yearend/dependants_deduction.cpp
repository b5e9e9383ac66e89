#include "yearend/dependants_deduction.h"

#include <algorithm>

#include "common/failure.h"
#include "common/int32.h"

namespace nencho {

namespace {

using PersonAmount = std::int32_t PersonConditionAmounts::*;
using SpouseAmount = std::int32_t SpouseConditionAmounts::*;

struct PersonChoice {
    std::int32_t elderly;
    std::int32_t disabledWidowOrStudent;
    std::int32_t speciallyDisabled;
    std::int32_t specialWidow;
};

// By PersonCondition.
constexpr std::array<PersonChoice, 4> kPersonChoices = {{
    {0, 270'000, 0, 0},
    {0, 0, 400'000, 0},
    {0, 0, 0, 350'000},
    {0, 0, 0, 0},
}};

// By SpouseCondition.
constexpr std::array<SpouseConditionAmounts, 4> kSpouseChoices = {{
    {270'000, 0, 0, 0},
    {0, 400'000, 0, 0},
    {0, 0, 750'000, 0},
    {0, 0, 0, 100'000},
}};

// How the person and the spouse count in each grid row.
struct RowRule {
    PersonAmount personAmount;  // the person's own amount of the row's condition, if any
    SpouseAmount spouseAmount;  // the spouse's own amount of the row's condition, if any
    bool spouseChoiceCounts;    // the spouse's choice counts in the row beside its own amount
};

constexpr std::array<RowRule, kConditionRowCount> kRowRules = {{
    {&PersonConditionAmounts::disabledWidowOrStudent, &SpouseConditionAmounts::disabledOrStudent,
     false},
    {&PersonConditionAmounts::speciallyDisabled, &SpouseConditionAmounts::speciallyDisabled, false},
    {nullptr, &SpouseConditionAmounts::cohabitingSpeciallyDisabled, false},
    {nullptr, &SpouseConditionAmounts::elderly, true},
    {nullptr, nullptr, false},
    {nullptr, nullptr, false},
}};

// C1 to C6: the grid row each counts and the amount per person counted (R10 to R15).
struct CountedCondition {
    ConditionRow row;
    std::int32_t amountEach;
};

constexpr std::array<CountedCondition, 6> kCountedConditions = {{
    {ConditionRow::DisabledOrStudent, 270'000},
    {ConditionRow::SpeciallyDisabled, 400'000},
    {ConditionRow::CohabitingSpeciallyDisabled, 750'000},
    {ConditionRow::SpecificDependant, 250'000},
    {ConditionRow::ElderlyDependant, 100'000},
    {ConditionRow::CohabitingElderlyParent, 200'000},
}};

constexpr std::int32_t kBasicDeductionEach = 380'000;

int personInRow(const DependantsInput& input, std::size_t row) {
    const PersonAmount own = kRowRules[row].personAmount;
    if (own == nullptr || !input.matrix.personMarked.at(row)) return 0;
    return input.person.*own > 0 ? 0 : 1;
}

int spouseInRow(const DependantsInput& input, std::size_t row) {
    const RowRule& rule = kRowRules[row];
    if (rule.spouseAmount == nullptr) return 0;
    const bool marked = input.matrix.spouseMarked.at(row) || input.matrix.spouseRestored.at(row);
    const bool chosen = input.spouse.*rule.spouseAmount > 0;
    return rule.spouseChoiceCounts ? (marked || chosen) : (marked && !chosen);
}

[[noreturn]] void failOutOfRange() {
    throw Failure(
        "人数または控除額が 2,147,483,647 を超えるため計算できません。\n"
        "入力した人数を確かめてください。");
}

std::int32_t inRange(std::optional<std::int32_t> value) {
    if (!value) failOutOfRange();
    return *value;
}

std::array<std::int32_t, kConditionRowCount> rowTotals(const DependantsInput& input) {
    std::array<std::int32_t, kConditionRowCount> totals{};
    for (std::size_t row = 0; row < kConditionRowCount; ++row) {
        totals[row] = inRange(fitSum(
            {personInRow(input, row), spouseInRow(input, row), input.matrix.dependantCounts[row]}));
    }
    return totals;
}

bool spouseHasCondition(const SpouseConditionAmounts& spouse) {
    return spouse.disabledOrStudent > 0 || spouse.speciallyDisabled > 0 ||
           spouse.cohabitingSpeciallyDisabled > 0 || spouse.elderly > 0;
}

// More persons with conditions than the person and the dependants counted.
bool countExceeded(const DependantsInput& input, const KindCounts& counts) {
    std::int64_t withConditions = spouseHasCondition(input.spouse) ? 1 : 0;
    for (std::size_t i = 0; i < kCountedConditions.size(); ++i) withConditions += counts.values[i];
    return withConditions > std::int64_t{input.dependantsInAll} + 1;
}

// Fills R1 to R9 from the conditions, R10 to R15 from C1 to C6, R16 from C7 and R17.
void fillAmounts(const DependantsInput& input, const KindCounts& counts,
                 DependantsDeductionAmounts& amounts) {
    const PersonConditionAmounts& p = input.person;
    const SpouseConditionAmounts& s = input.spouse;
    auto& r = amounts.values;
    r[0] = p.elderly;
    r[1] = p.disabledWidowOrStudent;
    r[2] = p.speciallyDisabled;
    r[3] = p.reserved;
    r[4] = p.specialWidow;
    r[5] = s.disabledOrStudent;
    r[6] = s.speciallyDisabled;
    r[7] = s.cohabitingSpeciallyDisabled;
    r[8] = s.elderly;
    for (std::size_t i = 0; i < kCountedConditions.size(); ++i) {
        r[9 + i] =
            inRange(fitInt32(std::int64_t{counts.values[i]} * kCountedConditions[i].amountEach));
    }
    r[15] = inRange(fitInt32((std::int64_t{counts.c(7)} + 1) * kBasicDeductionEach));
    r[16] = inRange(fitSum({r[0], r[1], r[2], r[4], r[5], r[6], r[7], r[8], r[9], r[10], r[11],
                            r[12], r[13], r[14], r[15]}));
}

// What remains after the count check has reset the grid, the number of dependants and the
// spouse's condition: the person's own amounts and the person's basic deduction.
DependantsDeduction rejectedDeduction(const DependantsInput& input) {
    DependantsInput reset;
    reset.person = input.person;
    DependantsDeduction result;
    result.countExceeded = true;
    fillAmounts(reset, result.counts, result.amounts);
    return result;
}

}  // namespace

void choosePersonCondition(PersonCondition condition, PersonConditionAmounts& amounts) {
    const PersonChoice& choice = kPersonChoices.at(static_cast<std::size_t>(condition));
    amounts.elderly = choice.elderly;
    amounts.disabledWidowOrStudent = choice.disabledWidowOrStudent;
    amounts.speciallyDisabled = choice.speciallyDisabled;
    amounts.specialWidow = choice.specialWidow;
}

SpouseConditionAmounts spouseConditionAmounts(SpouseCondition condition) {
    return kSpouseChoices.at(static_cast<std::size_t>(condition));
}

DependantsDeduction computeDependantsDeduction(const DependantsInput& input) {
    const auto totals = rowTotals(input);
    DependantsDeduction result;
    result.rowTotals = totals;
    for (std::size_t i = 0; i < kCountedConditions.size(); ++i) {
        result.counts.values[i] = totals[static_cast<std::size_t>(kCountedConditions[i].row)];
    }
    result.counts.values[6] = input.dependantsInAll;
    if (countExceeded(input, result.counts)) return rejectedDeduction(input);

    result.grandTotal =
        inRange(fitSum({totals[0], totals[1], totals[2], totals[3], totals[4], totals[5]}));
    fillAmounts(input, result.counts, result.amounts);
    result.dependantCounts = input.matrix.dependantCounts;
    return result;
}

}  // namespace nencho
