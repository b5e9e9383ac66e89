// The summary table's actions: 集計, the two half-year buttons and END.
#include "summary/ui/form13.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>

#include "common/amount.h"
#include "common/failure.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/program.h"
#include "summary/ui/form13_controls.h"
#include "summary/ui/form13_grid.h"
#include "withholding/typed_numbers.h"

namespace nencho {

using namespace form13;

namespace {

const QString kSumTitle = QStringLiteral("集計");

QFont summaryFont() {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")});
    font.setPointSizeF(11.25);
    return font;
}

}  // namespace

Form13::Form13() : WorkScreen(kForm, kYearBox) {
    setWindowTitle("集計表");
    setFont(summaryFont());
    buildGrid();
    buildHalfYearBlocks();
    buildBalanceBlock();
    addHiddenText(kCompanyBox);
    addHiddenText(kPersonBox);
    addHiddenButton(kSumButton, "集計", [this] { sum(); });
    addHiddenButton(kFirstHalfButton, "6",
                    [this] { showHalfYear(table_.firstHalf, kFirstHalfPayBox, kFirstHalfTaxBox); });
    addHiddenButton(kSecondHalfButton, "12", [this] {
        showHalfYear(table_.secondHalf, kSecondHalfPayBox, kSecondHalfTaxBox);
    });
    onPress(kEndButton, [] {
        dialogs().beep();
        endProgram();
    });
}

// Every run starts from empty cells, so a run that cannot be made leaves no figure of the last.
void Form13::sum() {
    clearFigures();
    table_ = SummaryTable{};
    const std::string year = workingYear().toStdString();
    if (!isUsableYearText(year)) {
        tell("作業年度が決まっていないため、集計できません。");
        return;
    }
    const auto company = readSmallNumber(textOf(kCompanyBox).toStdString());
    if (!company) {
        tell("会社を選んでから「集計表」を押してください。");
        return;
    }
    try {
        table_ = summarise(year, *company);
    } catch (const Failure& failure) {
        tell(QString::fromUtf8(failure.what()));
        return;
    }
    showFigures();
    press(kFirstHalfButton);
    press(kSecondHalfButton);
    if (!table_.unreadable.empty())
        tell(QString::fromStdString(describeUnreadable(table_.unreadable)));
}

void Form13::tell(const QString& message) {
    showMessage(message, kSumTitle, MessageIcon::Exclamation);
}

void Form13::clearFigures() {
    for (int row = 1; row <= kLedgerRows; ++row) {
        setTextOf(gridRow(row).payBox, {});
        setTextOf(gridRow(row).taxBox, {});
    }
    for (const char* box : {kFirstHalfPayBox, kFirstHalfTaxBox, kSecondHalfPayBox,
                            kSecondHalfTaxBox, kBalanceTotalBox, kBalancePersonsLabel})
        setTextOf(box, {});
}

void Form13::showFigures() {
    showAmount(kBalanceTotalBox, table_.balanceTotal);
    setTextOf(kBalancePersonsLabel, QString("%1 人分").arg(table_.balancePersons));
    for (int row = 1; row <= kLedgerRows; ++row)
        showAmount(gridRow(row).payBox, table_.row(row).pay);
    for (int row = 1; row <= kLedgerRows; ++row)
        showAmount(gridRow(row).taxBox, table_.row(row).tax);
}

void Form13::showHalfYear(const PayAndTax& sums, const char* payBox, const char* taxBox) {
    showAmount(payBox, sums.pay);
    showAmount(taxBox, sums.tax);
}

}  // namespace nencho
