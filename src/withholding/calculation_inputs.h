#pragma once
// What the calculation screens hand to the withholding rules and what they get back: one
// month's pay or one bonus in, the premiums and the tax out. The screens only read boxes,
// call these functions and write the figures back into the ledger. An amount that cannot be
// formed throws a CalculationError (checked_amounts.h) whose description the screen shows.
#include <cstdint>

namespace nencho {

// One month of one person, as the monthly calculation screen has it.
struct MonthlyInputs {
    std::int32_t pay = 0;
    bool withNursingCare = false;  // "介護保険あり": the higher health rate
    bool noHealth = false;         // "健康保険なし" ticked
    bool noPension = false;        // "厚生年金なし" ticked
    bool withEmployment = false;   // "雇用保険あり" ticked
    std::int32_t dependants = 0;   // spouse included
};

// The month's figures in whole yen; every sum fits in 32 bits.
struct MonthlyFigures {
    std::int32_t pay = 0;
    std::int32_t health = 0;
    std::int32_t pension = 0;
    std::int32_t employment = 0;
    std::int32_t socialInsurance = 0;       // health + pension + employment
    std::int32_t afterSocialInsurance = 0;  // pay − social insurance
    std::int32_t tax = 0;                   // a multiple of 10
    std::int32_t totalDeductions = 0;       // social insurance + tax
    std::int32_t netPay = 0;                // pay − total deductions
};

// The premiums after the check boxes and the month's withholding tax. A CalculationError when a
// sum leaves the signed 32-bit range (only a pay near the lowest 32-bit number gets there).
MonthlyFigures computeMonthly(const MonthlyInputs& inputs);

// One bonus of one person, as the bonus screen has it.
struct BonusInputs {
    std::int32_t bonus = 0;
    std::int32_t previousMonthPay = 0;  // the key of the rate table
    int dependantsNumber = 0;           // 0 to 7 from the options; 7 stands for seven or more
    bool withHealth = false;            // "健康保険あり"
    bool withEmployment = false;        // "雇用保険あり"
};

struct BonusFigures {
    std::int32_t health = 0;
    std::int32_t employment = 0;
    std::int32_t socialInsurance = 0;       // health + employment; no pension on a bonus
    std::int32_t afterSocialInsurance = 0;  // bonus − social insurance
    int ratePercent = 0;
    std::int32_t tax = 0;  // a multiple of 10
};

// A CalculationError when a product or sum leaves the signed 32-bit range (a bonus above
// 715,827,882 yen, or a taxed amount too large for its rate).
BonusFigures computeBonus(const BonusInputs& inputs);

// The pay or bonus less the social insurance typed by hand; a CalculationError when the
// difference leaves the signed 32-bit range.
std::int32_t payAfterSocialInsurance(std::int32_t pay, std::int32_t socialInsurance);

}  // namespace nencho
