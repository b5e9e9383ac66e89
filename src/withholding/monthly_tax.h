#pragma once
// The monthly withholding income tax by the computer-calculation method: the pay less social
// insurance, less the employment-income deduction and the basic-and-dependants deduction, taxed
// by brackets and cut to 10 yen.
#include <cstdint>

#include "withholding/checked_amounts.h"

namespace nencho {

struct MonthlyTax {
    std::int32_t subjectToTax = 0;  // pay less social insurance; may be 0 or negative
    std::int32_t afterIncomeDeduction = 0;
    std::int32_t basicAndDependantsDeduction = 0;
    std::int32_t taxable = 0;  // never negative
    std::int32_t tax = 0;      // a multiple of 10, never negative
};

// The monthly employment-income deduction of an amount subject to tax.
std::int32_t employmentIncomeDeduction(std::int32_t subjectToTax);

// The tax of a taxable amount (0 or more): its bracket's formula, rounded to the nearest yen
// (ties to the even yen), then cut down to a multiple of 10 yen.
std::int32_t taxOnTaxableAmount(std::int32_t taxable);

// The spouse counts as a dependant. Any count is taken as it is, a negative one too; an
// intermediate amount outside the signed 32-bit range throws a CalculationError naming it.
MonthlyTax monthlyTax(std::int32_t pay, std::int32_t socialInsurance, std::int32_t dependants);

}  // namespace nencho
