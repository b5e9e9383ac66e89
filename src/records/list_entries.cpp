#include "records/list_entries.h"

#include "common/keys.h"
#include "platform/record_error.h"
#include "records/company_file.h"
#include "records/person_file.h"

namespace nencho {

std::optional<ListEntry> readCompanyListEntry(std::int64_t companyCode) {
    try {
        const CompanyRecord company = loadCompanyFile(companyCode, CompanyFields::Heading);
        return ListEntry{company.code, company.name};
    } catch (const RecordError&) {
        return std::nullopt;
    }
}

std::optional<ListEntry> readPersonListEntry(std::int64_t companyCode, std::int64_t personCode) {
    const auto key = personKey(companyCode, personCode);
    if (!key) return std::nullopt;
    try {
        const PersonEntry person = PersonFile::load(*key, PersonFile::Fields::Name);
        return ListEntry{person.personCode, person.name};
    } catch (const RecordError&) {
        return std::nullopt;
    }
}

}  // namespace nencho
