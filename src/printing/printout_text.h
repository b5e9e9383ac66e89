#pragma once
// How the printouts over page images place their texts: the print face, texts by their
// top-left corner, numbers with a sign place and amounts against a right edge.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/printer_page.h"

namespace nencho {

inline constexpr std::string_view kPrintFace = "MS 明朝";

// Sets the print face and draws the named page image first, over its form's rectangle from the
// page's top-left corner.
void startFormPage(PrinterPage& page, std::string_view imageName);

// The year in front of a declaration's 年分, the same in every working year: 平, 成 and 17 at
// 12 points, five millimetres apart from (left, top).
void printDeclarationYear(PrinterPage& page, double left, double top);

// A text with its top-left corner at (x, y), exactly as held; an empty text prints nothing.
void printTextAt(PrinterPage& page, double x, double y, std::string_view text);

// A number as it is printed: one blank (a minus sign when negative) and its decimal digits.
std::string printedNumber(std::int64_t value);

// An amount against a right edge: the blank or minus sign and the plain digits are measured in
// the current font and the amount is printed in "#,###" from the edge less that width, so it
// ends at the edge when it has no separators; 0 prints nothing.
void printRightAlignedAmount(PrinterPage& page, double rightEdge, double top, std::int64_t amount);

}  // namespace nencho
