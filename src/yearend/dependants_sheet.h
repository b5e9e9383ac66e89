#pragma once
// The dependants sheet's rules besides the deduction itself: the record a computation stores,
// the conditions a load restores from a record, the person's own condition as the sheet shows
// it, and the press counters behind the sheet's mark buttons.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "records/person_file.h"
#include "yearend/dependants_deduction.h"
#include "yearend/dependants_file.h"

namespace nencho {

// The typed table: the spouse and the five dependants, and the spouse's annual income.
struct DependantTable {
    SpouseRow spouse;
    std::array<DependantRow, kDependantRows> dependants;
    std::int32_t spouseAnnualIncome = 0;
};

// The record of one computation of the sheet.
DependantsRecord computedRecord(const DependantsDeduction& result, const DependantTable& table);

// The typed counts of a record as the grid's dependants column, rows 1 to 6.
std::array<std::int32_t, kConditionRowCount> typedCounts(const DependantsRecord& record);
// The record's row totals in grid order (C1, C2, C3, C5, C4, C6).
std::array<std::int32_t, kConditionRowCount> rowTotals(const DependantsRecord& record);

// The conditions a load puts on the sheet. The record keeps the amounts and the row totals but
// not the grid's marks, so the marks are restored to what the stored row totals counted: the
// computation that ends the load then reproduces the stored record. The person's marks that
// the person record shows (shownPersonMarks, rows 1 and 2) take the person's share of a row
// first; a mark shown where the person's own amount deducts the condition counts nothing.
struct RestoredConditions {
    PersonConditionAmounts person;  // R1 to R5 as stored
    SpouseConditionAmounts spouse;  // R6 to R9 as stored
    std::optional<PersonCondition> personChoice;
    std::optional<SpouseCondition> spouseChoice;
    ConditionMatrix matrix;  // marks (shown and counted), restore flags and typed counts
};
RestoredConditions restoredConditions(const DependantsRecord& record,
                                      std::array<bool, 2> shownPersonMarks);

// A record of the year before taken onto the sheet: as a load, except that a stored 老年者
// amount makes 老年者 the person's choice, which sets all the person's amounts to 0.
RestoredConditions importedConditions(const DependantsRecord& record,
                                      std::array<bool, 2> shownPersonMarks);

// The person's own condition as the sheet shows it: the word in the 本人の条件 box and the
// person's marks of grid rows 1 and 2.
struct OwnConditionDisplay {
    std::string word;
    std::array<bool, 2> marks{};
    std::optional<PersonCondition> choice;  // the option 表示 switches on
};
// What the load shows from the person record (the choice is left to the stored amounts);
// none when the record holds no condition the load shows.
std::optional<OwnConditionDisplay> loadedOwnCondition(const PersonEntry& person);
// What 表示 shows; none when the person has no own condition.
std::optional<OwnConditionDisplay> displayedOwnCondition(const PersonEntry& person);

// Press counters kept as text in hidden boxes; a text that is not a whole number counts 0.
// A grid mark's counter: odd marks, even unmarks. It wraps from 32,766 to 1, so each press
// still flips the mark.
std::int32_t nextMarkCount(std::string_view counterText);
inline bool marksOn(std::int32_t count) {
    return count % 2 != 0;
}
// The counter shared by the 老・特 markers and 条件変更: after 32,767 it starts again at 1.
std::int32_t nextSharedCount(std::string_view counterText);
// A dependant's 老・特 marker at a shared count: "老人", "特定" or empty.
std::string markerCaption(std::int32_t sharedCount);
// 条件変更 at a shared count: the spouse's condition and its caption; none resets the spouse.
struct SpouseCycleStep {
    std::optional<SpouseCondition> condition;
    std::string caption;
};
SpouseCycleStep spouseCycleStep(std::int32_t sharedCount);

// The previous year's code ("H17" gives "H16"); none for a code without a year after 1.
std::optional<std::string> previousTaxYearCode(const std::string& taxYearCode);

}  // namespace nencho
