// The ledger's row tools: the display clear, the pay-day presets of "日", the row clears and END.
#include "ledger/ledger_grid.h"
#include "ledger/ledger_tools.h"
#include "ledger/ui/form2.h"
#include "ledger/ui/form2_controls.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/program.h"

namespace nencho {

using namespace form2;

void Form2::connectTools() {
    onPress(kDisplayClearButton, [this] { clearDisplay(); });
    onPress(kPayDayPresetButton, [this] { nextPayDayPreset(); });
    onPress(kEndButton, [] {
        dialogs().beep();
        endProgram();
    });
    for (int month = kFirstMonthRow; month <= kLastMonthRow; ++month)
        onPress(rowClearButton(month), [this, month] { clearMonthRow(month); });
    onPress(kDeleteButton, [this] { deleteLedger(); });
    connectCopies();
    connectPayStatements();
}

// Empties the grid on screen only; the sheet, the files and the preset counter stay.
void Form2::clearDisplay() {
    for (int number : displayClearBoxes()) setBox(number, {});
}

void Form2::clearMonthRow(int month) {
    for (int number : monthRowBoxes(month)) setBox(number, {});
}

void Form2::nextPayDayPreset() {
    const int step = nextPayDayPresetStep(textOf(kPresetCounterBox).toStdString());
    setTextOf(kPresetCounterBox, QString::number(step));
    const auto days = payDayPreset(step);
    for (int month = kFirstMonthRow; month <= kLastMonthRow; ++month)
        setBox(payDateBox(month), QString::fromStdString(days[month - 1]));
}

}  // namespace nencho
