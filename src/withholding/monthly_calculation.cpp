#include "withholding/monthly_calculation.h"

namespace nencho {

MonthlyCalculation calculateMonth(const MonthlyInput& input) {
    MonthlyCalculation month;
    month.pay = input.pay;
    month.grade = standardGrade(input.pay);
    month.health = input.healthInsured ? healthPremium(month.grade, input.nursingCare) : 0;
    month.pension = input.pensionInsured ? pensionPremium(month.grade) : 0;
    month.wageGroup = wageGroup(input.pay);
    month.employment = input.employmentInsured ? employmentPremium(input.pay) : 0;
    // Each premium is far below a quarter of the signed 32-bit range.
    month.socialInsurance = month.health + month.pension + month.employment;

    month.tax = monthlyTax(input.pay, month.socialInsurance, input.dependants);
    month.payAfterSocialInsurance = month.tax.subjectToTax;
    month.totalDeductions =
        checkedAmount(std::int64_t{month.socialInsurance} + month.tax.tax, "控除額の合計");
    month.netPay = checkedAmount(std::int64_t{input.pay} - month.totalDeductions, "差引支給額");
    return month;
}

}  // namespace nencho
