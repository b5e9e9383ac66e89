#pragma once
// The stored ledger of one person and year: 117 lines. Lines 1-87 whole numbers (pay, social
// insurance and pay after social insurance of rows 1-18, the number of dependants of the month
// and bonus rows, the tax of rows 1-18), lines 88-105 the pay-day texts, lines 106-117 the
// spare texts "予備1" to "予備12".
#include <optional>
#include <string>
#include <vector>

#include "ledger/ledger_table.h"
#include "platform/record_file.h"

namespace nencho {

inline constexpr int kLedgerFileLines = 117;
inline constexpr int kLedgerLinesRead = 105;

// The line (1-based) of a cell; no value for the dependants of a total row, which is not stored.
std::optional<int> ledgerLine(int row, LedgerColumn column);
inline constexpr int payDateLine(int index) {
    return 87 + index;
}  // index 1 to 18

// The ledger file of a person in a tax year; no value when the key leaves the 32-bit range.
std::optional<std::string> ledgerFilePath(const std::string& taxYearCode, const LedgerOwner& owner);

// The records one save of the ledger writes, the ledger first, then the insurance and dependants
// records its year-end feed rewrites; none when the key names no year file.
std::optional<std::vector<std::string>> ledgerSaveRecords(const std::string& taxYearCode,
                                                          std::int32_t personKey);

// Reads lines 1 to 105. Throws RecordError (FileNotFound, PathNotFound, TypeMismatch,
// Overflow, InputPastEnd).
LedgerRecord readLedgerFile(const std::string& systemPath);

// The record as it is written; saving it replaces the file whole.
RecordWriter ledgerFileWriter(const LedgerRecord& record);

}  // namespace nencho
