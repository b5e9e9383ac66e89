#pragma once
// Data maintenance on the record files: which files a person has, deleting a person or a whole
// company, and copying a person's records to a new person code. Only person codes 1 to 99 are
// a company's own: code 100 and on would name another company's persons.
//
// Each operation can be cut short at any file and taken up again. A deletion removes a
// person's year files before the person file, and a company's persons before the company
// file, so what is half deleted is still found and a second deletion removes the rest. A copy
// prepares the new code's files beside them and switches them in together, so the new code
// holds its own records or the copied ones, never some of each. Refusals and failures are
// thrown as Failures whose text the user reads.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/keys.h"

namespace nencho {

// The seven files of one person: the person file and the six year files of one working year.
struct PersonFiles {
    std::string personFile;
    std::array<std::string, kYearFileKindCount> yearFiles;  // by YearFileKind

    // The person file first, then the year files of kinds 0 to 5.
    std::vector<std::string> all() const;
    // The year files that exist.
    std::vector<std::string> existingYearFiles() const;
};

// The person file of a company's own person; Failure for a code outside 1–99 or a key beyond
// 32 bits.
std::string ownPersonFilePath(std::int64_t companyCode, std::int64_t personCode);
// The seven files; Failure as above and when no working year is set.
PersonFiles personFiles(const std::string& taxYearCode, std::int64_t companyCode,
                        std::int64_t personCode);

// Carries out a copy onto the person's code that was stopped after it had been decided.
void finishUnfinishedCopy(const PersonFiles& files);

// The question a deletion asks, naming what the records hold now: the person's or the
// company's name; a record that cannot be read by its code; for a code whose main record is
// gone but whose files are left, the code and that those files will be deleted. A Failure when
// the code holds nothing.
std::string personDeletionQuestion(const std::string& taxYearCode, std::int64_t companyCode,
                                   std::int64_t personCode);
std::string companyDeletionQuestion(const std::string& taxYearCode, std::int64_t companyCode);

// Deletes the person's year files, then the person file. Stops at the first file that cannot
// be deleted with a Failure; the files left are found by a second deletion. Returns the number
// of files deleted.
int deletePerson(const std::string& taxYearCode, std::int64_t companyCode, std::int64_t personCode);
// Deletes persons 1 to 99 as above, then the company file.
int deleteCompany(const std::string& taxYearCode, std::int64_t companyCode);

// Year files of the working year left at a code that has no person file (by a deletion cut
// short, or by a person deleted in an earlier version): removed before a new person is
// registered there, so that he takes over nothing of another. Returns how many were removed;
// a Failure when one cannot be.
int removeLeftoversBeforeRegistration(const std::string& taxYearCode, std::int64_t companyCode,
                                      std::int64_t personCode);

struct PersonCopy {
    std::string taxYearCode;
    std::int64_t companyCode = 0;
    std::int64_t fromCode = 0;
    std::int64_t toCode = 0;
};

// Checks a copy before anything is written: throws a Failure (the RecordError of a person file
// that cannot be read) when it cannot be made. True when the new code already has a person
// file, whose records the copy would replace.
bool checkPersonCopy(const PersonCopy& copy);

// Makes the new code's files exactly the old person's: the year files that exist are copied,
// the others are removed at the new code, and the person record is written with the new code.
// A failure before the switch leaves the new code as it was; one during it leaves the switch
// to be finished by the next attempt or the next start. Returns the number of files written.
int copyPerson(const PersonCopy& copy);

}  // namespace nencho
