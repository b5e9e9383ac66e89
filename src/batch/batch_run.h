#pragma once
// Batch runs: one document for the persons of a company one after another, each person loaded
// afresh and printed as a print job of its own. A run goes through the person codes 1 to the
// last code found, or through a range the user types, and never leaves the codes 1 to 99.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch_documents.h"
#include "platform/print_job.h"
#include "printing/print_data.h"

namespace nencho {

// The last person code of the company: the code stored in the last person record found from
// code 1 up. Codes without a readable record are passed over; a record that stores a lower code
// than the one it was found at (another company's person) or a code beyond 99 ends the search.
// None when the company has no person.
std::optional<std::int32_t> probeLastPersonCode(std::int32_t companyCode);

struct PersonRange {
    std::int32_t first = 0;
    std::int32_t last = 0;
};

// The codes a run goes through, or why there is nothing to print, as the user reads it.
struct RangeReading {
    std::optional<PersonRange> range;
    std::string refusal;
};

// The range boxes as typed: whole numbers (a fraction rounded half to even) from 1 to 99, the
// first not above the last.
RangeReading readPersonRange(std::string_view firstCode, std::string_view lastCode);
// Codes 1 to the last code the probe found.
RangeReading allPersonsRange(std::optional<std::int32_t> lastPersonCode);

struct BatchRun {
    PageOpener& opener;
    BatchDocument document = BatchDocument::Statement;
    std::string taxYearCode;  // "H17"
    std::string taxEraYear;   // "17"
    std::int32_t companyCode = 0;
};

struct BatchRunOutcome {
    std::vector<std::int32_t> printedCodes;  // in the order printed, one page each
    // Why the run ended before its last code, as the user reads it; empty when it went through.
    std::string stop;
};

// Prints the document for every person of the range in turn, loading each into the data. The
// run ends at the first code without a person record, or whose record cannot be read, and
// before printing a person whose year's records cannot be read; the outcome says so. A record
// that stores a higher code than the one it was found at sends the run on to that code. A
// failure while printing ends the run at once: it is thrown (a PrinterFailure stays one) with
// the codes left unprinted added to its description. Pages printed before stay printed.
BatchRunOutcome runBatch(const BatchRun& run, PersonRange range, PrintData& data);

}  // namespace nencho
