#include "withholding/ui/ledger_write_back.h"

#include "platform/ui/screens.h"

namespace nencho {

namespace {

const QString kLedger = "Form2";
const QString kSave = "Command22";

void writeRowBoxes(int firstBox, const LedgerRowFigures& figures) {
    for (const LedgerBoxWrite& write : ledgerRowWrites(firstBox, figures))
        screens::write(kLedger, QString("Text%1").arg(write.box),
                       QString::fromStdString(write.text));
}

}  // namespace

void writeMonthRowBoxes(int month, const LedgerRowFigures& figures) {
    writeRowBoxes(monthRowFirstBox(month), figures);
}

void pressMonthTotalsAndSave() {
    // The month totals end with a save of their own; the second save is the calculation's.
    screens::press(kLedger, "Command17");
    screens::press(kLedger, kSave);
}

void writeBackMonthRow(int month, const LedgerRowFigures& figures) {
    writeMonthRowBoxes(month, figures);
    pressMonthTotalsAndSave();
}

void writeBackBonusRow(int bonusNumber, const LedgerRowFigures& figures) {
    writeRowBoxes(bonusRowFirstBox(bonusNumber), figures);
    screens::press(kLedger, "Command21");
    screens::press(kLedger, kSave);
}

}  // namespace nencho
