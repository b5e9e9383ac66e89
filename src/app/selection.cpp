#include "app/selection.h"

#include <limits>

#include "common/amount.h"
#include "common/code_list.h"
#include "common/keys.h"
#include "common/paths.h"
#include "platform/file_system.h"
#include "platform/record_error.h"
#include "records/company_file.h"
#include "records/list_entries.h"
#include "records/person_file.h"

namespace nencho {

namespace {

const std::string kOwnPersonCodes = "個人コードは " + decimal(kFirstPersonCode) + " から " +
                                    decimal(kLastPersonCode) + " までです。";

std::int16_t toPersonCode(std::int64_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        throw RecordError(FileErrorKind::Overflow, kOwnPersonCodes);
    return static_cast<std::int16_t>(value);
}

std::int32_t requirePersonKey(std::int64_t companyCode, std::int64_t personCode) {
    const auto key = personKey(companyCode, personCode);
    if (!key) throw RecordError(FileErrorKind::Overflow, companyCodeTooLarge());
    return *key;
}

[[noreturn]] void refuse(const std::string& description) {
    throw RecordError(FileErrorKind::FileNotFound, description);
}

std::int32_t readCodeBox(std::string_view text, std::string_view box) {
    const AmountReading reading = readAmount(text);
    if (!reading.value)
        throw RecordError(
            reading.outOfRange ? FileErrorKind::Overflow : FileErrorKind::TypeMismatch,
            codeBoxRefusal(box, text));
    return *reading.value;
}

}  // namespace

std::int32_t readCompanyCodeBox(std::string_view text) {
    return readCodeBox(text, kCompanyCodeName);
}

std::int16_t readPersonCodeBox(std::string_view text) {
    return toPersonCode(readCodeBox(text, "個人コード"));
}

std::int16_t steppedPersonCode(std::int16_t code, int step) {
    return toPersonCode(std::int64_t{code} + step);
}

CompanyHeading readCompanyHeading(std::int64_t companyCode) {
    try {
        const CompanyRecord company = loadCompanyFile(companyCode, CompanyFields::Heading);
        return {company.code, company.name};
    } catch (const RecordError& error) {
        if (error.isMissingFile()) refuse(unregisteredCompany(companyCode));
        throw;
    }
}

PersonHeading readPersonHeading(std::int32_t companyCode, std::int16_t personCode,
                                bool throughBirthDate) {
    if (!isOwnPersonCode(personCode)) refuse(kOwnPersonCodes);
    const std::int32_t key = requirePersonKey(companyCode, personCode);
    PersonEntry person;
    try {
        person = PersonFile::load(
            key, throughBirthDate ? PersonFile::Fields::BirthDate : PersonFile::Fields::Name);
    } catch (const RecordError& error) {
        if (!error.isMissingFile()) throw;
        // The person of a company not registered is told of as that company.
        if (!fileExists(companyFilePath(companyCode))) refuse(unregisteredCompany(companyCode));
        refuse(unregisteredPerson(personCode));
    }
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
