#pragma once
// The withholding ledger of one person and year: the grid of months, bonuses and totals, its
// file, its totals and what it feeds the year-end screens, the hand-off of each row to the
// calculation screens and the row tools. The actions live in form2_*.cpp by subject.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ledger/ledger_grid.h"
#include "ledger/ledger_table.h"
#include "platform/ui/reported_piece.h"
#include "platform/ui/work_screen.h"

class QLineEdit;

namespace nencho {

class Form2 : public WorkScreen {
    Q_OBJECT

  public:
    Form2();
    void formLoad() override;

  private:
    // Layout (form2_layout.cpp).
    void buildHeadings();
    void addAmountBoxes(const LedgerRowBoxes& boxes, int top);
    void buildMonthRow(int month);
    void buildBonusRow(int bonus);
    void buildTotalRow(int row, const char* labelBox, const char* caption);
    void buildOtherControls();
    void setFocusOrder();
    QLineEdit* addGridBox(int number, int left, int top, int width);

    // Boxes and cells (form2_file.cpp).
    QString box(int number) const;
    void setBox(int number, const QString& text);
    void showAmount(int number, std::int32_t value);
    std::int32_t readBox(int number) const;
    QLineEdit* gridBox(int number) const;
    // The load's clear and fill are taken together and put on screen once, so that a box
    // given back what it showed is not emptied and laid out again in between.
    void stageGrid();
    void putStagedGridOnScreen();
    std::optional<LedgerOwner> codesFromBoxes() const;
    LedgerSheet& sheet();

    // Load and save (form2_file.cpp).
    void load();
    void save();
    void saveLedger();
    void fillGrid(const LedgerRecord& record);
    PayDateTexts payDatesFromBoxes() const;
    bool writeLedgerFile(const LedgerRecord& record);

    // Totals and the year-end feed (form2_totals.cpp).
    void monthTotals();
    void bonusTotals();
    bool grandTotals();
    void refuseOverflow();
    void showTotalRow(int row);
    void followLedgerPerson(const QString& form);
    void feedLoadedTotals();
    void feedSavedTotals();
    void takeUpFedRecordsAgain();

    // Row entry (form2_entry.cpp).
    void connectRowEntry();
    bool takeCodes();
    void handOffMonth(int month);
    void handOffBonus(int bonus);
    void closeFormerHandOffs();

    // Row tools (form2_tools.cpp).
    void connectTools();
    void clearDisplay();
    void clearMonthRow(int month);
    void nextPayDayPreset();

    // Copying a month forward (form2_copy.cpp).
    void connectCopies();
    void copyForward(int month);
    // A person whose ledger this screen may write, or a message saying why not.
    bool isLedgerPerson(const std::optional<LedgerOwner>& owner, const QString& title);

    // Ledger deletion (form2_delete.cpp).
    void deleteLedger();
    bool runDeletion(const std::string& januaryRecordPath);
    // Whether the step ended in `saves` ledger writes and no failed or refused save.
    bool endsInSaves(int saves, const std::function<void()>& step);
    void showPutBack(bool recordsBack, bool fed);

    // Pay statements (form2_statement.cpp).
    void connectPayStatements();
    void showPayStatement(int month);

    LedgerTable table_;
    std::optional<LedgerOwner> owner_;  // whose sheet the screen works on, once codes were read
    // A sum was refused and said so; the save that follows is refused without saying it again.
    bool overflowReported_ = false;
    // Ledger writes made and saves that failed or were refused, so that a run of steps can tell
    // whether each step stored what it should.
    struct SaveTally {
        int written = 0;
        int failed = 0;
    };
    SaveTally saveTally_;
    std::vector<QLineEdit*> gridBoxes_;  // by box number, as the layout made them
    // Box texts of a load not yet shown, by box number, while a load stages them.
    bool staging_ = false;
    std::vector<std::optional<QString>> staged_;
};

}  // namespace nencho
