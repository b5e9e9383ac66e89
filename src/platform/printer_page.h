#pragma once
// The printer page every printout draws on: one landscape page, positions in millimetres from
// the paper's top-left corner, x to the right and y downwards. A printout is a plain function
// that issues these operations; the page on the real printer (Qt) and the recording page of the
// tests are its two implementations.
#include <string>
#include <string_view>

#include "common/failure.h"

namespace nencho {

// The printer refused an operation, or there is no printer to print on.
class PrinterFailure : public Failure {
  public:
    using Failure::Failure;
};

// A line width given in printer pixels of a 300 dpi printer, in millimetres: the same width on
// every device (6 pixels are 0.508 mm, 3 pixels 0.254 mm).
constexpr double pixelsAt300DpiToMillimetres(int pixels) {
    return pixels * 25.4 / 300.0;
}

class PrinterPage {
  public:
    virtual ~PrinterPage() = default;

    // The font of the texts that follow. "MS 明朝" is the page's face (IPAMincho on Linux).
    virtual void setFontName(std::string_view name) = 0;
    virtual void setFontSize(double points) = 0;
    // The width of the lines that follow, in millimetres.
    virtual void setLineWidth(double millimetres) = 0;

    // The current position, where the next text begins.
    virtual void setCurrentX(double millimetres) = 0;
    virtual void setCurrentY(double millimetres) = 0;
    void moveTo(double x, double y) {
        setCurrentX(x);
        setCurrentY(y);
    }
    virtual double currentX() const = 0;
    virtual double currentY() const = 0;

    // Prints a text (UTF-8) with its top-left corner (the top of the font's ascent) at the
    // current position. The current position stays where it was.
    virtual void printText(std::string_view utf8) = 0;
    // The printed width of a text in the current font and size, in millimetres.
    virtual double textWidth(std::string_view utf8) const = 0;

    // A straight line in the current line width.
    virtual void drawLine(double x1, double y1, double x2, double y2) = 0;
    // A page image known by its name, stretched to the rectangle.
    virtual void drawImage(std::string_view imageName, double left, double top, double width,
                           double height) = 0;

    // Ends the document: the page goes to the printer.
    virtual void endDocument() = 0;
    // Drops the page unprinted (after a failure); nothing reaches the printer.
    virtual void abort() = 0;
};

}  // namespace nencho
