#pragma once
// The print screen's three printouts over page images. Each draws one page from the print data
// alone; the caller opens the page and ends (or, after a failure, aborts) the document.
#include "platform/printer_page.h"
#include "printing/print_data.h"

namespace nencho {

// The documents' names, given to their print jobs and to the messages of their printing.
inline constexpr const char* kStatementName = "源泉徴収票";
inline constexpr const char* kLedgerName = "源泉徴収簿";
inline constexpr const char* kDependantsDeclarationName = "扶養控除等申告書";
inline constexpr const char* kInsuranceDeclarationName = "保険控除 兼 配偶者特別控除申告書";

void printWithholdingLedger(PrinterPage& page, const PrintData& data);
void printDependantsDeclaration(PrinterPage& page, const PrintData& data);
void printInsuranceDeclaration(PrinterPage& page, const PrintData& data);

}  // namespace nencho
