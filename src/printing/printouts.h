#pragma once
// The print screen's three printouts over page images. Each draws one page from the print data
// alone; the caller opens the page and ends (or, after a failure, aborts) the document.
#include "platform/printer_page.h"
#include "printing/print_data.h"

namespace nencho {

// 源泉徴収簿
void printWithholdingLedger(PrinterPage& page, const PrintData& data);
// 扶養控除等申告書
void printDependantsDeclaration(PrinterPage& page, const PrintData& data);
// 保険控除 兼 配偶者特別控除申告書
void printInsuranceDeclaration(PrinterPage& page, const PrintData& data);

}  // namespace nencho
