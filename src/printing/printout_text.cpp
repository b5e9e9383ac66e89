#include "printing/printout_text.h"

#include "common/amount.h"

namespace nencho {

void startFormPage(PrinterPage& page, std::string_view imageName, double width, double height) {
    page.setFontName(kPrintFace);
    page.drawImage(imageName, 0, 0, width, height);
}

void printTextAt(PrinterPage& page, double x, double y, std::string_view text) {
    if (text.empty()) return;
    page.moveTo(x, y);
    page.printText(text);
}

std::string printedNumber(std::int64_t value) {
    if (value < 0) return decimal(value);
    std::string signPlace = " ";
    signPlace += decimal(value);
    return signPlace;
}

void printRightAlignedAmount(PrinterPage& page, double rightEdge, double top, std::int64_t amount) {
    const double width = page.textWidth(printedNumber(amount));
    printTextAt(page, rightEdge - width, top, formatAmount(amount));
}

}  // namespace nencho
