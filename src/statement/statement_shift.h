#pragma once
// The user's shift of the statement's data, typed in whole millimetres into the print screen's
// two boxes (right, down). A shift is accepted only while the start of every data element stays
// on the A4 landscape paper; anything else is refused before anything is drawn, with a message
// that names the box.
#include <optional>
#include <string>
#include <string_view>

#include "statement/statement_frame.h"

namespace nencho {

enum class StatementShiftBox { Right, Down };

// The shifts a box accepts, in whole millimetres.
struct StatementShiftRange {
    int least = 0;
    int most = 0;
};
StatementShiftRange statementShiftRange(StatementShiftBox box);

// The paper, and where the data elements start on it with no shift (the right edges of the
// right-aligned amounts count as theirs).
inline constexpr int kStatementPaperWidth = 297;
inline constexpr int kStatementPaperHeight = 210;
struct StatementDataExtent {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
inline constexpr StatementDataExtent kStatementDataExtent{8, 10, 282, 191};

// A box's text: an empty box reads as 0, a fraction rounds to the nearest millimetre (a half to
// the even one). No value, and the refusal to show, when the text is no number or the shift is
// outside the box's range.
struct StatementShiftReading {
    std::optional<int> millimetres;
    std::string refusal;
};
StatementShiftReading readStatementShift(std::string_view text, StatementShiftBox box);

// Throws a Failure with the refusal of the first box whose shift is not a whole number in its
// range.
void checkStatementShift(StatementDataShift shift);

}  // namespace nencho
