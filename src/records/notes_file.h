#pragma once
// The notes record of a person and year: two free remark lines (the previous employer and the
// like), stored in the year's folder under the year file number of kind 4. The same store gives
// a person without a spouse and housing record one of ten zero lines.
#include <cstdint>
#include <string>

namespace nencho {

struct NotesLines {
    std::string first;
    std::string second;
};

class NotesFile {
  public:
    // Throws a RecordError: Overflow when the file number leaves 32 bits, PathNotFound when the
    // year's folder is missing, TextNotStorable.
    static void save(const std::string& taxYearCode, std::int32_t personKey,
                     const NotesLines& lines);
    // Throws a RecordError when the record is missing or holds fewer than two lines.
    static NotesLines load(const std::string& taxYearCode, std::int32_t personKey);
};

class SpouseHousingFile {
  public:
    static constexpr int kZeroLines = 10;
    // Writes ten lines "0" for a person who has no record in the year; an existing record,
    // which holds what the spouse and housing screen entered, is left alone. True when written.
    static bool saveZerosIfMissing(const std::string& taxYearCode, std::int32_t personKey);
};

}  // namespace nencho
