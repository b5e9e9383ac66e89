#include "yearend/adjustment_result_file.h"

#include <stdexcept>

#include "common/paths.h"
#include "platform/file_system.h"
#include "platform/record_error.h"
#include "platform/record_file.h"

namespace nencho {

namespace {

std::string requirePath(const std::string& taxYearCode, std::int32_t personKey) {
    const auto path = yearFilePath(taxYearCode, personKey, YearFileKind::AdjustmentResult);
    if (!path) fail(FileErrorKind::Overflow);
    return *path;
}

}  // namespace

std::optional<int> adjustmentRecordLine(AdjustmentValue which) {
    for (std::size_t index = 0; index < kAdjustmentRecordValues.size(); ++index)
        if (kAdjustmentRecordValues[index] == static_cast<int>(which))
            return static_cast<int>(index) + 1;
    return std::nullopt;
}

AdjustmentResultRecord AdjustmentResultRecord::of(const AdjustmentResult& result,
                                                  AdjustmentStatus status) {
    AdjustmentResultRecord record;
    for (std::size_t index = 0; index < kAdjustmentRecordValues.size(); ++index)
        record.lines[index] = result.at(kAdjustmentRecordValues[index]);
    record.statusText = std::string(adjustmentStatusText(status));
    return record;
}

std::int32_t AdjustmentResultRecord::line(int number) const {
    return lines.at(static_cast<std::size_t>(number - 1));
}

std::int32_t AdjustmentResultRecord::value(AdjustmentValue which) const {
    const auto number = adjustmentRecordLine(which);
    if (!number) throw std::out_of_range("the adjustment record does not store this value");
    return line(*number);
}

std::optional<AdjustmentStatus> AdjustmentResultRecord::status() const {
    for (AdjustmentStatus status : {AdjustmentStatus::Adjusted, AdjustmentStatus::NotAdjusted})
        if (statusText == adjustmentStatusText(status)) return status;
    return std::nullopt;
}

std::optional<AdjustmentResultRecord> AdjustmentResultFile::load(const std::string& taxYearCode,
                                                                 std::int32_t personKey) {
    const std::string path = requirePath(taxYearCode, personKey);
    if (!fileExists(path)) return std::nullopt;
    RecordReader reader = RecordReader::open(path);
    AdjustmentResultRecord record;
    for (std::int32_t& value : record.lines) value = reader.longNumber();
    record.statusText = reader.text();
    return record;
}

void AdjustmentResultFile::save(const std::string& taxYearCode, std::int32_t personKey,
                                const AdjustmentResultRecord& record) {
    RecordWriter writer;
    for (std::int32_t value : record.lines) writer.number(value);
    writer.text(record.statusText).spare(2, 12);
    writer.save(requirePath(taxYearCode, personKey));
}

}  // namespace nencho
