#include "records/list_entries.h"

#include "common/keys.h"
#include "common/paths.h"
#include "platform/record_error.h"
#include "platform/record_file.h"

namespace nencho {

namespace {

std::optional<ListEntry> readEntry(const std::string& path, int nameLine) {
    try {
        RecordReader reader = RecordReader::open(path);
        ListEntry entry{reader.longNumber(), {}};
        reader.skip(nameLine - 2);
        entry.name = reader.text();
        return entry;
    } catch (const RecordError&) {
        return std::nullopt;
    }
}

}  // namespace

std::optional<ListEntry> readCompanyListEntry(std::int64_t companyCode) {
    return readEntry(companyFilePath(companyCode), 10);
}

std::optional<ListEntry> readPersonListEntry(std::int64_t companyCode, std::int64_t personCode) {
    const auto key = personKey(companyCode, personCode);
    if (!key) return std::nullopt;
    return readEntry(personFilePath(*key), 3);
}

}  // namespace nencho
