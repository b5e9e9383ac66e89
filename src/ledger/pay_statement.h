#pragma once
// The pay statement of one month: the breakdown the monthly pay record holds, shown only while
// the record still agrees with the month's line of the ledger.
#include <array>
#include <cstdint>

#include "ledger/ledger_table.h"
#include "withholding/monthly_pay_record.h"

namespace nencho {

// The record agrees when the ledger's month holds its pay, the sum of its three premiums as
// social insurance, and its tax; a month entered by hand or copied forward since differs.
bool payRecordAgrees(const MonthlyPayRecord& record, const LedgerSheet& sheet, int month);

// The statement's seven amounts, top to bottom: pay, health, pension, employment, tax, total
// deductions, net pay.
inline constexpr int kPayStatementRows = 7;
std::array<std::int32_t, kPayStatementRows> payStatementAmounts(const MonthlyPayRecord& record);

}  // namespace nencho
