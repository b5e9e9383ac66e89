#include "withholding/ledger_row.h"

#include "common/amount.h"

namespace nencho {

int monthRowFirstBox(int month) {
    return 12 + 9 * (month - 1);
}

int bonusRowFirstBox(int bonusNumber) {
    return 129 + 9 * (bonusNumber - 1);
}

std::vector<LedgerBoxWrite> ledgerRowWrites(int firstBox, const LedgerRowFigures& figures) {
    return {
        {firstBox, formatAmount(figures.pay)},
        {firstBox + 1, formatAmount(figures.socialInsurance)},
        {firstBox + 2, formatAmount(figures.afterSocialInsurance)},
        {firstBox + 3, formatAmount(figures.dependants)},
        {firstBox + 4, formatAmount(figures.tax)},
        {firstBox + 6, formatAmount(figures.tax)},
    };
}

}  // namespace nencho
