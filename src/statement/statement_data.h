#pragma once
// The person's and the company's data on the withholding statement, in all four copies.
#include "platform/printer_page.h"
#include "statement/statement_frame.h"
#include "statement/statement_printout.h"

namespace nencho {

struct PrintData;

// Each copy's data moved by the shift, and the remark lines. part tells the data-only
// printout (Data) from the full statement (FormAndData), which places a few elements
// differently.
void drawStatementData(PrinterPage& page, const PrintData& data, StatementPart part,
                       StatementDataShift shift);

}  // namespace nencho
