#include "platform/record_file.h"

#include <algorithm>
#include <limits>

#include "common/amount.h"
#include "platform/cp932.h"
#include "platform/file_system.h"
#include "platform/record_error.h"

namespace nencho {

std::string storableText(std::string_view utf8) {
    std::string mapped = mapToCp932Twins(utf8);
    if (mapped.find('"') != std::string::npos)
        fail(FileErrorKind::TextNotStorable, {}, "「\"」は保存できません。");
    if (mapped.find_first_of("\r\n") != std::string::npos)
        fail(FileErrorKind::TextNotStorable, {}, "改行は保存できません。");
    std::string offending;
    if (!encodeCp932(mapped, &offending))
        fail(FileErrorKind::TextNotStorable, {},
             std::string("「").append(offending).append("」は保存できません。"));
    return mapped;
}

RecordWriter& RecordWriter::text(std::string_view utf8) {
    fields_.push_back({true, std::string(utf8)});
    return *this;
}

RecordWriter& RecordWriter::number(std::int64_t value) {
    fields_.push_back({false, decimal(value)});
    return *this;
}

RecordWriter& RecordWriter::spare(int from, int to) {
    for (int i = from; i <= to; ++i) text("予備" + std::to_string(i));
    return *this;
}

std::string RecordWriter::bytes() const {
    std::string utf8;
    for (const Field& field : fields_) {
        if (field.isText)
            utf8.append("\"").append(storableText(field.value)).append("\"");
        else
            utf8 += field.value;
        utf8 += "\r\n";
    }
    auto encoded = encodeCp932(utf8);
    if (!encoded) fail(FileErrorKind::TextNotStorable);
    return *encoded;
}

void RecordWriter::save(const std::string& systemPath) const {
    writeFile(systemPath, bytes());  // bytes() refuses unstorable text before any file is touched
}

void RecordWriter::saveNew(const std::string& systemPath) const {
    writeNewFile(systemPath, bytes());
}

RecordReader::RecordReader(std::string utf8Content) : content_(std::move(utf8Content)) {}

RecordReader RecordReader::open(const std::string& systemPath) {
    RecordReader reader(decodeCp932(readFile(systemPath)));
    reader.path_ = systemPath;
    return reader;
}

std::string RecordReader::nextField() {
    while (pos_ < content_.size() && content_[pos_] == ' ') ++pos_;
    if (pos_ >= content_.size()) fail(FileErrorKind::InputPastEnd, path_);

    auto skipLineEnd = [this] {
        if (pos_ < content_.size() && content_[pos_] == '\r') ++pos_;
        if (pos_ < content_.size() && content_[pos_] == '\n') ++pos_;
    };

    if (content_[pos_] == '"') {
        const std::size_t start = pos_ + 1;
        std::size_t close = content_.find('"', start);
        if (close == std::string::npos) close = content_.size();
        std::string field = content_.substr(start, close - start);
        // The rest of the line after the closing quote is skipped.
        pos_ = std::min(close + 1, content_.size());
        while (pos_ < content_.size() && content_[pos_] != '\r' && content_[pos_] != '\n') ++pos_;
        skipLineEnd();
        return field;
    }

    const std::size_t start = pos_;
    while (pos_ < content_.size() && content_[pos_] != ',' && content_[pos_] != '\r' &&
           content_[pos_] != '\n')
        ++pos_;
    std::string field = content_.substr(start, pos_ - start);
    while (!field.empty() && field.back() == ' ') field.pop_back();
    if (pos_ < content_.size() && content_[pos_] == ',')
        ++pos_;
    else
        skipLineEnd();
    return field;
}

std::string RecordReader::text() {
    return nextField();
}

namespace {

// A field read into a number: empty is 0, a fraction is rounded half to even. A failure names
// the record's file, when it was read from one.
std::int32_t toNumber(const std::string& field, const std::string& path) {
    if (field.empty()) return 0;
    const AmountReading reading = readAmount(field);
    if (!reading.value)
        fail(reading.outOfRange ? FileErrorKind::Overflow : FileErrorKind::TypeMismatch, path);
    return *reading.value;
}

}  // namespace

std::int32_t RecordReader::longNumber() {
    return toNumber(nextField(), path_);
}

std::int16_t RecordReader::integerNumber() {
    const std::int32_t value = toNumber(nextField(), path_);
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        fail(FileErrorKind::Overflow, path_);
    return static_cast<std::int16_t>(value);
}

void RecordReader::skip(int count) {
    for (int i = 0; i < count; ++i) nextField();
}

}  // namespace nencho
