// Row entry: each row's 計算実行 takes the typed pay into the ledger and hands the row to the
// monthly (Form8) or bonus (Form9) calculation screen, which later writes the row back and
// presses the totals and the save. Enter in a pay box presses its row's button.
#include <QLineEdit>

#include "common/amount.h"
#include "ledger/ledger_grid.h"
#include "ledger/ui/form2.h"
#include "ledger/ui/form2_controls.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/screen.h"
#include "platform/ui/screens.h"
#include "withholding/ui/form8_controls.h"
#include "withholding/ui/form9_controls.h"

namespace nencho {

using namespace form2;

void Form2::connectRowEntry() {
    auto pressOnEnter = [this](int row, const QString& button) {
        QLineEdit* payBox = gridBox(ledgerRowBoxes(row).pay);
        connect(payBox, &QLineEdit::returnPressed, this, [this, button] { press(button); });
    };
    for (int month = kFirstMonthRow; month <= kLastMonthRow; ++month) {
        onPress(monthComputeButton(month), [this, month] { handOffMonth(month); });
        pressOnEnter(month, monthComputeButton(month));
    }
    for (int bonus = 1; bonus <= kBonusCount; ++bonus) {
        onPress(bonusComputeButton(bonus), [this, bonus] { handOffBonus(bonus); });
        pressOnEnter(bonusRow(bonus), bonusComputeButton(bonus));
    }
}

// The codes of the person shown, both or neither: a row is never handed on under one person's
// company and another's code.
bool Form2::takeCodes() {
    const auto owner = codesFromBoxes();
    if (!owner) {
        showMessage("会社と個人を選んでから計算してください。", "計算実行",
                    MessageIcon::Exclamation);
        return false;
    }
    if (!isLedgerPerson(owner, "計算実行")) return false;
    owner_ = *owner;
    return true;
}

void Form2::handOffMonth(int month) {
    if (!takeCodes()) return;
    const std::int32_t pay = readBox(ledgerRowBoxes(month).pay);
    sheet().setCell(month, LedgerColumn::Pay, pay);
    screens::press(form8::kForm, form8::kClearButton);
    screens::open(form8::kForm);
    screens::write(form8::kForm, form8::kPayLabel, QString::fromStdString(formatAmount(pay)));
    screens::write(form8::kForm, form8::kMonthBox, QString::number(month));
    press(kYearButton);
    screens::write(form8::kForm, form8::kYearBox, workingYear());
    screens::write(form8::kForm, form8::kCompanyBox, QString::number(owner_->companyCode));
    screens::write(form8::kForm, form8::kPersonBox, QString::number(owner_->personCode));
}

// The bonus screen takes neither the year nor the codes.
void Form2::handOffBonus(int bonus) {
    if (!takeCodes()) return;
    const int row = bonusRow(bonus);
    const std::int32_t pay = readBox(ledgerRowBoxes(row).pay);
    sheet().setCell(row, LedgerColumn::Pay, pay);
    screens::press(form9::kForm, form9::kClearButton);
    screens::open(form9::kForm);
    screens::write(form9::kForm, form9::kBonusLabel, QString::fromStdString(formatAmount(pay)));
    screens::write(form9::kForm, form9::kBonusNumberBox, QString::number(bonus));
    screens::write(form9::kForm, form9::kManualNumberBox, QString::number(bonus));
}

// A calculation screen still open for a row of the person shown before would write that row back
// into the ledger of the person shown now; the ledger closes it when it takes up another person.
void Form2::closeFormerHandOffs() {
    for (const char* form : {form8::kForm, form9::kForm}) {
        const Screen* screen = ScreenRegistry::instance().existing(form);
        if (screen && screen->isVisible()) screens::hide(form);
    }
}

}  // namespace nencho
