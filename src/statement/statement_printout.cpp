#include "statement/statement_printout.h"

#include "printing/print_data.h"
#include "statement/statement_data.h"
#include "statement/statement_form.h"
#include "statement/statement_shift.h"

namespace nencho {

void printBlankStatementForm(PrinterPage& page, std::string_view eraYear) {
    setUpStatementPage(page);
    drawStatementForm(page, eraYear);
}

void printStatementDataOnly(PrinterPage& page, const PrintData& data, StatementDataShift shift) {
    checkStatementShift(data, StatementPart::Data, shift);
    setUpStatementPage(page);
    drawFixedRateLines(page, data.adjustmentResult[AdjustmentValue::FixedRateReduction]);
    drawStatementData(page, data, StatementPart::Data, shift);
}

void printFullStatement(PrinterPage& page, const PrintData& data, StatementDataShift shift,
                        std::string_view eraYear) {
    checkStatementShift(data, StatementPart::FormAndData, shift);
    setUpStatementPage(page);
    drawFixedRateLines(page, data.adjustmentResult[AdjustmentValue::FixedRateReduction]);
    drawStatementData(page, data, StatementPart::FormAndData, shift);
    drawStatementForm(page, eraYear);
}

void printStatement(PrinterPage& page, const PrintData& data, StatementPart part, double shiftX,
                    double shiftY) {
    const StatementDataShift shift{shiftX, shiftY};
    switch (part) {
        case StatementPart::Form:
            printBlankStatementForm(page, data.taxEraYear);
            return;
        case StatementPart::Data:
            printStatementDataOnly(page, data, shift);
            return;
        case StatementPart::FormAndData:
            printFullStatement(page, data, shift, data.taxEraYear);
            return;
    }
}

}  // namespace nencho
