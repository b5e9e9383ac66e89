#include "app/selection.h"

#include <limits>

#include "common/amount.h"
#include "common/code_list.h"
#include "common/keys.h"
#include "platform/record_error.h"
#include "records/company_file.h"
#include "records/list_entries.h"
#include "records/person_file.h"

namespace nencho {

namespace {

std::int16_t toPersonCode(std::int64_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        fail(FileErrorKind::Overflow);
    return static_cast<std::int16_t>(value);
}

std::int32_t requirePersonKey(std::int64_t companyCode, std::int64_t personCode) {
    const auto key = personKey(companyCode, personCode);
    if (!key) fail(FileErrorKind::Overflow);
    return *key;
}

[[noreturn]] void refuse(const std::string& description) {
    throw RecordError(FileErrorKind::FileNotFound, description);
}

}  // namespace

std::int32_t readCompanyCodeBox(std::string_view text) {
    const AmountReading reading = readAmount(text);
    if (!reading.value)
        fail(reading.outOfRange ? FileErrorKind::Overflow : FileErrorKind::TypeMismatch);
    return *reading.value;
}

std::int16_t readPersonCodeBox(std::string_view text) {
    return toPersonCode(readCompanyCodeBox(text));
}

std::int16_t steppedPersonCode(std::int16_t code, int step) {
    return toPersonCode(std::int64_t{code} + step);
}

CompanyHeading readCompanyHeading(std::int64_t companyCode) {
    const CompanyRecord company = loadCompanyFile(companyCode, CompanyFields::Heading);
    return {company.code, company.name};
}

PersonHeading readPersonHeading(std::int32_t companyCode, std::int16_t personCode,
                                bool throughBirthDate) {
    if (!isOwnPersonCode(personCode))
        refuse("個人コードは " + decimal(kFirstPersonCode) + " から " + decimal(kLastPersonCode) +
               " までです。");
    const std::int32_t key = requirePersonKey(companyCode, personCode);
    const PersonEntry person = PersonFile::load(
        key, throughBirthDate ? PersonFile::Fields::BirthDate : PersonFile::Fields::Name);
    if (person.personCode != personCode)
        refuse("個人コード " + decimal(personCode) + " の記録には別の個人コード " +
               decimal(person.personCode) + " が記録されています。\n" + PersonFile::path(key));
    return {personCode, person.name};
}

std::vector<std::string> companyListRows() {
    std::vector<std::string> rows;
    for (std::int64_t code : storedCompanyCodes()) {
        if (const auto entry = readCompanyListEntry(code))
            rows.push_back(codeListItem(entry->code, entry->name));
    }
    return rows;
}

std::vector<std::string> personListRows(std::int32_t companyCode, bool pastGaps) {
    std::vector<std::string> rows;
    const std::vector<std::int64_t> stored = storedPersonCodes(companyCode);
    auto next = stored.begin();
    for (int code = kFirstPersonCode; code <= kLastPersonCode; ++code) {
        const bool hasRecord = next != stored.end() && *next == code;
        if (hasRecord) ++next;
        const auto entry = hasRecord ? readPersonListEntry(companyCode, code) : std::nullopt;
        if (entry && entry->code == code)
            rows.push_back(codeListItem(entry->code, entry->name));
        else if (!pastGaps)
            break;
    }
    return rows;
}

}  // namespace nencho
