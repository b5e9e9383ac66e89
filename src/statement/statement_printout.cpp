#include "statement/statement_printout.h"

#include "printing/print_data.h"
#include "statement/statement_data.h"
#include "statement/statement_form.h"

namespace nencho {

namespace {

// Runs one printout on the page; any failure drops the page before it reaches the caller.
template <typename Draw>
void printOnePage(PrinterPage& page, Draw draw) {
    try {
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
    printOnePage(page, [&] { drawStatementForm(page, eraYear); });
}

void printStatementDataOnly(PrinterPage& page, const PrintData& data, StatementDataShift shift) {
    printOnePage(page, [&] {
        drawFixedRateLines(page, data.adjustmentResult[AdjustmentValue::FixedRateReduction]);
        drawStatementData(page, data, StatementPart::Data, shift);
    });
}

void printFullStatement(PrinterPage& page, const PrintData& data, StatementDataShift shift,
                        std::string_view eraYear) {
    printOnePage(page, [&] {
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
