#pragma once
// The stored year-end adjustment of a person and year: 37 lines. Lines 1 to 25 the whole-yen
// values of the sheet (kAdjustmentRecordValues, in line order), line 26 the decision
// ("年末調整実行" or "年調しない"), lines 27 to 37 the spare texts "予備2" to "予備12".
// The main menu reads the decision, the print data lines 1 to 25, the summary table the balance.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "yearend/adjustment.h"

namespace nencho {

struct AdjustmentResultRecord {
    static constexpr int kValueLines = static_cast<int>(kAdjustmentRecordValues.size());
    static constexpr int kStatusLine = 26;
    static constexpr int kLines = 37;

    std::array<std::int32_t, kValueLines> lines{};  // lines[0] is line 1
    std::string statusText;                         // line 26 as stored

    // The record of the sheet's values with its decision.
    static AdjustmentResultRecord of(const AdjustmentResult& result, AdjustmentStatus status);

    // Line 1 to 25.
    std::int32_t line(int number) const;
    // A value the record stores (every value of kAdjustmentRecordValues); std::out_of_range
    // for the others.
    std::int32_t value(AdjustmentValue which) const;
    // The decision, none when line 26 holds another text.
    std::optional<AdjustmentStatus> status() const;

    bool operator==(const AdjustmentResultRecord&) const = default;
};

// The record line (1 to 25) that stores a value; none for a value the record does not keep.
std::optional<int> adjustmentRecordLine(AdjustmentValue which);

class AdjustmentResultFile {
  public:
    // Lines 1 to 26. No value when the record does not exist; a RecordError when it cannot be
    // read that far, or when the file number leaves the 32-bit range (Overflow).
    static std::optional<AdjustmentResultRecord> load(const std::string& taxYearCode,
                                                      std::int32_t personKey);
    // Replaces the record whole; on a failure (a RecordError) the old record stays as it was.
    static void save(const std::string& taxYearCode, std::int32_t personKey,
                     const AdjustmentResultRecord& record);
};

}  // namespace nencho
