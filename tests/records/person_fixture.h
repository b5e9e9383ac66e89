#pragma once
// Person records written as stored files for the tests: 43 lines, every line replaceable.
#include <map>
#include <string>
#include <vector>

#include "common/keys.h"
#include "common/paths.h"
#include "support/temp_drives.h"

namespace nencho::test {

inline std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// Code on line 1, the name on line 3, era "昭和", a zero birth date, every other text empty;
// `lines` replaces whole lines by number (texts given with their quotes).
inline std::vector<std::string> personRecordLines(int code, const std::string& name,
                                                  const std::map<int, std::string>& lines = {}) {
    std::vector<std::string> record{std::to_string(code), quoted(""), quoted(name), quoted(""),
                                    quoted("昭和"),       "0",        "0",          "0"};
    while (record.size() < 32) record.push_back(quoted(""));
    for (int spare = 2; spare <= 12; ++spare)
        record.push_back(quoted("予備" + std::to_string(spare)));
    for (const auto& [number, line] : lines) record[number - 1] = line;
    return record;
}

inline std::string personPath(int company, int person) {
    return personFilePath(*personKey(company, person));
}

inline void writePerson(int company, int person, const std::string& name,
                        const std::map<int, std::string>& lines = {}) {
    writeLines(personPath(company, person), personRecordLines(person, name, lines));
}

}  // namespace nencho::test
