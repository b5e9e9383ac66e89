#pragma once
// The blank withholding statement, drawn from texts and rules alone: the headings and labels by
// which the copies differ, the captions every copy carries, the ruled grid every copy carries,
// and the rules only the upper or only the lower copies carry. The tables list each element
// relative to its copy's origin, in drawing order.
#include <span>
#include <string_view>

#include "platform/printer_page.h"

namespace nencho {

// A text of the form, with its top-left corner at (x, y) millimetres from its copy's origin.
struct StatementFormText {
    std::string_view text;
    int points = 0;
    int x = 0;
    int y = 0;
    // The year of the joining-or-leaving date: the working year's two digits, not a literal.
    bool isEraYear = false;
};

// A rule of the form from (x1, y1) to (x2, y2) millimetres from its copy's origin. Its width is
// given in pixels of a 300 dpi printer and drawn as that many 300ths of an inch on any device.
struct StatementFormRule {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int pixels = 0;
};

// Texts that stand in one copy only, or differently in different copies.
struct StatementHeadingGroup {
    int copy = 0;  // 1 to 4
    std::span<const StatementFormText> texts;
};

// The headings and copy labels, group by group in drawing order.
std::span<const StatementHeadingGroup> statementHeadingGroups();
// The captions every copy carries, in drawing order within a copy.
std::span<const StatementFormText> statementCaptions();
// The grid every copy carries, frame first.
std::span<const StatementFormRule> statementGrid();
// The rules only copies 1 and 2 carry, and those only copies 3 and 4 carry.
std::span<const StatementFormRule> upperCopyRules();
std::span<const StatementFormRule> lowerCopyRules();
// The rules only the copy (1 to 4) carries: the upper copies' or the lower copies'.
std::span<const StatementFormRule> perCopyRules(int copy);

// The size each caption of statementCaptions() is printed at in the copy (1 to 4), in the same
// order. A caption keeps its own size when it stands inside its cell; one whose size would carry
// it across a rule, or onto a caption below or beside it, is printed at its own position at the
// largest size, to a tenth of a point, that keeps it clear. The characters of a word that runs
// down its column share one size. The working year keeps its size.
std::span<const double> statementCaptionSizes(int copy);

// The form's rule widths in millimetres, the same on every device.
double statementRuleWidth(int pixels);

// The four steps of the form, in the order the form is drawn.
void drawStatementHeadings(PrinterPage& page);
void drawStatementCaptions(PrinterPage& page, std::string_view eraYear);
void drawStatementGrid(PrinterPage& page);
void drawPerCopyRules(PrinterPage& page);

// The whole form, on a page already set up; eraYear is printed as it is, in every copy.
void drawStatementForm(PrinterPage& page, std::string_view eraYear);

}  // namespace nencho
