// The calculation screens' view of the withholding rules: their inputs and figures translated
// to and from the monthly and bonus calculations.
#include "withholding/bonus.h"
#include "withholding/calculation_inputs.h"
#include "withholding/monthly_calculation.h"

namespace nencho {

MonthlyFigures computeMonthly(const MonthlyInputs& inputs) {
    MonthlyInput input;
    input.pay = inputs.pay;
    input.nursingCare = inputs.withNursingCare ? NursingCare::With : NursingCare::Without;
    input.healthInsured = !inputs.noHealth;
    input.pensionInsured = !inputs.noPension;
    input.employmentInsured = inputs.withEmployment;
    input.dependants = inputs.dependants;
    const MonthlyCalculation month = calculateMonth(input);
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

BonusFigures computeBonus(const BonusInputs& inputs) {
    BonusInput input;
    input.bonus = inputs.bonus;
    input.previousMonthPay = inputs.previousMonthPay;
    input.dependants = inputs.dependantsNumber;
    input.healthInsured = inputs.withHealth;
    input.employmentInsured = inputs.withEmployment;
    const BonusCalculation bonus = calculateBonus(input);
    BonusFigures figures;
    figures.health = bonus.health;
    figures.employment = bonus.employment;
    figures.socialInsurance = bonus.socialInsurance;
    figures.afterSocialInsurance = bonus.afterSocialInsurance;
    figures.ratePercent = bonus.ratePercent;
    figures.tax = bonus.tax;
    return figures;
}

std::int32_t payAfterSocialInsurance(std::int32_t pay, std::int32_t socialInsurance) {
    return checkedAmount(std::int64_t{pay} - socialInsurance, "社会保険料控除後の金額");
}

}  // namespace nencho
