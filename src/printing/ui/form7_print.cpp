// The print screen's printouts: each button prints one page from the screen's print data on the
// default printer. A printout that fails drops its page and says why.

#include "platform/ui/dialogs.h"
#include "platform/ui/printer_pages.h"
#include "printing/printouts.h"
#include "printing/ui/form7.h"
#include "printing/ui/form7_controls.h"
#include "statement/statement_printout.h"
#include "statement/statement_shift.h"

namespace nencho {

using namespace form7;

void Form7::connectPrintouts() {
    onPress(kLedgerPrintButton, [this] {
        print(kLedgerName, kLedgerName,
              [this](PrinterPage& page) { printWithholdingLedger(page, data_); });
    });
    onPress(kDependantsPrintButton, [this] {
        print(kDependantsDeclarationName, kDependantsDeclarationName,
              [this](PrinterPage& page) { printDependantsDeclaration(page, data_); });
    });
    onPress(kInsurancePrintButton, [this] {
        print(kInsuranceDeclarationName, kInsuranceDeclarationName,
              [this](PrinterPage& page) { printInsuranceDeclaration(page, data_); });
    });
    onPress(kStatementPrintButton,
            [this] { printStatementPart("源泉徴収票の印刷", StatementPart::FormAndData); });
    onPress(kStatementDataPrintButton,
            [this] { printStatementPart("データのみ印刷", StatementPart::Data); });
    onPress(kStatementFormPrintButton,
            [this] { printStatementPart("源泉徴収票のフォームのみ印刷", StatementPart::Form); });
}

void Form7::print(const QString& title, const std::string& documentName,
                  const std::function<void(PrinterPage&)>& draw) {
    try {
        printDocument(pageOpener(), documentName, draw);
    } catch (const Failure& failure) {
        showMessage(QString::fromUtf8(failure.what()), title, MessageIcon::Exclamation);
    }
}

// The statement takes the working year's two digits and, for its data, the user's shift.
void Form7::printStatementPart(const QString& title, StatementPart part) {
    data_.taxEraYear = textOf(kEraYearBox).toStdString();
    if (part != StatementPart::Form) {
        // Checked before the printer is asked for a page: a shift that would move data off the
        // paper prints nothing.
        auto read = [&](const char* box, StatementShiftBox which) {
            return readStatementShift(textOf(box).toStdString(), which,
                                      statementShiftRange(data_, part, which));
        };
        const auto right = read(kShiftRightBox, StatementShiftBox::Right);
        const auto down = read(kShiftDownBox, StatementShiftBox::Down);
        for (const auto* reading : {&right, &down}) {
            if (!reading->millimetres) {
                showMessage(QString::fromStdString(reading->refusal), title,
                            MessageIcon::Exclamation);
                return;
            }
        }
        data_.statementDataShiftRight = *right.millimetres;
        data_.statementDataShiftDown = *down.millimetres;
    }
    const double shiftX = part == StatementPart::Form ? 0 : data_.statementDataShiftRight;
    const double shiftY = part == StatementPart::Form ? 0 : data_.statementDataShiftDown;
    print(title, kStatementName, [this, part, shiftX, shiftY](PrinterPage& page) {
        printStatement(page, data_, part, shiftX, shiftY);
    });
}

}  // namespace nencho
