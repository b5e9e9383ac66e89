#pragma once
// The spouse and housing record of a person and year: 22 lines. 1 the housing-loan credit,
// 2 the spouse's pay and bonuses, 3 the spouse's income, 4 the spouse special deduction
// (whole yen), 5 the spouse's reading and 6 the spouse's name (texts), 7 to 10 four reserved
// numbers written back as they were read, then the spare texts "予備1" to "予備12".
// Every reader takes lines 1 to 10 only, so the ten-zero record that person registration
// writes reads as zero amounts with "0" as the reading and the name.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace nencho {

struct SpouseHousingRecord {
    static constexpr int kLines = 22;
    static constexpr int kReadLines = 10;

    std::int32_t housingLoanCredit = 0;       // line 1 (住宅取得控除)
    std::int32_t spousePay = 0;               // line 2: pay and bonuses the spouse received
    std::int32_t spouseIncome = 0;            // line 3, may be negative
    std::int32_t spouseSpecialDeduction = 0;  // line 4
    std::string spouseReading;                // line 5 (フリガナ)
    std::string spouseName;                   // line 6
    std::array<std::int32_t, 4> reserved{};   // lines 7-10, 0 in every record the system makes
    // Lines 11-22 are the literal spare texts; they are written, never read.

    bool operator==(const SpouseHousingRecord&) const = default;
};

class SpouseHousingFile {
  public:
    static constexpr int kZeroLines = 10;

    // Lines 1 to 10. No value when the record does not exist; a RecordError when it cannot be
    // read that far, or when the file number leaves the 32-bit range (Overflow).
    static std::optional<SpouseHousingRecord> load(const std::string& taxYearCode,
                                                   std::int32_t personKey);
    // Replaces the record whole; on a failure (a RecordError) the old record stays as it was.
    static void save(const std::string& taxYearCode, std::int32_t personKey,
                     const SpouseHousingRecord& record);

    // Writes ten lines "0" for a person who has no record in the year; an existing record,
    // which holds what the spouse and housing screen entered, is left alone. True when written.
    static bool saveZerosIfMissing(const std::string& taxYearCode, std::int32_t personKey);
};

}  // namespace nencho
