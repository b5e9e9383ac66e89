#pragma once
// The monthly pay record: the breakdown of one automatically computed month of one person in
// one working year, eight whole numbers in the year folder, named by the person key and the
// month. The ledger's pay statement reads it back to show the premiums one by one.
#include <cstdint>
#include <string>

#include "withholding/monthly_calculation.h"

namespace nencho {

struct MonthlyPayRecord {
    std::int32_t month = 0;  // 1 to 12
    std::int32_t pay = 0;
    std::int32_t health = 0;
    std::int32_t pension = 0;
    std::int32_t employment = 0;
    std::int32_t tax = 0;
    std::int32_t totalDeductions = 0;  // health + pension + employment + tax
    std::int32_t netPay = 0;           // pay − total deductions

    friend bool operator==(const MonthlyPayRecord&, const MonthlyPayRecord&) = default;
};

MonthlyPayRecord monthlyPayRecordOf(int month, const MonthlyCalculation& figures);

// Writes the eight lines whole, replacing an earlier record of the month. Throws RecordError
// (PathNotFound when the year folder is missing).
void saveMonthlyPayRecord(const std::string& systemPath, const MonthlyPayRecord& record);

// Reads the eight lines back. Throws RecordError (FileNotFound for a month never computed).
MonthlyPayRecord loadMonthlyPayRecord(const std::string& systemPath);

}  // namespace nencho
