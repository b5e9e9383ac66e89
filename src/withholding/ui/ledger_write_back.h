#pragma once
// How a calculation screen returns its row to the ledger screen: the row's boxes, then the
// ledger's totals button of that kind of row and its save.
#include "withholding/ledger_row.h"

namespace nencho {

// Month 1 to 12: the six boxes, the month totals (Form2.Command17), then the save (Command22).
void writeBackMonthRow(int month, const LedgerRowFigures& figures);
// Bonus 1 to 3: the six boxes, the bonus totals (Form2.Command21), then the save (Command22).
void writeBackBonusRow(int bonusNumber, const LedgerRowFigures& figures);

// Split for the monthly calculation, which writes its pay record between boxes and totals.
void writeMonthRowBoxes(int month, const LedgerRowFigures& figures);
void pressMonthTotalsAndSave();

}  // namespace nencho
