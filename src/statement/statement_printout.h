#pragma once
// The withholding statement printouts: the blank form, the data alone (for paper that already
// carries the form) and the full statement (the data, then the form over it, on one page). Each
// draws one page; the caller opens the page and ends (or, after a failure, aborts) the
// document.
#include <string_view>

#include "platform/printer_page.h"
#include "statement/statement_frame.h"

namespace nencho {

struct PrintData;

enum class StatementPart { Form, Data, FormAndData };

// The print screen's three buttons and the batch run (FormAndData with no shift). The shift
// moves the data right and down by whole millimetres; the form never moves. A shift that
// readStatementShift would refuse is a Failure, and nothing is drawn.
void printStatement(PrinterPage& page, const PrintData& data, StatementPart part, double shiftX,
                    double shiftY);

void printBlankStatementForm(PrinterPage& page, std::string_view eraYear);
void printStatementDataOnly(PrinterPage& page, const PrintData& data, StatementDataShift shift);
void printFullStatement(PrinterPage& page, const PrintData& data, StatementDataShift shift,
                        std::string_view eraYear);

}  // namespace nencho
