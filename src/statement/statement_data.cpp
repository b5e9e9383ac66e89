#include "statement/statement_data.h"

namespace nencho {

void drawStatementData(PrinterPage&, const PrintData&, StatementPart, StatementDataShift) {}

}  // namespace nencho
