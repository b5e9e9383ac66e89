#include "statement/statement_printout.h"

#include "printing/print_data.h"
#include "statement/statement_data.h"
#include "statement/statement_form.h"
#include "statement/statement_shift.h"

namespace nencho {

namespace {

// Runs one printout on the page; any failure drops the page before it reaches the caller. A
// shift of the data is checked before anything is drawn.
template <typename Draw>
void printOnePage(PrinterPage& page, const StatementDataShift* shift, Draw draw) {
    try {
        if (shift) checkStatementShift(*shift);
        setUpStatementPage(page);
        draw();
        page.endDocument();
    } catch (...) {
        try {
            page.abort();
        } catch (...) {
            // The first failure is the one to report.
        }
        throw;
    }
}

}  // namespace

void printBlankStatementForm(PrinterPage& page, std::string_view eraYear) {
    printOnePage(page, nullptr, [&] { drawStatementForm(page, eraYear); });
}

void printStatementDataOnly(PrinterPage& page, const PrintData& data, StatementDataShift shift) {
    printOnePage(page, &shift, [&] {
        drawFixedRateLines(page, data.adjustmentResult[AdjustmentValue::FixedRateReduction]);
        drawStatementData(page, data, StatementPart::Data, shift);
    });
}

void printFullStatement(PrinterPage& page, const PrintData& data, StatementDataShift shift,
                        std::string_view eraYear) {
    printOnePage(page, &shift, [&] {
        drawFixedRateLines(page, data.adjustmentResult[AdjustmentValue::FixedRateReduction]);
        drawStatementData(page, data, StatementPart::FormAndData, shift);
        drawStatementForm(page, eraYear);
    });
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
