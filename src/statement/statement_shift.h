#pragma once
// The user's shift of the statement's data, typed in whole millimetres into the print screen's
// two boxes (right, down). A shift is accepted only while every glyph of the person's data stays
// wholly on the A4 landscape paper; anything else is refused before anything is drawn, with a
// message that names the box.
#include <optional>
#include <string>
#include <string_view>

#include "statement/statement_frame.h"
#include "statement/statement_printout.h"

namespace nencho {

struct PrintData;

enum class StatementShiftBox { Right, Down };

// The paper as the printer's page holds it: A4 landscape in whole points (842 x 595).
inline constexpr double kStatementPaperWidth = 297;
inline constexpr double kStatementPaperHeight = 595 * 25.4 / 72;

// Where the ink of the data lies on the page with no shift: the union of the elements' em boxes,
// each as wide as its text without surrounding blanks in its size (half-width characters half an
// em, every other character one em, as the print face sets them).
struct StatementDataExtent {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};
StatementDataExtent statementDataExtent(const PrintData& data, StatementPart part);

// The shifts a box accepts for this data on this printout, in whole millimetres: those that keep
// the extent of the texts, in the sizes they print in, on the paper. Every text keeps to its box
// on the form, so no shift keeps it on the paper and is always among them.
struct StatementShiftRange {
    int least = 0;
    int most = 0;
};
StatementShiftRange statementShiftRange(const PrintData& data, StatementPart part,
                                        StatementShiftBox box);

// A box's text: an empty box reads as 0, a fraction rounds to the nearest millimetre (a half to
// the even one). No value, and the refusal to show, when the text is no number or the shift is
// outside the range.
struct StatementShiftReading {
    std::optional<int> millimetres;
    std::string refusal;
};
StatementShiftReading readStatementShift(std::string_view text, StatementShiftBox box,
                                         StatementShiftRange range);

// Throws a Failure with the refusal of the first box whose shift is not a whole number in its
// range.
void checkStatementShift(const PrintData& data, StatementPart part, StatementDataShift shift);

}  // namespace nencho
