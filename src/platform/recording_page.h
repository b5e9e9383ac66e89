#pragma once
// A printer page that keeps what was drawn on it, in order, for the tests and for comparing
// two printouts. Text widths are computed from the print face's metrics (half-width characters
// half an em, every other character one em), so they do not depend on installed fonts.
#include <string>
#include <vector>

#include "platform/printer_page.h"

namespace nencho {

struct PrintOperation {
    enum class Kind { FontName, FontSize, LineWidth, Text, Line, Image, EndDocument, Abort };
    Kind kind = Kind::Text;
    std::string text;  // font name, printed text, image name
    double x = 0;      // text and image: left; line: x1
    double y = 0;      // text and image: top; line: y1
    double x2 = 0;     // line: x2; image: width
    double y2 = 0;     // line: y2; image: height
    double value = 0;  // font size in points, line width in millimetres
    // The font and line width in force when a text or line was drawn.
    std::string fontName;
    double fontSize = 0;
    double lineWidth = 0;

    bool operator==(const PrintOperation&) const = default;
};

class RecordingPage : public PrinterPage {
  public:
    void setFontName(std::string_view name) override;
    void setFontSize(double points) override;
    void setLineWidth(double millimetres) override;
    void setCurrentX(double millimetres) override { x_ = millimetres; }
    void setCurrentY(double millimetres) override { y_ = millimetres; }
    double currentX() const override { return x_; }
    double currentY() const override { return y_; }
    void printText(std::string_view utf8) override;
    double textWidth(std::string_view utf8) const override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void drawImage(std::string_view imageName, double left, double top, double width,
                   double height) override;
    void endDocument() override;
    void abort() override;

    const std::vector<PrintOperation>& operations() const { return operations_; }
    // Only the operations of one kind, in order.
    std::vector<PrintOperation> operationsOf(PrintOperation::Kind kind) const;
    // One line per operation, for a readable comparison in a failing test.
    std::string log() const;

    // The width in em of one character as the print face sets it: 0.5 or 1.
    static double emWidth(char32_t character);

  private:
    std::vector<PrintOperation> operations_;
    std::string fontName_;
    double fontSize_ = 0;
    double lineWidth_ = 0;
    double x_ = 0;
    double y_ = 0;
};

}  // namespace nencho
