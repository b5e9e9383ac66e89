#pragma once
// The four documents batch printing prints, one page per person, and the batch load of a person
// into the batch screen's own print data.
#include <cstdint>
#include <string>

#include "platform/printer_page.h"
#include "printing/print_data.h"
#include "printing/print_data_load.h"

namespace nencho {

enum class BatchDocument {
    Statement,              // 源泉徴収票, form and data together, without shift
    Ledger,                 // 源泉徴収簿
    DependantsDeclaration,  // 扶養控除等申告書
    InsuranceDeclaration,   // 保険控除 兼 配偶者特別控除申告書
};

// The print job's name, the same as the print screen gives the document.
std::string batchDocumentName(BatchDocument document);

// Draws the document of the person in the data, as the print screen draws it; the statement's
// data stays where its form puts it.
void drawBatchDocument(PrinterPage& page, const PrintData& data, BatchDocument document);

// Replaces the data with the person's year and derives what the print screen's display derives:
// the spouse flag and the dependants counted under その他. The statement prints taxEraYear (the
// working year's two digits) in its joining or leaving date.
PrintDataLoad loadBatchPerson(PrintData& data, const std::string& taxYearCode,
                              const std::string& taxEraYear, std::int32_t companyCode,
                              std::int32_t personCode);

}  // namespace nencho
