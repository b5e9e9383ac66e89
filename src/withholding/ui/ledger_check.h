#pragma once
// Whether the ledger screen will take a month's row that a calculation is about to hand back,
// asked before the calculation writes anything of its own.
#include <cstdint>

namespace nencho {

struct MonthRowAmounts {
    std::int32_t pay = 0;
    std::int32_t socialInsurance = 0;
    std::int32_t afterSocialInsurance = 0;
    std::int32_t tax = 0;
};

// The ledger refuses a row whose month, bonus or grand totals would leave 32 bits. Reads the
// rows the ledger shows and puts this row in place of the month's.
bool ledgerTakesMonthRow(int month, const MonthRowAmounts& row);

}  // namespace nencho
