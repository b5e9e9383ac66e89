#include "records/company_file.h"

#include "common/amount.h"
#include "common/keys.h"
#include "common/paths.h"

namespace nencho {

namespace {

inline constexpr std::int32_t kCodeWithoutNumber = 999;

void writeDate(RecordWriter& writer, const CompanyDate& date) {
    writer.number(date.year).number(date.month).number(date.day);
}

CompanyDate readDate(RecordReader& reader) {
    CompanyDate date;
    date.year = reader.longNumber();
    date.month = reader.longNumber();
    date.day = reader.longNumber();
    return date;
}

// Both layouts, line by line: code, capital, business year start and end, reading, name (the
// heading ends here), then the rest; only the current layout has the representative's name.
void readCompany(RecordReader& reader, LegacyCompanyLayout& values, std::string* representativeName,
                 CompanyFields fields) {
    values.code = reader.longNumber();
    values.capital = reader.longNumber();
    values.businessYearStart = readDate(reader);
    values.businessYearEnd = readDate(reader);
    values.reading = reader.text();
    values.name = reader.text();
    if (fields == CompanyFields::Heading) return;
    values.taxPlace = reader.text();
    values.representativeReading = reader.text();
    if (representativeName) *representativeName = reader.text();
    values.representativeAddress = reader.text();
    values.businessType = reader.text();
    values.taxOffice = reader.text();
    values.phone = reader.text();
    values.settlement = readDate(reader);
}

}  // namespace

RecordWriter companyFileWriter(const CompanyRecord& record) {
    RecordWriter writer;
    writer.number(record.code).number(record.capital);
    writeDate(writer, record.businessYearStart);
    writeDate(writer, record.businessYearEnd);
    writer.text(record.reading)
        .text(record.name)
        .text(record.taxPlace)
        .text(record.representativeReading)
        .text(record.representativeName)
        .text(record.representativeAddress)
        .text(record.businessType)
        .text(record.taxOffice)
        .text(record.phone);
    writeDate(writer, record.settlement);
    writer.spare(1, 12);
    return writer;
}

CompanyRecord loadCompanyFile(std::int64_t companyCode, CompanyFields fields) {
    RecordReader reader = RecordReader::open(companyFilePath(companyCode));
    CompanyRecord record;
    readCompany(reader, record, &record.representativeName, fields);
    return record;
}

LegacyCompanyLayout loadLegacyCompanyFile(std::int64_t companyCode) {
    RecordReader reader = RecordReader::open(corporateTaxCompanyFilePath(companyCode));
    LegacyCompanyLayout values;
    readCompany(reader, values, nullptr, CompanyFields::Whole);
    return values;
}

std::optional<std::int32_t> registrationCode(std::string_view codeBox) {
    const AmountReading reading = readAmount(codeBox);
    if (reading.outOfRange) return std::nullopt;
    const std::optional<std::int32_t> typed = reading.value;
    if (!typed) return kCodeWithoutNumber;
    if (*typed < 1 || *typed > kLastCompanyCode) return std::nullopt;
    return typed;
}

std::string capitalBoxText(std::int32_t capital) {
    return "  " + formatAmount(capital);
}

}  // namespace nencho
