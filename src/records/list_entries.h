#pragma once
// What the company and person lists show of a record: the code stored on its first line and
// the name (the company's on line 10 of its file, the person's on line 3).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace nencho {

struct ListEntry {
    std::int32_t code;
    std::string name;
};

// No value when the file is missing or cannot be read that far.
std::optional<ListEntry> readCompanyListEntry(std::int64_t companyCode);
std::optional<ListEntry> readPersonListEntry(std::int64_t companyCode, std::int64_t personCode);

// The company codes 1 to 999 that have a company record, from one reading of their folder, and
// the person codes 1 to 99 of a company that have a person record, in code order. A missing
// record is a normal answer here, not a failure.
std::vector<std::int64_t> storedCompanyCodes();
std::vector<std::int64_t> storedPersonCodes(std::int64_t companyCode);

}  // namespace nencho
