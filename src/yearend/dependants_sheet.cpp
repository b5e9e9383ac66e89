#include "yearend/dependants_sheet.h"

#include "common/amount.h"

namespace nencho {

namespace {

constexpr std::int32_t kLastMarkCount = 32'766;
constexpr std::int32_t kLastSharedCount = 32'767;

// Only a sizeable stored amount counts as a chosen condition.
constexpr std::int32_t kChosenAbove = 10;

constexpr std::size_t index(ConditionRow row) {
    return static_cast<std::size_t>(row);
}

std::int32_t counted(std::string_view counterText) {
    return readAmountOrZero(counterText);
}

std::optional<PersonCondition> storedPersonChoice(const PersonConditionAmounts& person) {
    std::optional<PersonCondition> choice;
    if (person.disabledWidowOrStudent > kChosenAbove)
        choice = PersonCondition::DisabledWidowOrStudent;
    if (person.speciallyDisabled > kChosenAbove) choice = PersonCondition::SpeciallyDisabled;
    if (person.specialWidow > kChosenAbove) choice = PersonCondition::SpecialWidow;
    return choice;
}

std::optional<SpouseCondition> storedSpouseChoice(const SpouseConditionAmounts& spouse) {
    std::optional<SpouseCondition> choice;
    if (spouse.disabledOrStudent > kChosenAbove) choice = SpouseCondition::DisabledOrStudent;
    if (spouse.speciallyDisabled > kChosenAbove) choice = SpouseCondition::SpeciallyDisabled;
    if (spouse.cohabitingSpeciallyDisabled > kChosenAbove)
        choice = SpouseCondition::CohabitingSpeciallyDisabled;
    if (spouse.elderly > kChosenAbove) choice = SpouseCondition::Elderly;
    return choice;
}

// The spouse's own amount of the condition of grid rows 1 to 4.
std::int32_t spouseOwnAmount(const SpouseConditionAmounts& spouse, std::size_t row) {
    const std::int32_t amounts[] = {spouse.disabledOrStudent, spouse.speciallyDisabled,
                                    spouse.cohabitingSpeciallyDisabled, spouse.elderly};
    return amounts[row];
}

// Hands the persons a stored row total counted beside the typed number back to the marks that
// count them, in the order the computation counts them.
void restoreRowMarks(RestoredConditions& restored, const DependantsRecord& record,
                     std::array<bool, 2> shownPersonMarks) {
    const auto totals = rowTotals(record);
    ConditionMatrix& matrix = restored.matrix;
    const std::int32_t personOwn[] = {restored.person.disabledWidowOrStudent,
                                      restored.person.speciallyDisabled};
    for (std::size_t row = 0; row < 4; ++row) {
        std::int64_t marked = std::int64_t{totals[row]} - matrix.dependantCounts[row];
        const bool personRow = row < 2;
        const bool personCanCount = personRow && personOwn[row] == 0;
        auto takePerson = [&] {
            matrix.personMarked[row] = true;
            --marked;
        };
        if (personCanCount && shownPersonMarks[row] && marked > 0) takePerson();
        const bool spouseAlwaysCounts =
            row == index(ConditionRow::ElderlyDependant) && restored.spouse.elderly > 0;
        if (spouseAlwaysCounts) {
            matrix.spouseMarked[row] = true;
            --marked;
        } else if (spouseOwnAmount(restored.spouse, row) == 0 && marked > 0) {
            matrix.spouseMarked[row] = true;
            --marked;
        }
        if (personCanCount && !shownPersonMarks[row] && marked > 0) takePerson();
        // A mark the person record shows where the own amount deducts it counts nothing.
        if (personRow && !personCanCount && shownPersonMarks[row]) matrix.personMarked[row] = true;
    }
}

RestoredConditions restored(const DependantsRecord& record, std::array<bool, 2> shownPersonMarks,
                            bool importing) {
    RestoredConditions result;
    result.person = {record.personElderly, record.personDisabledWidowOrStudent,
                     record.personSpeciallyDisabled, record.reservedAmount,
                     record.personSpecialWidow};
    result.spouse = {record.spouseDisabledOrStudent, record.spouseSpeciallyDisabled,
                     record.spouseCohabitingSpeciallyDisabled, record.spouseElderly};
    result.matrix.dependantCounts = typedCounts(record);
    // The marks are restored against the amounts the record was computed with.
    restoreRowMarks(result, record, shownPersonMarks);
    if (importing && result.person.elderly > kChosenAbove) {
        choosePersonCondition(PersonCondition::Elderly, result.person);
        result.personChoice = PersonCondition::Elderly;
    } else {
        result.personChoice = storedPersonChoice(result.person);
    }
    result.spouseChoice = storedSpouseChoice(result.spouse);
    if (result.spouseChoice) {
        const std::size_t row = static_cast<std::size_t>(*result.spouseChoice);
        result.matrix.spouseRestored[row] = true;
        result.matrix.spouseMarked[row] = true;
    }
    return result;
}

}  // namespace

DependantsRecord computedRecord(const DependantsDeduction& result, const DependantTable& table) {
    DependantsRecord record;
    // R1 to R17 and C1 to C7 in the record's order; C8 is stored as 0.
    const auto& r = result.amounts.values;
    const auto& c = result.counts.values;
    for (std::size_t i = 0; i < r.size(); ++i) record.*kDependantsLeadingNumbers[i] = r[i];
    for (std::size_t i = 0; i + 1 < c.size(); ++i)
        record.*kDependantsLeadingNumbers[r.size() + i] = c[i];
    record.spouseConditionFlag = 0;
    record.spouse = table.spouse;
    record.dependants = table.dependants;
    record.spouseAnnualIncome = table.spouseAnnualIncome;
    const auto& typed = result.dependantCounts;
    record.typedCounts = {typed[0], typed[1], typed[2], typed[3], typed[4], typed[5]};
    return record;
}

std::array<std::int32_t, kConditionRowCount> typedCounts(const DependantsRecord& record) {
    const TypedConditionCounts& t = record.typedCounts;
    return {t.disabledOrStudent, t.speciallyDisabled, t.cohabitingSpeciallyDisabled,
            t.elderlyDependant,  t.specificDependant, t.cohabitingElderlyParent};
}

std::array<std::int32_t, kConditionRowCount> rowTotals(const DependantsRecord& record) {
    return {record.disabledCount,
            record.speciallyDisabledCount,
            record.cohabitingSpeciallyDisabledCount,
            record.elderlyDependantCount,
            record.specificDependantCount,
            record.cohabitingElderlyParentCount};
}

RestoredConditions restoredConditions(const DependantsRecord& record,
                                      std::array<bool, 2> shownPersonMarks) {
    return restored(record, shownPersonMarks, false);
}

RestoredConditions importedConditions(const DependantsRecord& record,
                                      std::array<bool, 2> shownPersonMarks) {
    return restored(record, shownPersonMarks, true);
}

std::optional<OwnConditionDisplay> loadedOwnCondition(const PersonEntry& person) {
    struct Shown {
        PersonStatus status;
        std::optional<std::array<bool, 2>> marks;  // none leaves the marks as they are
    };
    // The load's order: the disabilities mark the grid, the widowhoods only name the word.
    const Shown order[] = {
        {PersonStatus::Disabled, std::array<bool, 2>{true, false}},
        {PersonStatus::WorkingStudent, std::array<bool, 2>{true, false}},
        {PersonStatus::SpecialDisabled, std::array<bool, 2>{false, true}},
        {PersonStatus::Widow, std::nullopt},
        {PersonStatus::SpecialWidow, std::nullopt},
        {PersonStatus::Widower, std::nullopt},
    };
    std::optional<OwnConditionDisplay> display;
    for (const Shown& shown : order) {
        if (!person.holds(shown.status)) continue;
        if (!display) display.emplace();
        display->word = std::string(statusWord(shown.status));
        if (shown.marks) display->marks = *shown.marks;
    }
    return display;
}

std::optional<OwnConditionDisplay> displayedOwnCondition(const PersonEntry& person) {
    struct Shown {
        PersonStatus status;
        const char* word;
        std::array<bool, 2> marks;
        PersonCondition choice;
    };
    const Shown order[] = {
        {PersonStatus::SpecialDisabled,
         "特別障害者",
         {false, true},
         PersonCondition::SpeciallyDisabled},
        {PersonStatus::Disabled, "障害者", {true, false}, PersonCondition::DisabledWidowOrStudent},
        {PersonStatus::Elderly, "老年者", {false, false}, PersonCondition::Elderly},
        {PersonStatus::Widow, "寡  婦", {false, false}, PersonCondition::DisabledWidowOrStudent},
        {PersonStatus::SpecialWidow, "特別寡婦", {false, false}, PersonCondition::SpecialWidow},
        {PersonStatus::Widower, "寡  夫", {false, false}, PersonCondition::DisabledWidowOrStudent},
        {PersonStatus::WorkingStudent,
         "勤労学生",
         {true, false},
         PersonCondition::DisabledWidowOrStudent},
    };
    std::optional<OwnConditionDisplay> display;
    for (const Shown& shown : order) {
        if (!person.holds(shown.status)) continue;
        display = OwnConditionDisplay{shown.word, shown.marks, shown.choice};
    }
    return display;
}

std::int32_t nextMarkCount(std::string_view counterText) {
    const std::int32_t count = counted(counterText);
    if (count < 0 || count >= kLastMarkCount) return count % 2 != 0 ? 2 : 1;
    return count + 1;
}

std::int32_t nextSharedCount(std::string_view counterText) {
    const std::int32_t count = counted(counterText);
    if (count < 0 || count >= kLastSharedCount) return 1;
    return count + 1;
}

std::string markerCaption(std::int32_t sharedCount) {
    switch (sharedCount % 3) {
        case 1:
            return "老人";
        case 2:
            return "特定";
        default:
            return {};
    }
}

SpouseCycleStep spouseCycleStep(std::int32_t sharedCount) {
    const std::int32_t k = sharedCount <= 4 ? sharedCount : sharedCount % 5;
    switch (k) {
        case 1:
            return {SpouseCondition::DisabledOrStudent, "障害者"};
        case 2:
            return {SpouseCondition::DisabledOrStudent, "勤労学生"};
        case 3:
            return {SpouseCondition::SpeciallyDisabled, "特別障害者"};
        case 4:
            return {SpouseCondition::CohabitingSpeciallyDisabled, "同居特別障害者"};
        default:
            return {std::nullopt, {}};
    }
}

std::optional<std::string> previousTaxYearCode(const std::string& taxYearCode) {
    if (taxYearCode.size() < 2 || taxYearCode.size() > 4 || taxYearCode[0] != 'H' ||
        taxYearCode.find_first_not_of("0123456789", 1) != std::string::npos)
        return std::nullopt;
    const auto year = parseAmount(std::string_view(taxYearCode).substr(1));
    if (!year || *year < 2) return std::nullopt;
    const std::int32_t previous = *year - 1;
    std::string code = "H";
    if (previous < 10) code += '0';
    code += std::to_string(previous);
    return code;
}

}  // namespace nencho
