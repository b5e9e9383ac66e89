// The ledger's row tools: the display clear, the pay-day presets of "日", the row clears, the
// copy-forward buttons of months 7 to 12 and END.
#include "common/amount.h"
#include "ledger/ledger_grid.h"
#include "ledger/ledger_tools.h"
#include "ledger/ui/form2.h"
#include "ledger/ui/form2_controls.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/program.h"

namespace nencho {

using namespace form2;

namespace {

constexpr int kFirstCopyMonthHere = 7;  // the copies of months 1 to 6 differ and live apart

// Copied columns in the order they are written.
constexpr LedgerColumn kCopyOrder[] = {LedgerColumn::Pay, LedgerColumn::SocialInsurance,
                                       LedgerColumn::AfterInsurance, LedgerColumn::Tax,
                                       LedgerColumn::Dependants};

}  // namespace

void Form2::connectTools() {
    onPress(kDisplayClearButton, [this] { clearDisplay(); });
    onPress("Command60", [this] { nextPayDayPreset(); });
    onPress("Command37", [] {
        dialogs().beep();
        endProgram();
    });
    for (int month = kFirstMonthRow; month <= kLastMonthRow; ++month)
        onPress(rowClearButton(month), [this, month] { clearMonthRow(month); });
    for (int month = kFirstCopyMonthHere; month < kLastMonthRow; ++month)
        onPress(copyButton(month), [this, month] { copyForward(month); });
    // The copy button of December has nothing to copy into: it does nothing.
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

// Copies the sheet's month into every later month (not what the boxes show), rewrites the
// boxes of that month and the later ones, then totals and saves twice as a month computation
// does.
void Form2::copyForward(int month) {
    if (!owner_) return;
    const auto copied = copiedForward(sheet(), month);
    if (!copied) {
        refuseOverflow();
        return;
    }
    sheet() = *copied;
    for (LedgerColumn column : kCopyOrder)
        for (int k = month; k <= kLastMonthRow; ++k)
            showAmount(ledgerBox(k, column), sheet().cell(k, column));
    for (int k = month; k <= kLastMonthRow; ++k)
        showAmount(ledgerRowBoxes(k).taxAgain, sheet().cell(k, LedgerColumn::Tax));
    press(kMonthTotalsButton);
    press(kSaveButton);
}

}  // namespace nencho
