#pragma once
// Record files: one field per line ended by CR LF, texts in double quotes, whole numbers in
// plain decimal, code page 932 on disk. A record is written whole through the one safe write
// of platform/file_system.h, so a failed write leaves the old record as it was.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nencho {

class RecordWriter {
  public:
    RecordWriter& text(std::string_view utf8);
    RecordWriter& number(std::int64_t value);
    // The literal spare texts "予備<from>" … "予備<to>".
    RecordWriter& spare(int from, int to);

    // The file's bytes. Throws TextNotStorable when a text holds a double quote, a line break
    // or a character code page 932 cannot hold (the twins of Linux input methods are mapped).
    std::string bytes() const;

    // Writes the record at a system path, replacing it. Throws a RecordError: PathNotFound
    // when its folder is missing, TextNotStorable (before any file is touched), WriteFailed.
    void save(const std::string& systemPath) const;
    // Writes a record that must not exist yet; FileAlreadyExists when it does. The record is
    // never seen empty or half written.
    void saveNew(const std::string& systemPath) const;

    std::size_t fieldCount() const { return fields_.size(); }

  private:
    struct Field {
        bool isText;
        std::string value;  // UTF-8 text, or the decimal digits
    };
    std::vector<Field> fields_;
};

// Reads fields back in order, the way a sequential read does: leading spaces skipped, a quoted
// field is the text up to the next quote (the rest of its line skipped), any other field runs
// to the end of the line or a comma with trailing spaces dropped.
class RecordReader {
  public:
    explicit RecordReader(std::string utf8Content);
    // Reads the file at a system path whole and closes it. Throws FileNotFound, PathNotFound,
    // ReadFailed.
    static RecordReader open(const std::string& systemPath);

    std::string text();            // any field as its text
    std::int32_t longNumber();     // signed 32-bit: empty is 0; TypeMismatch, Overflow
    std::int16_t integerNumber();  // signed 16-bit: as above, Overflow beyond 16 bits
    void skip(int count = 1);
    bool atEnd() const { return pos_ >= content_.size(); }

  private:
    std::string nextField();
    std::string content_;
    std::size_t pos_ = 0;
    std::string path_;  // the file read, named by a failure; empty for a text given
};

// Checks a text before anything is written: throws TextNotStorable with the offending
// character named. Returns the text as it will be stored (twins mapped).
std::string storableText(std::string_view utf8);

}  // namespace nencho
