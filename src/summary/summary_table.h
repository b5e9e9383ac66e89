#pragma once
// The summary table of one company and working year: the pay and the withholding tax of every
// ledger row summed over the company's persons 1 to 99, the same two sums for January to June
// and for July to December, and the net total of the persons' stored year-end balances.
// Code 100 would be person 0 of the next company, so it is never read.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/keys.h"
#include "ledger/ledger_table.h"

namespace nencho {

struct PayAndTax {
    std::int32_t pay = 0;
    std::int32_t tax = 0;
    bool operator==(const PayAndTax&) const = default;
};

// A person's record that is there but cannot be read; the person is left out of its sums.
struct UnreadableRecord {
    int personCode = 0;
    YearFileKind kind = YearFileKind::Ledger;  // Ledger or AdjustmentResult
    std::string systemPath;
    std::string reason;
    bool operator==(const UnreadableRecord&) const = default;
};

struct SummaryTable {
    // Index 1 to 18 the ledger rows as the persons' ledgers store them: rows 13, 17 and 18 add
    // up each person's own totals, not the rows above them. Index 0 is unused.
    std::array<PayAndTax, kLedgerRows + 1> rows{};
    PayAndTax firstHalf;   // rows 1 to 6
    PayAndTax secondHalf;  // rows 7 to 12
    // Above 0 the persons owe more tax in all than was withheld (不足); below 0 more was
    // withheld than owed (超過).
    std::int32_t balanceTotal = 0;
    int balancePersons = 0;  // the persons whose stored year-end result the total covers
    std::vector<UnreadableRecord> unreadable;

    const PayAndTax& row(int ledgerRow) const { return rows.at(ledgerRow); }
    bool operator==(const SummaryTable&) const = default;
};

inline constexpr int kFirstHalfLastRow = 6;

// Reads the ledger and the stored year-end result of each person 1 to 99 of the company in the
// year's folder, each through its one reader. A person without a record adds nothing to its
// sums; a record that cannot be read is listed in `unreadable` and adds nothing either.
// Throws a Failure naming the sum when a sum leaves the signed 32-bit range.
SummaryTable summarise(const std::string& taxYearCode, std::int16_t companyCode);

// The message that names the records a summary left out.
std::string describeUnreadable(const std::vector<UnreadableRecord>& records);

}  // namespace nencho
