// The copy-forward buttons left of the month rows: a month's line of the sheet copied into
// every later month, shown, totalled and saved. December's button has nothing to copy into.
#include "common/keys.h"
#include "ledger/ledger_grid.h"
#include "ledger/ledger_tools.h"
#include "ledger/ui/form2.h"
#include "ledger/ui/form2_controls.h"
#include "platform/ui/dialogs.h"

namespace nencho {

using namespace form2;

namespace {

// Copied columns in the order their boxes are written.
constexpr LedgerColumn kCopyOrder[] = {LedgerColumn::Pay, LedgerColumn::SocialInsurance,
                                       LedgerColumn::AfterInsurance, LedgerColumn::Tax,
                                       LedgerColumn::Dependants};

}  // namespace

void Form2::connectCopies() {
    for (int month = kFirstMonthRow; month < kLastMonthRow; ++month)
        onPress(copyButton(month), [this, month] { copyForward(month); });
}

bool Form2::isLedgerPerson(const std::optional<LedgerOwner>& owner, const QString& title) {
    if (!owner) {
        showMessage("会社と個人が選ばれていないため、源泉徴収簿を変更できません。", title,
                    MessageIcon::Exclamation);
        return false;
    }
    if (!isOwnPersonCode(owner->personCode)) {
        showMessage(
            QString("個人コード %1 の源泉徴収簿はありません。個人コードは %2 から %3 までです。")
                .arg(owner->personCode)
                .arg(kFirstPersonCode)
                .arg(kLastPersonCode),
            title, MessageIcon::Exclamation);
        return false;
    }
    return true;
}

// The copy takes the month's line of the sheet, not what its boxes show, except March's typed
// pay and January's after-insurance box, which are taken first. It then rewrites the boxes of
// the months that copy shows, column by column, and totals and saves twice as a month
// calculation does.
void Form2::copyForward(int month) {
    if (!isLedgerPerson(owner_, "源泉徴収簿")) return;
    LedgerSheet source = sheet();
    if (month == 3) source.setCell(3, LedgerColumn::Pay, readBox(ledgerRowBoxes(3).pay));
    if (month == 1)
        source.setCell(1, LedgerColumn::AfterInsurance, readBox(ledgerRowBoxes(1).afterInsurance));
    const auto copied = copiedForward(source, month);
    if (!copied) {
        refuseOverflow();
        return;
    }
    sheet() = *copied;
    const CopyShownMonths shown = copyShownMonths(month);
    for (LedgerColumn column : kCopyOrder) {
        const int first = column == LedgerColumn::Pay ? shown.firstPay : shown.firstOther;
        for (int k = first; k <= kLastMonthRow; ++k)
            showAmount(ledgerBox(k, column), sheet().cell(k, column));
    }
    for (int k = shown.firstOther; k <= kLastMonthRow; ++k)
        showAmount(ledgerRowBoxes(k).taxAgain, sheet().cell(k, LedgerColumn::Tax));
    press(kMonthTotalsButton);
    press(kSaveButton);
}

}  // namespace nencho
