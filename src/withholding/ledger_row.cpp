#include "withholding/ledger_row.h"

#include "common/amount.h"
#include "ledger/ledger_grid.h"

namespace nencho {

std::vector<LedgerBoxWrite> ledgerRowWrites(int row, const LedgerRowFigures& figures) {
    const LedgerRowBoxes boxes = ledgerRowBoxes(row);
    return {
        {boxes.pay, formatAmount(figures.pay)},
        {boxes.insurance, formatAmount(figures.socialInsurance)},
        {boxes.afterInsurance, formatAmount(figures.afterSocialInsurance)},
        {boxes.dependants, formatAmount(figures.dependants)},
        {boxes.tax, formatAmount(figures.tax)},
        {boxes.taxAgain, formatAmount(figures.tax)},
    };
}

}  // namespace nencho
