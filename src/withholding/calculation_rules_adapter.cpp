// The calculation screens' view of the withholding rules: their inputs and figures translated
// to and from the monthly and bonus calculations.
#include "withholding/bonus.h"
#include "withholding/calculation_inputs.h"
#include "withholding/monthly_calculation.h"

namespace nencho {

std::optional<MonthlyFigures> computeMonthly(const MonthlyInputs& inputs) {
    MonthlyInput input;
    input.pay = inputs.pay;
    input.nursingCare = inputs.withNursingCare ? NursingCare::With : NursingCare::Without;
    input.healthInsured = !inputs.noHealth;
    input.pensionInsured = !inputs.noPension;
    input.employmentInsured = inputs.withEmployment;
    input.dependants = inputs.dependants;
    const Outcome<MonthlyCalculation> outcome = calculateMonth(input);
    if (!outcome.ok()) return std::nullopt;
    const MonthlyCalculation& month = outcome.value();
    MonthlyFigures figures;
    figures.pay = inputs.pay;
    figures.health = month.health;
    figures.pension = month.pension;
    figures.employment = month.employment;
    figures.socialInsurance = month.socialInsurance;
    figures.afterSocialInsurance = month.payAfterSocialInsurance;
    figures.tax = month.tax.tax;
    figures.totalDeductions = month.totalDeductions;
    figures.netPay = month.netPay;
    return figures;
}

std::optional<BonusFigures> computeBonus(const BonusInputs& inputs) {
    BonusInput input;
    input.bonus = inputs.bonus;
    input.previousMonthPay = inputs.previousMonthPay;
    input.dependants = inputs.dependantsNumber;
    input.healthInsured = inputs.withHealth;
    input.employmentInsured = inputs.withEmployment;
    const Outcome<BonusCalculation> outcome = calculateBonus(input);
    if (!outcome.ok()) return std::nullopt;
    const BonusCalculation& bonus = outcome.value();
    BonusFigures figures;
    figures.health = bonus.health;
    figures.employment = bonus.employment;
    figures.socialInsurance = bonus.socialInsurance;
    figures.afterSocialInsurance = bonus.afterSocialInsurance;
    figures.ratePercent = bonus.ratePercent;
    figures.tax = bonus.tax;
    return figures;
}

}  // namespace nencho
