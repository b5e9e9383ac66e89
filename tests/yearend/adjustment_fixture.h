#pragma once
#include "yearend/adjustment.h"

namespace nencho::test {

// Pay of 5,000,000 with 150,000 withheld: the annual tax of 162,800 leaves a shortfall of 12,800.
inline AdjustmentInput shortfallOf12800() {
    AdjustmentInput input;
    input.monthPay = 4'200'000;
    input.bonusPay = 800'000;
    input.payInAll = 5'000'000;
    input.monthTax = 146'000;
    input.bonusTax = 4'000;
    input.taxWithheld = 150'000;
    input.socialInsuranceFromPay = 600'000;
    input.deductions.lifeInsuranceDeduction = 50'000;
    input.deductions.casualtyDeduction = 15'000;
    input.deductions.dependantsDeduction = 760'000;
    return input;
}

}  // namespace nencho::test
