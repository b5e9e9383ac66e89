// The 給与明細 buttons: a month's pay statement from its monthly pay record, shown in the pay
// statement window while the record agrees with the month's line of the ledger.
#include "common/amount.h"
#include "common/keys.h"
#include "common/paths.h"
#include "ledger/pay_statement.h"
#include "ledger/ui/form10_controls.h"
#include "ledger/ui/form2.h"
#include "ledger/ui/form2_controls.h"
#include "platform/record_error.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/screens.h"
#include "withholding/monthly_pay_record.h"

namespace nencho {

using namespace form2;

void Form2::connectPayStatements() {
    for (int month = kFirstMonthRow; month <= kLastMonthRow; ++month)
        onPress(payStatementButton(month), [this, month] { showPayStatement(month); });
}

// Takes the codes and the year as a month's 計算実行 does, reads the month's record and either
// shows it or says why not. A failure leaves the window as it was.
void Form2::showPayStatement(int month) {
    const QString failureTitle = QString::number(month) + "月分のデータは保存されていません";
    auto refuse = [&failureTitle](const std::string& description) {
        showMessage(QString::fromStdString(description), failureTitle, MessageIcon::Exclamation);
    };
    const auto owner = codesFromBoxes();
    if (!owner) return refuse("会社と個人を選んでから給与明細を押してください");
    if (!isOwnPersonCode(owner->personCode)) return refuse("個人コードは 1 から 99 までです。");
    owner_ = *owner;
    press(kYearButton);
    const auto key = personKey(owner_->companyCode, owner_->personCode);
    const auto path =
        key ? monthlyPayRecordPath(workingYear().toStdString(), *key, month) : std::nullopt;
    if (!path) return refuse(companyCodeTooLarge());
    MonthlyPayRecord record;
    try {
        record = loadMonthlyPayRecord(*path);
    } catch (const RecordError& error) {
        // A month typed by hand or copied forward has no record of its own.
        refuse(error.isMissingFile()
                   ? "給与明細 " + std::to_string(month) + "月のデータはありません"
                   : error.what());
        return;
    }
    if (!payRecordAgrees(record, sheet(), month)) {
        showMessage("給与データが変更されました。");
        return;
    }
    const auto amounts = payStatementAmounts(record);
    for (int row = 1; row <= kPayStatementRows; ++row)
        screens::write(form10::kForm, form10::amountBox(row),
                       QString::fromStdString(formatAmount(amounts[row - 1])));
    screens::write(form10::kForm, form10::kMonthBox, QString::number(month));
    screens::show(form10::kForm);
}

}  // namespace nencho
