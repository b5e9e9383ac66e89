#pragma once
// The spouse special deduction, looked up from the spouse's income, and the spouse's income
// derived from the pay and bonuses the spouse received.
#include <cstdint>

namespace nencho {

// 0 for an income of 380,000 yen or less and for 760,000 yen or more.
std::int32_t spouseSpecialDeduction(std::int32_t spouseIncome);

// The pay less 650,000 yen, with no lower bound; a pay of 0 (an empty box) gives 0. Throws a
// Failure when the difference leaves the signed 32-bit range.
std::int32_t spouseIncomeFromPay(std::int32_t spousePay);

}  // namespace nencho
