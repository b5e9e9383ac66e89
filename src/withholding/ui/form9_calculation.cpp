// The bonus screen's two ways of returning a bonus to the ledger: computed from the bonus and
// the previous month's pay, or taken as typed.
#include "common/amount.h"
#include "platform/record_error.h"
#include "withholding/calculation_inputs.h"
#include "withholding/ledger_row.h"
#include "withholding/typed_numbers.h"
#include "withholding/ui/form9.h"
#include "withholding/ui/ledger_write_back.h"

namespace nencho {

namespace {

const QString kOverflowProblem = QString::fromStdString(describe(FileErrorKind::Overflow));

std::int32_t amountIn(const QString& text) {
    return readAmountOrZero(text.toStdString());
}

}  // namespace

void Form9::calculate() {
    const std::int32_t bonus = amountIn(textOf("Label3"));
    const auto number = checkedBonusNumber("Text3");
    if (!number) return;
    const std::int32_t previousMonthPay = amountIn(textOf("Text1"));
    const BonusInputs inputs{bonus, previousMonthPay, dependantsNumber_, isTicked("chkKenkou"),
                             isTicked("chkKoho")};
    const auto figures = computeBonus(inputs);
    if (!figures) return showProblem(kOverflowProblem);

    setTextOf("Text1", QString::fromStdString(formatAmount(previousMonthPay)));
    hide();
    writeBackBonusRow(*number, {bonus, figures->socialInsurance, figures->afterSocialInsurance,
                                dependantsNumber_, figures->tax});
}

void Form9::enterManually() {
    const auto number = checkedBonusNumber("Text28");
    if (!number) return;
    const std::int32_t bonus = amountIn(textOf("Label3"));
    const std::int32_t socialInsurance = amountIn(textOf("Text8"));
    const std::int32_t tax = amountIn(textOf("Text2"));
    const std::int32_t dependants = readSmallNumber(textOf("Text7").toStdString()).value_or(0);
    const std::int64_t after = std::int64_t{bonus} - socialInsurance;
    if (after != static_cast<std::int32_t>(after)) return showProblem(kOverflowProblem);

    hide();
    // The typed boxes keep their text; the ledger's next bonus button empties them.
    writeBackBonusRow(*number,
                      {bonus, socialInsurance, static_cast<std::int32_t>(after), dependants, tax});
}

std::optional<int> Form9::checkedBonusNumber(const QString& box) {
    const auto number = readSmallNumber(textOf(box).toStdString());
    if (number && *number >= 1 && *number <= kBonusCount) return *number;
    showProblem("計算する賞与が正しくありません。源泉徴収簿の賞与の計算実行から開いてください。");
    return std::nullopt;
}

}  // namespace nencho
