// The print screen's printouts: each button prints one page from the screen's print data on the
// default printer. A printout that fails drops its page and says why.
#include <exception>
#include <limits>

#include "common/amount.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/printer_pages.h"
#include "printing/printouts.h"
#include "printing/ui/form7.h"
#include "printing/ui/form7_controls.h"
#include "statement/statement_printout.h"

namespace nencho {

using namespace form7;

namespace {

// A shift box: empty reads as 0; otherwise a whole number of millimetres (a fraction rounded
// half to even) in the 16-bit range.
std::optional<std::int32_t> shiftIn(const QString& box) {
    if (box.trimmed().isEmpty()) return 0;
    const auto value = parseAmount(box.toStdString());
    if (!value || *value < std::numeric_limits<std::int16_t>::min() ||
        *value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return value;
}

}  // namespace

void Form7::connectPrintouts() {
    onPress(kLedgerPrintButton, [this] {
        print("源泉徴収簿", "源泉徴収簿",
              [this](PrinterPage& page) { printWithholdingLedger(page, data_); });
    });
    onPress(kDependantsPrintButton, [this] {
        print("扶養控除等申告書", "扶養控除等申告書",
              [this](PrinterPage& page) { printDependantsDeclaration(page, data_); });
    });
    onPress(kInsurancePrintButton, [this] {
        print("保険控除 兼 配偶者特別控除申告書", "保険控除申告書",
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
    } catch (const std::exception& error) {
        showMessage("印刷できませんでした。\n" + QString::fromUtf8(error.what()), title,
                    MessageIcon::Exclamation);
    }
}

// The statement takes the working year's two digits and, for its data, the user's shift.
void Form7::printStatementPart(const QString& title, StatementPart part) {
    data_.taxEraYear = textOf(kEraYearBox).toStdString();
    if (part != StatementPart::Form) {
        const auto right = shiftIn(textOf(kShiftRightBox));
        const auto down = shiftIn(textOf(kShiftDownBox));
        if (!right || !down) {
            showMessage(QString("「%1」には移動する mm を整数で入れてください。")
                            .arg(right ? "下方へ" : "右側へ"),
                        title, MessageIcon::Exclamation);
            return;
        }
        data_.statementDataShiftRight = *right;
        data_.statementDataShiftDown = *down;
    }
    const double shiftX = part == StatementPart::Form ? 0 : data_.statementDataShiftRight;
    const double shiftY = part == StatementPart::Form ? 0 : data_.statementDataShiftDown;
    print(title, "源泉徴収票", [this, part, shiftX, shiftY](PrinterPage& page) {
        printStatement(page, data_, part, shiftX, shiftY);
    });
}

}  // namespace nencho
