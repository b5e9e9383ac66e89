#include "withholding/ui/ledger_write_back.h"

#include "ledger/ui/form2_controls.h"
#include "platform/ui/screens.h"

namespace nencho {

using namespace form2;

namespace {

void writeRowBoxes(int row, const LedgerRowFigures& figures) {
    for (const LedgerBoxWrite& write : ledgerRowWrites(row, figures))
        screens::write(kForm, boxName(write.box), QString::fromStdString(write.text));
}

}  // namespace

void writeMonthRowBoxes(int month, const LedgerRowFigures& figures) {
    writeRowBoxes(month, figures);
}

void pressMonthTotalsAndSave() {
    // The month totals end with a save of their own; the second save is the calculation's.
    screens::press(kForm, kMonthTotalsButton);
    screens::press(kForm, kSaveButton);
}

void writeBackMonthRow(int month, const LedgerRowFigures& figures) {
    writeMonthRowBoxes(month, figures);
    pressMonthTotalsAndSave();
}

void writeBackBonusRow(int bonusNumber, const LedgerRowFigures& figures) {
    writeRowBoxes(bonusRow(bonusNumber), figures);
    screens::press(kForm, kBonusTotalsButton);
    screens::press(kForm, kSaveButton);
}

}  // namespace nencho
