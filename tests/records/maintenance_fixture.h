#pragma once
// Fixture records for the data maintenance tests: companies, persons and their year files
// written as the registrations store them.
#include <initializer_list>
#include <string>
#include <vector>

#include "common/amount.h"
#include "common/keys.h"
#include "common/paths.h"
#include "platform/file_system.h"
#include "support/temp_drives.h"

namespace nencho::test {

inline const std::string kYear = "H17";

inline std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

inline void writeCompany(std::int64_t code, const std::string& name) {
    std::vector<std::string> lines{decimal(code), "0",  "13",           "1",         "1", "13",
                                   "12",          "31", quoted("ｶｲｼｬ"), quoted(name)};
    while (lines.size() < 32) lines.push_back(quoted(""));
    writeLines(companyFilePath(code), lines);
}

// The 43 lines of a person record.
inline std::vector<std::string> personLines(std::int64_t code, const std::string& name) {
    std::vector<std::string> lines{
        decimal(code),   quoted("ﾔﾏﾀﾞ"), quoted(name), quoted("東京都港区1-2"),
        quoted("昭和"),  "45",           "3",          "12",
        quoted("取締役")};
    for (int status = 1; status <= 18; ++status)
        lines.push_back(quoted(status == 12 ? "就　職" : ""));
    for (const char* kind : {"", "給与賞与", "", ""}) lines.push_back(quoted(kind));
    lines.push_back(quoted("ビル3階"));
    for (int spare = 2; spare <= 12; ++spare)
        lines.push_back(quoted("予備" + std::to_string(spare)));
    return lines;
}

inline std::string yearFile(std::int64_t company, std::int64_t person, int kind,
                            const std::string& year = kYear) {
    return *yearFilePath(year, *personKey(company, person), static_cast<YearFileKind>(kind));
}

inline std::string personFile(std::int64_t company, std::int64_t person) {
    return personFilePath(*personKey(company, person));
}

// The person file and the year files of the kinds given, each with contents of its own.
inline void writePerson(std::int64_t company, std::int64_t person, const std::string& name,
                        std::initializer_list<int> kinds = {0, 1, 2, 3, 4, 5},
                        const std::string& year = kYear) {
    ensureDataTree(year);
    writeLines(personFile(company, person), personLines(person, name));
    for (int kind : kinds)
        writeLines(yearFile(company, person, kind, year),
                   {decimal(*personKey(company, person)),
                    quoted(name + " 種類" + std::to_string(kind)), decimal(1000 * kind + 7)});
}

// The seven files of a person in the working year.
inline std::vector<std::string> sevenFiles(std::int64_t company, std::int64_t person,
                                           const std::string& year = kYear) {
    std::vector<std::string> paths{personFile(company, person)};
    for (int kind = 0; kind < kYearFileKindCount; ++kind)
        paths.push_back(yearFile(company, person, kind, year));
    return paths;
}

inline int countExisting(const std::vector<std::string>& paths) {
    int count = 0;
    for (const std::string& path : paths) count += exists(path) ? 1 : 0;
    return count;
}

}  // namespace nencho::test
