#pragma once
// The basic, dependants and personal deductions of one person's year, from the person's and the
// spouse's conditions, the grid of conditions and the number of dependants.
#include <array>
#include <cstdint>

namespace nencho {

// The rows of the grid of conditions, top to bottom.
enum class ConditionRow {
    DisabledOrStudent,            // 障害者/勤労学生
    SpeciallyDisabled,            // 特別障害者
    CohabitingSpeciallyDisabled,  // 同居特別障害者
    ElderlyDependant,             // 老人扶養
    SpecificDependant,            // 特定扶養家族
    CohabitingElderlyParent,      // 同居老親等
};
inline constexpr std::size_t kConditionRowCount = 6;

// The grid: the person takes a mark in rows 1 and 2, the spouse in rows 1 to 4 (a mark, or a
// restore flag that loading the sheet sets), and the dependants' numbers are typed in every row.
struct ConditionMatrix {
    std::array<bool, 2> personMarked{};
    std::array<bool, 4> spouseMarked{};
    std::array<bool, 4> spouseRestored{};
    std::array<std::int32_t, kConditionRowCount> dependantCounts{};
};

enum class PersonCondition { DisabledWidowOrStudent, SpeciallyDisabled, SpecialWidow, Elderly };
enum class SpouseCondition {
    DisabledOrStudent,
    SpeciallyDisabled,
    CohabitingSpeciallyDisabled,
    Elderly,
};

// R1 to R5: the amounts of the person's own condition.
struct PersonConditionAmounts {
    std::int32_t elderly = 0;                 // R1: only a record of an earlier year brings one
    std::int32_t disabledWidowOrStudent = 0;  // R2
    std::int32_t speciallyDisabled = 0;       // R3
    std::int32_t reserved = 0;                // R4: kept as loaded, never added
    std::int32_t specialWidow = 0;            // R5

    bool operator==(const PersonConditionAmounts&) const = default;
};

// R6 to R9: the amounts of the spouse's condition; all 0 when no condition is chosen.
struct SpouseConditionAmounts {
    std::int32_t disabledOrStudent = 0;            // R6
    std::int32_t speciallyDisabled = 0;            // R7
    std::int32_t cohabitingSpeciallyDisabled = 0;  // R8
    std::int32_t elderly = 0;                      // R9

    bool operator==(const SpouseConditionAmounts&) const = default;
};

// Choosing the person's condition sets R1, R2, R3 and R5; R4 keeps its value.
void choosePersonCondition(PersonCondition condition, PersonConditionAmounts& amounts);

SpouseConditionAmounts spouseConditionAmounts(SpouseCondition condition);

struct DependantsInput {
    PersonConditionAmounts person;
    SpouseConditionAmounts spouse;
    ConditionMatrix matrix;
    std::int32_t dependantsInAll = 0;  // the spouse included when counted
};

// C1 to C8, stored in this order.
struct KindCounts {
    std::array<std::int32_t, 8> values{};
    std::int32_t c(int number) const { return values.at(number - 1); }

    bool operator==(const KindCounts&) const = default;
};

// R1 to R17, stored in this order; R17 is the deduction the adjustment takes.
struct DependantsDeductionAmounts {
    std::array<std::int32_t, 17> values{};
    std::int32_t r(int number) const { return values.at(number - 1); }

    bool operator==(const DependantsDeductionAmounts&) const = default;
};

struct DependantsDeduction {
    std::array<std::int32_t, kConditionRowCount> rowTotals{};
    std::int32_t grandTotal = 0;
    KindCounts counts;
    DependantsDeductionAmounts amounts;
    // The typed numbers the record keeps; emptied when the count check fails.
    std::array<std::int32_t, kConditionRowCount> dependantCounts{};
    // More persons with conditions than the person and the dependants counted: the grid, the
    // number of dependants and the spouse's condition are reset, and only the person's own
    // deductions and the basic deduction remain.
    bool countExceeded = false;
};

// The deduction is a function of the conditions alone, so that reloading a stored record, which
// restores a condition both as a choice and as a grid mark, gives the same amounts again: the
// person and the spouse each count at most once in a grid row, and a grid mark adds nothing
// where the own condition's amount (R2, R3, R6 to R8) already deducts that condition. The
// spouse's 老人 counts both as R9 and in the 老人扶養 row, which its marker always marks.
// Throws a Failure when a count or an amount leaves the signed 32-bit range.
DependantsDeduction computeDependantsDeduction(const DependantsInput& input);

}  // namespace nencho
