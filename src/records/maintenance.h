#pragma once
// Data maintenance on the record files: which files a person has, deleting a person or a whole
// company, and copying a person's records to a new person code. Only person codes 1 to 99 are
// a company's own: code 100 and on would name another company's persons.
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/keys.h"

namespace nencho {

// A request that cannot be carried out; what() says why, as the clerk reads it.
class MaintenanceError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The seven files of one person: the person file and the six year files of one working year.
struct PersonFiles {
    std::string personFile;
    std::array<std::string, kYearFileKindCount> yearFiles;  // by YearFileKind

    // The person file first, then the year files of kinds 0 to 5.
    std::vector<std::string> all() const;
};

// The person file of a company's own person; MaintenanceError for a code outside 1–99 or a
// key beyond 32 bits.
std::string ownPersonFilePath(std::int64_t companyCode, std::int64_t personCode);
// The seven files; MaintenanceError as above and when no working year is set.
PersonFiles personFiles(const std::string& taxYearCode, std::int64_t companyCode,
                        std::int64_t personCode);

struct DeletionReport {
    int deleted = 0;
    std::vector<std::string> failures;  // a file that exists and could not be deleted
    bool complete() const { return failures.empty(); }
};

// The names a deletion asks about, read from the records now; MaintenanceError when the code
// has no record.
std::string personNameToDelete(std::int64_t companyCode, std::int64_t personCode);
std::string companyNameToDelete(std::int64_t companyCode);

// Deletes every one of the person's seven files that exists.
DeletionReport deletePerson(const std::string& taxYearCode, std::int64_t companyCode,
                            std::int64_t personCode);
// Deletes the company file and every existing file of persons 1 to 99.
DeletionReport deleteCompany(const std::string& taxYearCode, std::int64_t companyCode);

struct PersonCopy {
    std::string taxYearCode;
    std::int64_t companyCode = 0;
    std::int64_t fromCode = 0;
    std::int64_t toCode = 0;
};

// Checks a copy before anything is written: throws MaintenanceError (or the RecordError of a
// person file that cannot be read) when it cannot be made. True when the new code already has
// a person file, whose records the copy would replace.
bool checkPersonCopy(const PersonCopy& copy);

// Makes the new code's files exactly the old person's: the year files that exist are copied,
// the others are removed at the new code, and the person record is written with the new code.
// On any failure every change is taken back and a MaintenanceError says what failed.
// Returns the number of files written.
int copyPerson(const PersonCopy& copy);

}  // namespace nencho
