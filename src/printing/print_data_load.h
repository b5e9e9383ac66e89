#pragma once
// Filling PrintData from the person's records: the notes, company, person, ledger, insurance,
// dependants, year-end result and spouse and housing records of the year, each through its one
// reader. The print screen and the batch screen load through this one function.
#include <cstdint>
#include <string>
#include <vector>

#include "printing/print_data.h"

namespace nencho {

struct PrintDataLoad {
    // False when the person code names no person of the company's own (1 to 99): the data
    // then holds the codes and nothing else, and `refusal` says why.
    bool loaded = false;
    std::string refusal;
    // The records that exist but could not be read, as the user reads it; their fields stay
    // empty. A missing record is no problem: it simply reads as empty.
    std::vector<std::string> damagedRecords;
};

// Replaces everything the data holds of a person with the records of this year, company and
// person. Nothing of an earlier load stays; the statement's offsets and era year, which belong
// to the screen, are kept.
PrintDataLoad loadPrintData(PrintData& data, const std::string& taxYearCode,
                            std::int32_t companyCode, std::int32_t personCode);

// The two remark lines of the person's notes record; empty lines when there is none. Throws a
// RecordError when the record exists but cannot be read.
Numbered<std::string, 2> loadNoteLines(const std::string& taxYearCode, std::int32_t personKey);

// The spouse step the print screen's display ends with (and the batch load runs): the spouse
// flag and the number of dependants counted under その他, C7 − C1 … − C6 − the flag, never
// below 0.
bool hasSpouse(const PrintData& data);
void setSpouseCounts(PrintData& data, bool withSpouse);

}  // namespace nencho
