// The bonus screen's two ways of returning a bonus to the ledger: computed from the bonus and
// the previous month's pay, or taken as typed.
#include "common/amount.h"
#include "withholding/bonus.h"
#include "withholding/checked_amounts.h"
#include "withholding/ledger_row.h"
#include "withholding/ui/form9.h"
#include "withholding/ui/form9_controls.h"
#include "withholding/ui/ledger_write_back.h"

namespace nencho {

namespace {

std::int32_t amountIn(const QString& text) {
    return readAmountOrZero(text.toStdString());
}

}  // namespace

void Form9::calculate() {
    const std::int32_t bonus = amountIn(textOf(form9::kBonusLabel));
    const auto number = checkedBonusNumber(form9::kBonusNumberBox);
    if (!number) return;
    const std::int32_t previousMonthPay = amountIn(textOf(form9::kPreviousPayBox));
    const BonusInput input{bonus, previousMonthPay, dependantsNumber_,
                           isTicked(form9::kHealthCheck), isTicked(form9::kEmploymentCheck)};
    BonusCalculation figures;
    try {
        figures = calculateBonus(input);
    } catch (const CalculationError& error) {
        return showProblem(QString::fromUtf8(error.what()));
    }

    setTextOf(form9::kPreviousPayBox, QString::fromStdString(formatAmount(previousMonthPay)));
    hide();
    writeBackBonusRow(*number, {bonus, figures.socialInsurance, figures.afterSocialInsurance,
                                dependantsNumber_, figures.tax});
}

void Form9::enterManually() {
    const auto number = checkedBonusNumber(form9::kManualNumberBox);
    if (!number) return;
    const std::int32_t bonus = amountIn(textOf(form9::kBonusLabel));
    const std::int32_t socialInsurance = amountIn(textOf(form9::kManualInsuranceBox));
    const std::int32_t tax = amountIn(textOf(form9::kManualTaxBox));
    const std::int32_t dependants =
        readSmallNumber(textOf(form9::kManualDependantsBox).toStdString()).value_or(0);
    std::int32_t after = 0;
    try {
        after = payAfterSocialInsurance(bonus, socialInsurance);
    } catch (const CalculationError& error) {
        return showProblem(QString::fromUtf8(error.what()));
    }

    hide();
    // The typed boxes keep their text; the ledger's next bonus button empties them.
    writeBackBonusRow(*number, {bonus, socialInsurance, after, dependants, tax});
}

std::optional<int> Form9::checkedBonusNumber(const QString& box) {
    const auto number = readSmallNumber(textOf(box).toStdString());
    if (number && *number >= 1 && *number <= kBonusCount) return *number;
    showProblem("計算する賞与が正しくありません。源泉徴収簿の賞与の計算実行から開いてください。");
    return std::nullopt;
}

}  // namespace nencho
