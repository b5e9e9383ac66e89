#pragma once
// The part of a person record that data maintenance reads and writes: the first 32 fields of
// the person file, enough to write the person again under a new person code.
#include <array>
#include <cstdint>
#include <string>

namespace nencho {

class RecordWriter;

struct MaintenancePerson {
    std::int32_t code = 0;
    std::string reading;
    std::string name;
    std::string upperAddress;
    std::string birthEra;
    std::array<std::int32_t, 3> birthDate{};  // year of the era, month, day
    // Lines 9 to 32: position, the 18 status texts, the 4 pay kinds, the lower address line.
    std::array<std::string, 24> laterTexts;
};

// Reads lines 1 to 32 of a person file; throws a RecordError when it is missing or malformed.
MaintenancePerson readMaintenancePerson(const std::string& personFilePath);

// The whole 43-line person record of the person under another code (spare texts 2 to 12 last).
RecordWriter personRecordUnderCode(const MaintenancePerson& person, std::int32_t personCode);

}  // namespace nencho
