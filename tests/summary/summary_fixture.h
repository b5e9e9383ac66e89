#pragma once
// A company's year of records as the ledger and the year-end sheet store them, for the summary:
// ledgers and year-end results written through their one writers, with gaps in both.
#include <cstdint>
#include <string>

#include "common/keys.h"
#include "common/paths.h"
#include "ledger/ledger_file.h"
#include "platform/file_system.h"
#include "yearend/adjustment_result_file.h"

namespace nencho::test {

// Row r of person p pays 1,000p + r and withholds 10p + r, in every row including the totals,
// so a row total shows at once which persons it added.
inline LedgerSheet numberedLedger(int person) {
    LedgerSheet sheet;
    for (int row = 1; row <= kLedgerRows; ++row) {
        sheet.setCell(row, LedgerColumn::Pay, 1000 * person + row);
        sheet.setCell(row, LedgerColumn::SocialInsurance, 7);
        sheet.setCell(row, LedgerColumn::Tax, 10 * person + row);
    }
    return sheet;
}

inline void storeLedger(const std::string& year, std::int32_t company, std::int32_t person,
                        const LedgerSheet& sheet) {
    ensureDataTree(year);
    ledgerFileWriter({sheet, {}}).save(*ledgerFilePath(year, {company, person}));
}

inline void storeBalance(const std::string& year, std::int32_t company, std::int32_t person,
                         std::int32_t balance,
                         AdjustmentStatus status = AdjustmentStatus::Adjusted) {
    ensureDataTree(year);
    AdjustmentResultRecord record;
    record.lines.at(static_cast<std::size_t>(*adjustmentRecordLine(AdjustmentValue::Balance) - 1)) =
        balance;
    record.statusText = std::string(adjustmentStatusText(status));
    AdjustmentResultFile::save(year, *personKey(company, person), record);
}

// Company 5 in H17:
//   person 1, 2, 99  ledger and result        person 3  ledger, no result
//   person 4         result, no ledger        person 5  nothing (its ledger is in H14 only)
//   person 6         ledger, stored as not adjusted (balance 0)
// and records under the key of code 100 (company 6, person 0), which belong to no one here.
inline constexpr std::int16_t kCompany = 5;
inline constexpr int kLedgerPersons[] = {1, 2, 3, 6, 99};

inline void storeFixtureCompany() {
    for (int person : kLedgerPersons) storeLedger("H17", kCompany, person, numberedLedger(person));
    storeBalance("H17", kCompany, 1, 12'800);
    storeBalance("H17", kCompany, 2, -30'000);
    storeBalance("H17", kCompany, 4, -7'200);
    storeBalance("H17", kCompany, 6, 0, AdjustmentStatus::NotAdjusted);
    storeBalance("H17", kCompany, 99, 1'000);
    storeLedger("H14", kCompany, 5, numberedLedger(5));
    storeLedger("H17", kCompany + 1, 0, numberedLedger(500));
    storeBalance("H17", kCompany + 1, 0, 900'000);
}

// What the fixture adds up to: the ledger persons' codes sum to 111, and there are five.
inline constexpr std::int32_t fixturePay(int row) {
    return 111'000 + 5 * row;
}
inline constexpr std::int32_t fixtureTax(int row) {
    return 1'110 + 5 * row;
}
inline constexpr std::int32_t kFixtureFirstHalfPay = 666'105;  // rows 1 to 6
inline constexpr std::int32_t kFixtureFirstHalfTax = 6'765;
inline constexpr std::int32_t kFixtureSecondHalfPay = 666'285;  // rows 7 to 12
inline constexpr std::int32_t kFixtureSecondHalfTax = 6'945;
inline constexpr std::int32_t kFixtureBalance = -23'400;  // 12,800 - 30,000 - 7,200 + 0 + 1,000
inline constexpr int kFixtureBalancePersons = 5;          // 1, 2, 4, 6 and 99

}  // namespace nencho::test
