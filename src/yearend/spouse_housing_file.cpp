#include "yearend/spouse_housing_file.h"

#include "common/paths.h"
#include "platform/file_system.h"
#include "platform/record_error.h"
#include "platform/record_file.h"

namespace nencho {

namespace {

std::string requirePath(const std::string& taxYearCode, std::int32_t personKey) {
    const auto path = yearFilePath(taxYearCode, personKey, YearFileKind::SpouseHousing);
    if (!path) fail(FileErrorKind::Overflow);
    return *path;
}

}  // namespace

std::optional<SpouseHousingRecord> SpouseHousingFile::load(const std::string& taxYearCode,
                                                           std::int32_t personKey) {
    const std::string path = requirePath(taxYearCode, personKey);
    if (!fileExists(path)) return std::nullopt;
    RecordReader reader = RecordReader::open(path);
    SpouseHousingRecord record;
    record.housingLoanCredit = reader.longNumber();
    record.spousePay = reader.longNumber();
    record.spouseIncome = reader.longNumber();
    record.spouseSpecialDeduction = reader.longNumber();
    record.spouseReading = reader.text();
    record.spouseName = reader.text();
    for (std::int32_t& value : record.reserved) value = reader.longNumber();
    return record;
}

void SpouseHousingFile::save(const std::string& taxYearCode, std::int32_t personKey,
                             const SpouseHousingRecord& record) {
    RecordWriter writer;
    writer.number(record.housingLoanCredit)
        .number(record.spousePay)
        .number(record.spouseIncome)
        .number(record.spouseSpecialDeduction)
        .text(record.spouseReading)
        .text(record.spouseName);
    for (std::int32_t value : record.reserved) writer.number(value);
    writer.spare(1, 12);
    writer.save(requirePath(taxYearCode, personKey));
}

bool SpouseHousingFile::saveZerosIfMissing(const std::string& taxYearCode, std::int32_t personKey) {
    const std::string path = requirePath(taxYearCode, personKey);
    if (fileExists(path)) return false;
    RecordWriter writer;
    for (int line = 0; line < kZeroLines; ++line) writer.number(0);
    writer.save(path);
    return true;
}

}  // namespace nencho
