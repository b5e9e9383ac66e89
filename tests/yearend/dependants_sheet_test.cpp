#include "yearend/dependants_sheet.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace nencho {
namespace {

constexpr std::size_t row(ConditionRow r) {
    return static_cast<std::size_t>(r);
}

DependantTable someTable() {
    DependantTable table;
    table.spouse = {"山田　花子", "妻", "昭和10年5月1日", "", "", "", ""};
    table.dependants[0] = {"山田　一郎", "長男", "", "特定", "", "", "0", ""};
    table.spouseAnnualIncome = 850'000;
    return table;
}

DependantsRecord storedRecord(const DependantsInput& input) {
    return computedRecord(computeDependantsDeduction(input), someTable());
}

// The sheet as a load leaves it, with the count box showing the stored number.
DependantsInput loadedInput(const RestoredConditions& restored, const DependantsRecord& record) {
    return {restored.person, restored.spouse, restored.matrix, record.dependantsInAll};
}

// R17 is the sum of the amounts stored before it, R4 left out.
std::int64_t sumOfParts(const DependantsRecord& r) {
    return std::int64_t{r.personElderly} + r.personDisabledWidowOrStudent +
           r.personSpeciallyDisabled + r.personSpecialWidow + r.spouseDisabledOrStudent +
           r.spouseSpeciallyDisabled + r.spouseCohabitingSpeciallyDisabled + r.spouseElderly +
           r.disabledAmount + r.speciallyDisabledAmount + r.cohabitingSpeciallyDisabledAmount +
           r.specificDependantAddition + r.elderlyDependantAddition +
           r.cohabitingElderlyParentAddition + r.basicAndDependantsDeduction;
}

DependantsRecord reloaded(const DependantsRecord& record, std::array<bool, 2> shownMarks) {
    return storedRecord(loadedInput(restoredConditions(record, shownMarks), record));
}

TEST(DependantsSheet, TheRecordHoldsTheComputationAndTheTable) {
    DependantsInput input;
    input.dependantsInAll = 2;
    input.matrix.dependantCounts[row(ConditionRow::SpecificDependant)] = 1;
    input.matrix.dependantCounts[row(ConditionRow::ElderlyDependant)] = 1;
    const DependantsRecord record = storedRecord(input);
    EXPECT_EQ(record.specificDependantCount, 1);
    EXPECT_EQ(record.elderlyDependantCount, 1);
    EXPECT_EQ(record.specificDependantAddition, 250'000);
    EXPECT_EQ(record.elderlyDependantAddition, 100'000);
    EXPECT_EQ(record.basicAndDependantsDeduction, 1'140'000);
    EXPECT_EQ(record.totalDeduction, 1'490'000);
    EXPECT_EQ(record.dependantsInAll, 2);
    EXPECT_EQ(record.spouseConditionFlag, 0);
    EXPECT_EQ(record.typedCounts, (TypedConditionCounts{0, 0, 0, 1, 1, 0}));
    EXPECT_EQ(record.spouse.name, "山田　花子");
    EXPECT_EQ(record.dependants[0].marker, "特定");
    EXPECT_EQ(record.spouseAnnualIncome, 850'000);  // the typed income is kept
    EXPECT_EQ(record.reservedNumber, 0);
}

// Every combination of conditions the sheet can be given, stored, loaded and computed again:
// the load's computation rewrites the same record, and a second load changes nothing either.
TEST(DependantsSheet, LoadingAndComputingReproducesEveryStoredRecord) {
    const std::optional<PersonCondition> personChoices[] = {
        std::nullopt, PersonCondition::DisabledWidowOrStudent, PersonCondition::SpeciallyDisabled,
        PersonCondition::SpecialWidow, PersonCondition::Elderly};
    const std::optional<SpouseCondition> spouseChoices[] = {
        std::nullopt, SpouseCondition::DisabledOrStudent, SpouseCondition::SpeciallyDisabled,
        SpouseCondition::CohabitingSpeciallyDisabled, SpouseCondition::Elderly};
    const std::array<std::int32_t, kConditionRowCount> typedPatterns[] = {
        {0, 0, 0, 0, 0, 0}, {1, 0, 0, 1, 1, 0}, {0, 2, 1, 0, 0, 1}};
    const std::int32_t counts[] = {-1, 0, 1, 3, 12};
    const std::array<bool, 2> shownMarks[] = {{false, false}, {true, false}, {false, true}};
    int cases = 0;
    for (const auto& personChoice : personChoices)
        for (const auto& spouseChoice : spouseChoices)
            for (int personMark = -1; personMark < 2; ++personMark)
                for (int spouseMark = -1; spouseMark < 4; ++spouseMark)
                    for (const auto& typed : typedPatterns)
                        for (std::int32_t count : counts)
                            for (const auto& shown : shownMarks) {
                                DependantsInput input;
                                if (personChoice)
                                    choosePersonCondition(*personChoice, input.person);
                                if (spouseChoice)
                                    input.spouse = spouseConditionAmounts(*spouseChoice);
                                if (personMark >= 0) input.matrix.personMarked[personMark] = true;
                                if (spouseMark >= 0) input.matrix.spouseMarked[spouseMark] = true;
                                input.matrix.dependantCounts = typed;
                                input.dependantsInAll = count;
                                const DependantsRecord stored = storedRecord(input);
                                ASSERT_EQ(stored.totalDeduction, sumOfParts(stored));
                                const DependantsRecord once = reloaded(stored, shown);
                                ASSERT_EQ(once, stored) << "case " << cases;
                                ASSERT_EQ(reloaded(once, shown), stored) << "case " << cases;
                                ++cases;
                            }
    EXPECT_EQ(cases, 5 * 5 * 3 * 5 * 3 * 5 * 3);
}

// Where a load used to count a condition again, the stored value stays.
TEST(DependantsSheet, EdgeCasesThatOnceDriftedKeepTheirStoredValues) {
    struct Case {
        const char* what;
        DependantsInput entered;
        std::array<bool, 2> shownMarks;  // what the person record marks at the load
        std::int32_t total;              // R17
        std::int32_t disabledCount;      // C1
        std::int32_t elderlyCount;       // C5
    };
    std::vector<Case> cases;
    {
        // Registered 障害者: the load marks the person in row 1 and 表示 chooses 障害者.
        Case c{"disabled person", {}, {true, false}, 650'000, 0, 0};
        choosePersonCondition(PersonCondition::DisabledWidowOrStudent, c.entered.person);
        cases.push_back(c);
    }
    {
        // The spouse marked 老人 with its marker: R9 and the row-4 mark, restored as both.
        Case c{"elderly spouse", {}, {false, false}, 960'000, 0, 1};
        c.entered.dependantsInAll = 1;
        c.entered.spouse = spouseConditionAmounts(SpouseCondition::Elderly);
        c.entered.matrix.spouseMarked[row(ConditionRow::ElderlyDependant)] = true;
        cases.push_back(c);
    }
    {
        // 条件変更 after the marker: disabled by choice, the 老人 row mark stays and counts.
        Case c{"elderly spouse then disabled", {}, {false, false}, 1'130'000, 0, 1};
        c.entered.dependantsInAll = 1;
        c.entered.spouse = spouseConditionAmounts(SpouseCondition::DisabledOrStudent);
        c.entered.matrix.spouseMarked[row(ConditionRow::ElderlyDependant)] = true;
        cases.push_back(c);
    }
    {
        Case c{"spouse marked in the grid only", {}, {false, false}, 1'510'000, 0, 0};
        c.entered.dependantsInAll = 1;
        c.entered.matrix.spouseMarked[row(ConditionRow::CohabitingSpeciallyDisabled)] = true;
        cases.push_back(c);
    }
    {
        // Stored before the person's condition reached the sheet: the person record's mark
        // does not start counting at the load.
        Case c{"disabled person stored without the choice", {}, {true, false}, 380'000, 0, 0};
        cases.push_back(c);
    }
    {
        Case c{"person marked by hand", {}, {false, false}, 650'000, 1, 0};
        c.entered.matrix.personMarked[row(ConditionRow::DisabledOrStudent)] = true;
        cases.push_back(c);
    }
    {
        // The count check failed: the marks stayed on the sheet but the record holds none.
        Case c{"failed count check", {}, {false, true}, 730'000, 0, 0};
        choosePersonCondition(PersonCondition::SpecialWidow, c.entered.person);
        c.entered.spouse = spouseConditionAmounts(SpouseCondition::DisabledOrStudent);
        c.entered.matrix.personMarked[row(ConditionRow::SpeciallyDisabled)] = true;
        c.entered.matrix.dependantCounts[row(ConditionRow::DisabledOrStudent)] = 2;
        cases.push_back(c);
    }
    for (const Case& c : cases) {
        const DependantsRecord stored = storedRecord(c.entered);
        EXPECT_EQ(stored.totalDeduction, c.total) << c.what;
        EXPECT_EQ(stored.disabledCount, c.disabledCount) << c.what;
        EXPECT_EQ(stored.elderlyDependantCount, c.elderlyCount) << c.what;
        EXPECT_EQ(reloaded(stored, c.shownMarks), stored) << c.what;
    }
}

TEST(DependantsSheet, TheLoadShowsTheStoredChoicesAndTheirMarks) {
    DependantsInput entered;
    entered.dependantsInAll = 1;
    entered.spouse = spouseConditionAmounts(SpouseCondition::Elderly);
    entered.matrix.spouseMarked[row(ConditionRow::ElderlyDependant)] = true;
    choosePersonCondition(PersonCondition::SpecialWidow, entered.person);
    const RestoredConditions restored = restoredConditions(storedRecord(entered), {false, false});
    EXPECT_EQ(restored.personChoice, PersonCondition::SpecialWidow);
    EXPECT_EQ(restored.spouseChoice, SpouseCondition::Elderly);
    EXPECT_EQ(restored.matrix.spouseRestored, (std::array<bool, 4>{false, false, false, true}));
    EXPECT_EQ(restored.matrix.spouseMarked, (std::array<bool, 4>{false, false, false, true}));
    EXPECT_EQ(restored.person.specialWidow, 350'000);
    EXPECT_EQ(restored.spouse.elderly, 100'000);

    DependantsInput disabledSpouse;
    disabledSpouse.dependantsInAll = 1;
    disabledSpouse.spouse = spouseConditionAmounts(SpouseCondition::DisabledOrStudent);
    const RestoredConditions spouse =
        restoredConditions(storedRecord(disabledSpouse), {false, false});
    EXPECT_EQ(spouse.spouseChoice, SpouseCondition::DisabledOrStudent);
    EXPECT_EQ(spouse.matrix.spouseRestored, (std::array<bool, 4>{true, false, false, false}));
    EXPECT_EQ(spouse.matrix.spouseMarked, (std::array<bool, 4>{true, false, false, false}));
}

TEST(DependantsSheet, AnImportedElderlyAmountMakesElderlyTheChoiceAndClearsThePersonsAmounts) {
    DependantsRecord older;
    older.personElderly = 500'000;
    older.personDisabledWidowOrStudent = 270'000;
    older.reservedAmount = 9;
    const RestoredConditions imported = importedConditions(older, {false, false});
    EXPECT_EQ(imported.personChoice, PersonCondition::Elderly);
    EXPECT_EQ(imported.person, (PersonConditionAmounts{0, 0, 0, 9, 0}));

    const RestoredConditions loaded = restoredConditions(older, {false, false});
    EXPECT_EQ(loaded.personChoice, PersonCondition::DisabledWidowOrStudent);
    EXPECT_EQ(loaded.person, (PersonConditionAmounts{500'000, 270'000, 0, 9, 0}));
}

TEST(DependantsSheet, OwnConditionAsTheLoadAndAsDisplayShowIt) {
    struct Case {
        PersonStatus status;
        std::optional<std::string> loadWord;
        std::array<bool, 2> loadMarks;
        std::string displayWord;
        std::array<bool, 2> displayMarks;
        PersonCondition choice;
    };
    const Case cases[] = {
        {PersonStatus::SpecialDisabled,
         "特別障害者",
         {false, true},
         "特別障害者",
         {false, true},
         PersonCondition::SpeciallyDisabled},
        {PersonStatus::Disabled,
         "障害者",
         {true, false},
         "障害者",
         {true, false},
         PersonCondition::DisabledWidowOrStudent},
        {PersonStatus::Elderly,
         std::nullopt,
         {},
         "老年者",
         {false, false},
         PersonCondition::Elderly},
        {PersonStatus::Widow,
         "寡婦",
         {false, false},
         "寡  婦",
         {false, false},
         PersonCondition::DisabledWidowOrStudent},
        {PersonStatus::SpecialWidow,
         "特別寡婦",
         {false, false},
         "特別寡婦",
         {false, false},
         PersonCondition::SpecialWidow},
        {PersonStatus::Widower,
         "寡夫",
         {false, false},
         "寡  夫",
         {false, false},
         PersonCondition::DisabledWidowOrStudent},
        {PersonStatus::WorkingStudent,
         "勤労学生",
         {true, false},
         "勤労学生",
         {true, false},
         PersonCondition::DisabledWidowOrStudent},
    };
    for (const Case& c : cases) {
        PersonEntry person;
        person.setOwnCondition(c.status);
        const auto loaded = loadedOwnCondition(person);
        EXPECT_EQ(loaded.has_value(), c.loadWord.has_value()) << c.displayWord;
        if (loaded && c.loadWord) {
            EXPECT_EQ(loaded->word, *c.loadWord);
            EXPECT_EQ(loaded->marks, c.loadMarks) << c.displayWord;
        }
        const auto displayed = displayedOwnCondition(person);
        ASSERT_TRUE(displayed.has_value()) << c.displayWord;
        EXPECT_EQ(displayed->word, c.displayWord);
        EXPECT_EQ(displayed->marks, c.displayMarks) << c.displayWord;
        EXPECT_EQ(displayed->choice, c.choice) << c.displayWord;
    }
    EXPECT_FALSE(loadedOwnCondition(PersonEntry{}).has_value());
    EXPECT_FALSE(displayedOwnCondition(PersonEntry{}).has_value());
}

TEST(DependantsSheet, PressCounters) {
    const std::pair<const char*, std::int32_t> markCounts[] = {
        {"", 1},          {"abc", 1},   {"1", 2},     {"2", 3},
        {"32765", 32766}, {"32766", 1}, {"99999", 2}, {"-4", 1}};
    for (const auto& [text, next] : markCounts) EXPECT_EQ(nextMarkCount(text), next) << text;
    const std::pair<const char*, std::int32_t> sharedCounts[] = {
        {"", 1}, {"x", 1}, {"1", 2}, {"32766", 32767}, {"32767", 1}, {"-3", 1}};
    for (const auto& [text, next] : sharedCounts) EXPECT_EQ(nextSharedCount(text), next) << text;

    const std::vector<std::string> captions{"老人", "特定", "", "老人"};
    for (std::int32_t n = 1; n <= 4; ++n) EXPECT_EQ(markerCaption(n), captions[n - 1]) << n;

    const std::pair<std::int32_t, SpouseCycleStep> cycle[] = {
        {1, {SpouseCondition::DisabledOrStudent, "障害者"}},
        {2, {SpouseCondition::DisabledOrStudent, "勤労学生"}},
        {3, {SpouseCondition::SpeciallyDisabled, "特別障害者"}},
        {4, {SpouseCondition::CohabitingSpeciallyDisabled, "同居特別障害者"}},
        {5, {std::nullopt, ""}},
        {6, {SpouseCondition::DisabledOrStudent, "障害者"}},
        {10, {std::nullopt, ""}},
    };
    for (const auto& [count, step] : cycle) {
        EXPECT_EQ(spouseCycleStep(count).condition, step.condition) << count;
        EXPECT_EQ(spouseCycleStep(count).caption, step.caption) << count;
    }
}

TEST(DependantsSheet, PreviousYearCode) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"H17", "H16"},     {"H13", "H12"},        {"H10", "H09"},        {"H1", std::nullopt},
        {"", std::nullopt}, {"S60", std::nullopt}, {"H1,7", std::nullopt}};
    for (const auto& [code, previous] : cases)
        EXPECT_EQ(previousTaxYearCode(code), previous) << code;
}

}  // namespace
}  // namespace nencho
