#pragma once
// How the printouts over page images place their texts: the print face, texts by their
// top-left corner, numbers with a sign place and amounts against a right edge.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

// The room a data text may take on its form, in millimetres on the page: up to `right`, just
// short of the rule or the text to its right, and between `top` and `bottom`, the rules or texts
// above and below its line.
struct TextRoom {
    double right = 0;
    double top = 0;
    double bottom = 0;
};

// Below this size a text that is too long for its room goes onto two lines, when two lines let
// it print larger.
inline constexpr double kSmallestOneLinePoints = 6;

// A text as it is printed in its room: its size and its one or two lines, each with the top-left
// corner of its first character.
struct FittedLine {
    std::string text;
    double x = 0;
    double y = 0;
};
struct FittedText {
    double points = 0;
    std::vector<FittedLine> lines;
};

// How a text placed at (x, y) in `points` prints in its room: there and in that size when it
// fits; otherwise on one line as large as fits (to a tenth of a point; blanks after the text
// print no ink), centred on the line's height; where that would
// be smaller than kSmallestOneLinePoints, on two lines as large as fits the room's width and
// height, centred on the line as far as the room allows, when that is larger. Every character
// is printed; an empty text has no line.
FittedText fitTextInRoom(std::string_view text, double x, double y, double points,
                         const TextRoom& room);

// Prints a text as fitTextInRoom places it and leaves `points` in force.
void printFittedText(PrinterPage& page, double x, double y, double points, const TextRoom& room,
                     std::string_view text);

// How an amount placed against a right edge prints between `left` and `right` (the rules, marks
// or texts beside it): `printed` starts where `measured` would start to end at `rightEdge`. In
// `points` there when its ink keeps between them; otherwise in the largest size, to a tenth of a
// point, at which its ink fits between them, as near that place as it can stand.
struct FittedAmount {
    double points = 0;
    double left = 0;     // where the printed text starts
    bool moved = false;  // not the place and size it has against its edge
};
FittedAmount fitRightAlignedAmount(std::string_view measured, std::string_view printed,
                                   double rightEdge, double left, double right, double points);

// An amount as printRightAlignedAmount places it, when it keeps between `left` and `right`;
// otherwise as fitRightAlignedAmount places it, centred on the line. Leaves `points` in force.
void printFittedRightAlignedAmount(PrinterPage& page, double rightEdge, double top, double points,
                                   double left, double right, std::int64_t amount);

}  // namespace nencho
