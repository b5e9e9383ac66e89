#include "withholding/ui/ledger_check.h"

#include "common/amount.h"
#include "ledger/ledger_grid.h"
#include "ledger/ledger_totals.h"
#include "ledger/ui/form2_controls.h"
#include "platform/ui/screens.h"

namespace nencho {

namespace {

std::int32_t shownAmount(int row, LedgerColumn column) {
    const QString text = screens::read("Form2", form2::boxName(ledgerBox(row, column)));
    return readAmountOrZero(text.toStdString());
}

}  // namespace

bool ledgerTakesMonthRow(int month, const MonthRowAmounts& row) {
    LedgerSheet sheet;
    for (int shown = kFirstMonthRow; shown <= kLastBonusRow; ++shown) {
        if (shown == kMonthTotalRow) continue;
        for (LedgerColumn column : kAmountColumns)
            sheet.setCell(shown, column, shownAmount(shown, column));
    }
    sheet.setCell(month, LedgerColumn::Pay, row.pay);
    sheet.setCell(month, LedgerColumn::SocialInsurance, row.socialInsurance);
    sheet.setCell(month, LedgerColumn::AfterInsurance, row.afterSocialInsurance);
    sheet.setCell(month, LedgerColumn::Tax, row.tax);
    return sumsFit(sheet);
}

}  // namespace nencho
