#include "withholding/monthly_calculation.h"

namespace nencho {

Outcome<MonthlyCalculation> calculateMonth(const MonthlyInput& input) {
    MonthlyCalculation month;
    month.grade = standardGrade(input.pay);
    month.health = input.healthInsured ? healthPremium(month.grade, input.nursingCare) : 0;
    month.pension = input.pensionInsured ? pensionPremium(month.grade) : 0;
    month.wageGroup = wageGroup(input.pay);
    month.employment = input.employmentInsured ? employmentPremium(input.pay) : 0;
    // Each premium is far below a quarter of the signed 32-bit range.
    month.socialInsurance = month.health + month.pension + month.employment;

    const Outcome<MonthlyTax> tax = monthlyTax(input.pay, month.socialInsurance, input.dependants);
    if (!tax.ok()) return tax.error();
    month.tax = tax.value();
    month.payAfterSocialInsurance = month.tax.subjectToTax;

    const auto total = fitInt32(std::int64_t{month.socialInsurance} + month.tax.tax);
    if (!total) return overflowError();
    const auto net = fitInt32(std::int64_t{input.pay} - *total);
    if (!net) return overflowError();
    month.totalDeductions = *total;
    month.netPay = *net;
    return month;
}

}  // namespace nencho
