#pragma once
// What the main menu reads to choose a company and a person: the codes typed into its boxes,
// the heading lines of the company and person records, the rows of its two lists.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nencho {

// A code box read as a whole number; RecordError TypeMismatch when it holds no number,
// Overflow when the number leaves the signed 32-bit (company) or 16-bit (person) range.
std::int32_t readCompanyCodeBox(std::string_view text);
std::int16_t readPersonCodeBox(std::string_view text);
// The person code one step up or down; Overflow beyond the 16-bit range.
std::int16_t steppedPersonCode(std::int16_t code, int step);

struct CompanyHeading {
    std::int32_t code;  // as stored on line 1
    std::string name;   // line 10
};

struct PersonHeading {
    std::int16_t code;  // as stored on line 1
    std::string name;   // line 3
};

// Lines 1 to 10 of a company record (eight numbers, the reading and the name).
// RecordError when the record is missing or cannot be read that far.
CompanyHeading readCompanyHeading(std::int64_t companyCode);

// Lines 1 to 3 of the person record of a company's person code, or lines 1 to 8 (also the
// address, birth era and birth date) when asked. A person code outside 1 to 99, or a record
// that stores another code than the one asked for, belongs to another company's person and
// is refused with a RecordError like a missing record.
PersonHeading readPersonHeading(std::int32_t companyCode, std::int16_t personCode,
                                bool throughBirthDate);

// The company list: one row per readable company record of codes 1 to 999, in code order.
std::vector<std::string> companyListRows();

// The person list of a company: the persons of codes 1 to 99 whose record stores that code.
// Up to the first code without such a record, or past every gap when asked.
std::vector<std::string> personListRows(std::int32_t companyCode, bool pastGaps);

}  // namespace nencho
