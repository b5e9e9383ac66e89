#pragma once
// One bonus of one person: the health and employment premiums deducted from it and its
// withholding tax at the rate given by the dependants number and the previous month's pay.
#include <cstdint>

#include "withholding/checked_amounts.h"

namespace nencho {

struct BonusInput {
    std::int32_t bonus = 0;
    std::int32_t previousMonthPay = 0;
    int dependants = 0;  // 7 stands for seven or more
    bool healthInsured = false;
    bool employmentInsured = false;
};

struct BonusCalculation {
    std::int32_t health = 0;
    std::int32_t wageGroup = 0;  // thousand yen
    std::int32_t employment = 0;
    std::int32_t socialInsurance = 0;
    std::int32_t afterSocialInsurance = 0;
    int ratePercent = 0;
    std::int32_t tax = 0;  // cut down to a multiple of 10 yen
};

// The employment-insurance wage group of a bonus, in whole thousand yen.
std::int32_t bonusWageGroup(std::int32_t bonus);

// The tax rate in percent for a dependants number (0 to 7; any other number is taken as 0) and
// the previous month's pay.
int bonusRate(int dependants, std::int32_t previousMonthPay);

// Every product and sum is kept in the signed 32-bit range; leaving it throws a CalculationError
// naming the amount instead of giving one: a bonus whose triple leaves the range, or a rate x
// amount after social insurance that does.
BonusCalculation calculateBonus(const BonusInput& input);

}  // namespace nencho
