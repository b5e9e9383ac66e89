#pragma once
// The withholding statement printouts: the blank form, the data alone and the full statement.
#include "platform/printer_page.h"

namespace nencho {

struct PrintData;

enum class StatementPart { Form, Data, FormAndData };

void printStatement(PrinterPage& page, const PrintData& data, StatementPart part, double shiftX,
                    double shiftY);

}  // namespace nencho
