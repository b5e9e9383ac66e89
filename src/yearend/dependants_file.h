#pragma once
// The dependants record of a person and year (year file kind 2), 92 lines: the deduction
// amounts R1 to R17, the counts C1 to C8, the spouse's seven texts and the five dependants'
// eight texts, the spouse's annual income, a number kept as 0, the six numbers typed in the
// grid's dependants column and the spare texts "予備1" to "予備12".
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace nencho {

inline constexpr int kDependantsFileLines = 92;
inline constexpr int kDependantRows = 5;
inline constexpr int kDependantsSpareFields = 12;

// The longest texts of a row besides the name, the relation and the address (person_file.h),
// in full-width characters, and the longest birth date, an era date.
inline constexpr int kOccupationLength = 6;
inline constexpr int kOtherLength = 6;
inline constexpr const char* kLongestEraDate = "昭和37年12月31日";

// Lines 26-32: the spouse's row has no annual income of its own here (that is line 73).
struct SpouseRow {
    std::string name;
    std::string relation;
    std::string birthDate;
    std::string marker;  // "老人" or empty
    std::string occupation;
    std::string address;
    std::string other;

    bool operator==(const SpouseRow&) const = default;
};

// Lines 33-40, 41-48, 49-56, 57-64, 65-72.
struct DependantRow {
    std::string name;
    std::string relation;
    std::string birthDate;
    std::string marker;  // "老人", "特定" or empty
    std::string occupation;
    std::string address;
    std::string annualIncome;  // as typed; nothing computes with it
    std::string other;

    bool operator==(const DependantRow&) const = default;
};

// Lines 75-80: the numbers typed in the grid's dependants column, grid rows 1 to 6.
struct TypedConditionCounts {
    std::int32_t disabledOrStudent = 0;            // 障害者/勤労学生
    std::int32_t speciallyDisabled = 0;            // 特別障害者
    std::int32_t cohabitingSpeciallyDisabled = 0;  // 同居特別障害者
    std::int32_t elderlyDependant = 0;             // 老人扶養
    std::int32_t specificDependant = 0;            // 特定扶養家族
    std::int32_t cohabitingElderlyParent = 0;      // 同居老親等

    bool operator==(const TypedConditionCounts&) const = default;
};

struct DependantsRecord {
    // Lines 1-17: R1 to R17.
    std::int32_t personElderly = 0;                 // R1 老年者
    std::int32_t personDisabledWidowOrStudent = 0;  // R2 障害者, 寡婦, 寡夫, 勤労学生
    std::int32_t personSpeciallyDisabled = 0;       // R3 特別障害者
    std::int32_t reservedAmount = 0;                // R4 kept as loaded, never added
    std::int32_t personSpecialWidow = 0;            // R5 特別寡婦
    std::int32_t spouseDisabledOrStudent = 0;       // R6
    std::int32_t spouseSpeciallyDisabled = 0;       // R7
    std::int32_t spouseCohabitingSpeciallyDisabled = 0;  // R8
    std::int32_t spouseElderly = 0;                      // R9
    std::int32_t disabledAmount = 0;                     // R10 C1 × 270,000
    std::int32_t speciallyDisabledAmount = 0;            // R11 C2 × 400,000
    std::int32_t cohabitingSpeciallyDisabledAmount = 0;  // R12 C3 × 750,000
    std::int32_t specificDependantAddition = 0;          // R13 C4 × 250,000
    std::int32_t elderlyDependantAddition = 0;           // R14 C5 × 100,000
    std::int32_t cohabitingElderlyParentAddition = 0;    // R15 C6 × 200,000
    std::int32_t basicAndDependantsDeduction = 0;        // R16 (C7 + 1) × 380,000
    std::int32_t totalDeduction = 0;                     // R17 扶養控除額合計

    // Lines 18-25: C1 to C8.
    std::int32_t disabledCount = 0;                     // C1
    std::int32_t speciallyDisabledCount = 0;            // C2
    std::int32_t cohabitingSpeciallyDisabledCount = 0;  // C3
    std::int32_t specificDependantCount = 0;            // C4
    std::int32_t elderlyDependantCount = 0;             // C5
    std::int32_t cohabitingElderlyParentCount = 0;      // C6
    std::int32_t dependantsInAll = 0;                   // C7, the spouse included when counted
    std::int32_t spouseConditionFlag = 0;               // C8, stored as 0

    SpouseRow spouse;                                     // lines 26-32
    std::array<DependantRow, kDependantRows> dependants;  // lines 33-72

    std::int32_t spouseAnnualIncome = 0;  // line 73
    std::int32_t reservedNumber = 0;      // line 74
    TypedConditionCounts typedCounts;     // lines 75-80

    // Lines 81-92; no reader uses them.
    std::array<std::string, kDependantsSpareFields> spareFields = {
        "予備1", "予備2", "予備3", "予備4",  "予備5",  "予備6",
        "予備7", "予備8", "予備9", "予備10", "予備11", "予備12"};

    bool operator==(const DependantsRecord&) const = default;
};

// Lines 1-25 in stored order: R1 to R17, then C1 to C8.
inline constexpr std::array<std::int32_t DependantsRecord::*, 25> kDependantsLeadingNumbers = {
    &DependantsRecord::personElderly,
    &DependantsRecord::personDisabledWidowOrStudent,
    &DependantsRecord::personSpeciallyDisabled,
    &DependantsRecord::reservedAmount,
    &DependantsRecord::personSpecialWidow,
    &DependantsRecord::spouseDisabledOrStudent,
    &DependantsRecord::spouseSpeciallyDisabled,
    &DependantsRecord::spouseCohabitingSpeciallyDisabled,
    &DependantsRecord::spouseElderly,
    &DependantsRecord::disabledAmount,
    &DependantsRecord::speciallyDisabledAmount,
    &DependantsRecord::cohabitingSpeciallyDisabledAmount,
    &DependantsRecord::specificDependantAddition,
    &DependantsRecord::elderlyDependantAddition,
    &DependantsRecord::cohabitingElderlyParentAddition,
    &DependantsRecord::basicAndDependantsDeduction,
    &DependantsRecord::totalDeduction,
    &DependantsRecord::disabledCount,
    &DependantsRecord::speciallyDisabledCount,
    &DependantsRecord::cohabitingSpeciallyDisabledCount,
    &DependantsRecord::specificDependantCount,
    &DependantsRecord::elderlyDependantCount,
    &DependantsRecord::cohabitingElderlyParentCount,
    &DependantsRecord::dependantsInAll,
    &DependantsRecord::spouseConditionFlag,
};

class DependantsFile {
  public:
    // The person's record of the year; none when the file (or the year's folder) does not
    // exist. Throws a RecordError when the record is damaged (fewer than 80 lines, a number that
    // is not one) or the file number leaves 32 bits. Missing spare lines read as their defaults.
    static std::optional<DependantsRecord> load(const std::string& taxYearCode,
                                                std::int32_t personKey);
    // Replaces the record whole. Throws a RecordError: Overflow, PathNotFound when the year's
    // folder is missing, TextNotStorable, WriteFailed.
    static void save(const std::string& taxYearCode, std::int32_t personKey,
                     const DependantsRecord& record);
};

}  // namespace nencho
