#pragma once
// The withholding statement's page: four copies of one document on a landscape page, each
// element placed relative to its copy's top-left corner. The form (texts and rules of the blank
// statement) stands where the tables put it; the person's data carries a fixed correction and
// the user's shift, so that it can be fitted to forms already printed on the paper.
#include <array>
#include <cstdint>

#include "platform/printer_page.h"

namespace nencho {

// The top-left corner of a copy on the page, in whole millimetres.
struct StatementCopyOrigin {
    int x = 0;
    int y = 0;
};

inline constexpr int kStatementCopies = 4;
// Copies 1 and 2 (upper row) go to the municipality, copy 3 to the tax office, copy 4 to the
// person.
inline constexpr std::array<StatementCopyOrigin, kStatementCopies> kStatementCopyOrigins{
    {{0, 0}, {145, 0}, {0, 103}, {145, 103}}};

// copy is 1 to 4.
constexpr StatementCopyOrigin statementCopyOrigin(int copy) {
    return kStatementCopyOrigins.at(static_cast<std::size_t>(copy - 1));
}

inline constexpr const char* kStatementFontName = "MS 明朝";

// Every data element is printed this far right of (negative: left of) and below (negative:
// above) the offset its table gives.
inline constexpr int kStatementDataCorrection = -2;

// The user's shift of the data, right and down, in millimetres.
struct StatementDataShift {
    double x = 0;
    double y = 0;
};

// Where the data element at offset (x, y) of a copy lands on the page.
struct PagePoint {
    double x = 0;
    double y = 0;
};
constexpr PagePoint statementDataPosition(StatementCopyOrigin origin, StatementDataShift shift,
                                          double x, double y) {
    return {origin.x + x + kStatementDataCorrection + shift.x,
            origin.y + y + kStatementDataCorrection + shift.y};
}

// The page set-up every statement printout begins with.
void setUpStatementPage(PrinterPage& page);

// The fixed-rate reduction line in the remarks area of each copy. It stands at fixed page
// positions: neither the data correction nor the user's shift moves it.
void drawFixedRateLines(PrinterPage& page, std::int32_t fixedRateReduction);

}  // namespace nencho
