#pragma once
// One month of one person: the three social insurance premiums, the withholding tax and the
// amounts the ledger row receives.
#include <cstdint>

#include "withholding/checked_amounts.h"
#include "withholding/monthly_tax.h"
#include "withholding/social_insurance.h"

namespace nencho {

struct MonthlyInput {
    std::int32_t pay = 0;
    NursingCare nursingCare = NursingCare::Without;
    bool healthInsured = true;
    bool pensionInsured = true;
    bool employmentInsured = false;
    std::int32_t dependants = 0;
};

struct MonthlyCalculation {
    std::int32_t pay = 0;
    int grade = 0;  // thousand yen
    std::int32_t health = 0;
    std::int32_t pension = 0;
    float wageGroup = 0;  // thousand yen
    std::int32_t employment = 0;
    std::int32_t socialInsurance = 0;
    std::int32_t payAfterSocialInsurance = 0;
    MonthlyTax tax;
    std::int32_t totalDeductions = 0;  // social insurance + tax
    std::int32_t netPay = 0;
};

// A premium that does not apply is 0; an amount outside the signed 32-bit range throws a
// CalculationError naming it.
MonthlyCalculation calculateMonth(const MonthlyInput& input);

}  // namespace nencho
