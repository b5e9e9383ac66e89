#include "printing/printout_text.h"

#include "common/amount.h"
#include "printing/page_images.h"

namespace nencho {

void startFormPage(PrinterPage& page, std::string_view imageName) {
    const FormDrawing& form = *pageImageForm(imageName);
    page.setFontName(kPrintFace);
    page.drawImage(imageName, 0, 0, form.pageWidth, form.pageHeight);
}

void printDeclarationYear(PrinterPage& page, double left, double top) {
    page.setFontSize(12);
    printTextAt(page, left, top, "平");
    printTextAt(page, left + 5, top, "成");
    printTextAt(page, left + 10, top, "17");
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
