#pragma once
// The print screen: one person's year-end summary laid out like the top of the withholding
// statement, the buttons of every printout, stepping through the company's persons and the
// hand-over to batch printing. It shows and prints from its PrintData and writes no file. The
// actions live in form7_*.cpp by subject.
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/printer_page.h"
#include "platform/ui/work_screen.h"
#include "printing/print_data.h"

class QCloseEvent;

namespace nencho {

enum class StatementPart;

class Form7 : public WorkScreen {
    Q_OBJECT

  public:
    Form7();

    const PrintData& printData() const { return data_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // Layout (form7_layout.cpp).
    void buildSummary();
    void buildConditionsAndNotes();
    void buildStatementFrame();
    void buildButtons();
    void buildHiddenControls();

    // Load, notes and clear (form7_load.cpp).
    std::optional<std::int32_t> codeIn(const char* box) const;
    void load();
    void loadNotes();
    void clearScreen();
    void clearDisplay();
    void showNotes();

    // Display and spouse step (form7_display.cpp).
    void display();
    void showConditions();
    void showBalance();
    void spouseStep(bool withSpouse);
    void showAmount(const char* label, std::int64_t value);

    // Stepping, the main menu, the batch screen and the end (form7_navigation.cpp).
    void stepPerson(int step);
    void backToMenu();
    void handOverToBatch();
    void endFromButton();

    // Printouts (form7_print.cpp).
    void connectPrintouts();
    void print(const QString& title, const std::string& documentName,
               const std::function<void(PrinterPage&)>& draw);
    void printStatementPart(const QString& title, StatementPart part);

    PrintData data_;
};

}  // namespace nencho
