#include "records/list_entries.h"

#include <algorithm>
#include <charconv>

#include "common/keys.h"
#include "common/paths.h"
#include "platform/file_system.h"
#include "platform/folder_listing.h"
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

// The number a record's file name stands for: its decimal digits, as the record paths write
// them (no sign, no leading zero), followed by ".txt".
std::optional<std::int64_t> numberOfFileName(const std::string& name) {
    constexpr std::string_view kExtension = ".txt";
    if (name.size() <= kExtension.size() || name.size() > kExtension.size() + 10)
        return std::nullopt;
    const std::string_view digits(name.data(), name.size() - kExtension.size());
    if (std::string_view(name).substr(digits.size()) != kExtension) return std::nullopt;
    if (digits.front() == '0') return std::nullopt;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

std::vector<std::int64_t> storedNumbersIn(const std::string& folder) {
    std::vector<std::int64_t> numbers;
    for (const std::string& name : fileNamesIn(folder)) {
        if (const auto number = numberOfFileName(name)) numbers.push_back(*number);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
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

std::vector<std::int64_t> storedCompanyCodes() {
    std::vector<std::int64_t> codes;
    for (std::int64_t code : storedNumbersIn(companyFolder())) {
        if (code >= 1 && code <= kLastCompanyCode) codes.push_back(code);
    }
    return codes;
}

std::vector<std::int64_t> storedPersonCodes(std::int64_t companyCode) {
    // The person folder holds every company's persons: a look at the company's 99 names
    // costs less than reading a folder of tens of thousands.
    std::vector<std::int64_t> codes;
    for (int code = kFirstPersonCode; code <= kLastPersonCode; ++code) {
        const auto key = personKey(companyCode, code);
        if (key && fileExists(personFilePath(*key))) codes.push_back(code);
    }
    return codes;
}

}  // namespace nencho
