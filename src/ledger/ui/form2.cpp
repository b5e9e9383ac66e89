#include "ledger/ui/form2.h"

#include <QLineEdit>

#include "common/amount.h"
#include "ledger/ledger_grid.h"
#include "ledger/ui/form2_controls.h"

namespace nencho {

using namespace form2;

Form2::Form2() : WorkScreen(kForm, kYearBox) {
    setWindowTitle("源泉徴収簿");
    QFont gridFont = font();
    gridFont.setPointSize(9);
    setFont(gridFont);
    setDesignSize(10560, 7260);
    buildHeadings();
    for (int month = kFirstMonthRow; month <= kLastMonthRow; ++month) buildMonthRow(month);
    buildTotalRow(kMonthTotalRow, "Text118", "合  計");
    for (int bonus = 1; bonus <= kBonusCount; ++bonus) buildBonusRow(bonus);
    buildTotalRow(kBonusTotalRow, "Text119", "合  計");
    buildTotalRow(kGrandTotalRow, "Text163", "総  計");
    buildOtherControls();
    setFocusOrder();

    onPress(kLoadButton, [this] { load(); });
    onPress(kSaveButton, [this] { save(); });
    onPress(kMonthTotalsButton, [this] { monthTotals(); });
    onPress(kBonusTotalsButton, [this] { bonusTotals(); });
    connectRowEntry();
    connectTools();
}

// Created at start-up before the year box is written; the year is taken again when opened.
void Form2::formLoad() {
    press(kYearButton);
}

QString Form2::box(int number) const {
    if (staging_ && number >= 0 && static_cast<std::size_t>(number) < staged_.size() &&
        staged_[static_cast<std::size_t>(number)])
        return *staged_[static_cast<std::size_t>(number)];
    return textIn(gridBox(number));
}

void Form2::setBox(int number, const QString& text) {
    if (staging_ && number >= 0) {
        const auto index = static_cast<std::size_t>(number);
        if (index >= staged_.size()) staged_.resize(index + 1);
        staged_[index] = text;
    } else {
        setTextIn(gridBox(number), text);
    }
}

QLineEdit* Form2::gridBox(int number) const {
    const auto index = static_cast<std::size_t>(number);
    if (number >= 0 && index < gridBoxes_.size() && gridBoxes_[index]) return gridBoxes_[index];
    return control<QLineEdit>(boxName(number));
}

void Form2::stageGrid() {
    staging_ = true;
}

void Form2::putStagedGridOnScreen() {
    if (!staging_) return;
    staging_ = false;
    for (std::size_t number = 0; number < staged_.size(); ++number) {
        if (!staged_[number]) continue;
        const QString text = std::move(*staged_[number]);
        staged_[number].reset();
        setTextIn(gridBox(static_cast<int>(number)), text);
    }
}

void Form2::showAmount(int number, std::int32_t value) {
    setBox(number, QString::fromStdString(formatAmount(value)));
}

std::int32_t Form2::readBox(int number) const {
    return readAmountOrZero(box(number).toStdString());
}

// Both codes as whole numbers of the 16-bit range, or none.
std::optional<LedgerOwner> Form2::codesFromBoxes() const {
    const auto company = readSmallNumber(textOf(kCompanyBox).toStdString());
    const auto person = readSmallNumber(textOf(kPersonBox).toStdString());
    if (!company || !person) return std::nullopt;
    return LedgerOwner{*company, *person};
}

}  // namespace nencho
