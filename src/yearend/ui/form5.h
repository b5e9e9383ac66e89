#pragma once
// The dependants sheet: the spouse and dependants of one person with their conditions, the
// person's own condition, and the basic, spouse and dependants deductions computed from them
// and stored in the person's dependants record. The actions live in form5_*.cpp by subject.
#include <optional>

#include "platform/ui/work_screen.h"
#include "yearend/dependants_deduction.h"
#include "yearend/dependants_sheet.h"
#include "yearend/ui/form5_sheet.h"

namespace nencho {

struct PersonEntry;

class Form5 : public WorkScreen {
    Q_OBJECT

  public:
    Form5();

  private:
    // Layout (form5_layout.cpp).
    void buildTable();
    void buildFrames();
    void buildGrid();
    void buildGridRow(int index, int top);
    void buildRightColumn();
    void buildHiddenControls();

    // Options and marks (form5_marks.cpp).
    void connectOptions();
    void connectMarks();
    void switchOn(PersonCondition condition);
    void switchOn(SpouseCondition condition);
    void showOptionOn(const char* option);
    void personOptionChosen(PersonCondition condition);
    void showPersonOptionCaptions(std::optional<PersonCondition> condition);
    void spouseOptionChosen(SpouseCondition condition);
    void pressGridMark(const form5::GridMark& pressed, const form5::GridMark* group,
                       std::size_t groupSize);
    void pressDependantMarker(const form5::TableRow& row);
    void pressSpouseMarker();
    void cycleSpouseCondition();

    // Resets and clears (form5_clear.cpp).
    void connectResets();
    void resetSpouse();
    void resetTotals();
    void emptyTotals();
    void showTotalCaption(const QString& caption, Qt::Alignment alignment);
    void emptyTable();
    void emptySpouseRow();
    void countUp();
    void clearSheet();

    // The computation and the record (form5_compute.cpp).
    void compute();
    DependantsInput inputFromSheet() const;
    DependantTable tableFromSheet() const;
    void showComputation(const DependantsDeduction& result);
    void resetAfterCountCheck();
    void store(const DependantsRecord& record);
    // Both codes as whole numbers of the 16-bit range, and the person's key from them.
    std::optional<std::int32_t> personKeyFromBoxes() const;
    void showTotal(std::int32_t total);

    // Loading (form5_load.cpp).
    void load();
    void importPreviousYear();
    void showOwnConditions();
    std::optional<PersonEntry> readPerson(std::int32_t key);
    void showLoadedOwnCondition(const PersonEntry& person);
    void showRecord(const DependantsRecord& record, const RestoredConditions& restored);
    void showRestoredChoices(const DependantsRecord& record, const RestoredConditions& restored);
    void showRestoredMarks(const RestoredConditions& restored);

    PersonConditionAmounts person_;  // R1 to R5
    SpouseConditionAmounts spouse_;  // R6 to R9
};

}  // namespace nencho
