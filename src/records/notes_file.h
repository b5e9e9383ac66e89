#pragma once
// The notes record of a person and year: two free remark lines (the previous employer and the
// like), stored in the year's folder under the year file number of kind 4.
#include <cstdint>
#include <string>

namespace nencho {

// The longest remark line a clerk types, in full-width characters; the screens show it whole.
inline constexpr int kNoteLineLength = 30;

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

}  // namespace nencho
