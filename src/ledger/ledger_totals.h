#pragma once
// The ledger's totals and the values it hands to the year-end screens. Every sum is formed in
// 64 bits and refused when it leaves the signed 32-bit range, leaving the sheet as it was.
#include <cstdint>
#include <optional>

#include "ledger/ledger_table.h"

namespace nencho {

// The sum of a column over rows first to last; no value beyond the signed 32-bit range.
std::optional<std::int32_t> sumOfRows(const LedgerSheet& sheet, int first, int last,
                                      LedgerColumn column);

// Row 13 from months 1-12, row 17 from bonuses 1-3, row 18 as row 13 plus row 17, for the four
// yen columns. False (and the sheet untouched) when a sum does not fit.
bool formMonthTotals(LedgerSheet& sheet);
bool formBonusTotals(LedgerSheet& sheet);
bool formGrandTotals(LedgerSheet& sheet);

// Whether the months, the bonuses and both together sum within range in every yen column:
// what a sheet must satisfy before it is totalled or stored.
bool sumsFit(const LedgerSheet& sheet);

// What the ledger feeds into the year-end, insurance and dependants screens.
struct LedgerFeed {
    std::int32_t monthPay;
    std::int32_t monthTax;
    std::int32_t bonusPay;
    std::int32_t bonusTax;
    std::int32_t grandPay;
    std::int32_t grandTax;
    std::int32_t grandInsurance;
    std::int32_t decemberDependants;
};
LedgerFeed feedOf(const LedgerSheet& sheet);

}  // namespace nencho
