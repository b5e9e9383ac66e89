#pragma once
// What the year-end sheet reads for one person and year: the person's records, each through
// its one reader, and the amounts the sheet shows and adjusts from them. A record the person
// does not have reads as empty, so nothing of another person is ever shown or adjusted.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ledger/ledger_table.h"
#include "records/company_file.h"
#include "records/notes_file.h"
#include "records/person_file.h"
#include "yearend/adjustment.h"

namespace nencho {

// Whose year the sheet shows.
struct SheetOwner {
    std::string taxYearCode;
    std::int32_t companyCode = 0;
    std::int32_t personCode = 0;
    std::int32_t personKey = 0;

    bool operator==(const SheetOwner&) const = default;
};

// The owner named by the sheet's code boxes and year: codes that read as whole numbers of the
// 16-bit range, a person code of the company's own (1 to 99) and a key whose year file numbers
// fit 32 bits; none otherwise.
std::optional<SheetOwner> sheetOwner(const std::string& taxYearCode, std::string_view companyBox,
                                     std::string_view personBox);

// The person's records as the sheet keeps them.
struct SheetRecords {
    NotesLines notes;
    CompanyRecord company;
    PersonEntry person;
    LedgerRecord ledger;
    DeductionFigures deductions;
    std::int32_t pensionPremiums = 0;           // shown beside, not adjusted
    std::int32_t longTermCasualtyPremiums = 0;  // shown beside, not adjusted
};

struct SheetLoad {
    SheetRecords records;
    // One line for each record the sheet takes amounts from that exists but cannot be read; its
    // part reads as empty. (The notes, company and person copies are kept for nothing the sheet
    // shows or stores: a damaged one reads as empty without a word.)
    std::vector<std::string> damaged;
};

SheetLoad loadSheetRecords(const SheetOwner& owner);

// The fourteen amounts of the adjustment as the sheet's load shows them.
AdjustmentInput sheetInput(const SheetRecords& records);

// The caption of the annual tax for a working year ("平成１７年分年税額"); none for a year the
// sheet has no caption for.
std::optional<std::string> annualTaxCaption(const std::string& taxYearCode);

}  // namespace nencho
