#include "statement/statement_form.h"

#include "statement/statement_frame.h"

namespace nencho {

namespace {

void printFormText(PrinterPage& page, StatementCopyOrigin origin, const StatementFormText& text,
                   std::string_view eraYear) {
    page.moveTo(origin.x + text.x, origin.y + text.y);
    page.printText(text.isEraYear ? eraYear : text.text);
}

// Sets the width before the copy's first rule and wherever it changes.
void drawRules(PrinterPage& page, StatementCopyOrigin origin,
               std::span<const StatementFormRule> rules) {
    int pixels = 0;
    for (const StatementFormRule& rule : rules) {
        if (rule.pixels != pixels) {
            pixels = rule.pixels;
            page.setLineWidth(statementRuleWidth(pixels));
        }
        page.drawLine(origin.x + rule.x1, origin.y + rule.y1, origin.x + rule.x2,
                      origin.y + rule.y2);
    }
}

}  // namespace

double statementRuleWidth(int pixels) {
    return pixelsAt300DpiToMillimetres(pixels);
}

void drawStatementHeadings(PrinterPage& page) {
    for (const StatementHeadingGroup& group : statementHeadingGroups()) {
        const StatementCopyOrigin origin = statementCopyOrigin(group.copy);
        for (const StatementFormText& text : group.texts) {
            page.setFontSize(text.points);
            printFormText(page, origin, text, {});
        }
    }
}

void drawStatementCaptions(PrinterPage& page, std::string_view eraYear) {
    for (const StatementCopyOrigin& origin : kStatementCopyOrigins) {
        int points = 7;
        page.setFontSize(points);
        for (const StatementFormText& text : statementCaptions()) {
            if (text.points != points) {
                points = text.points;
                page.setFontSize(points);
            }
            printFormText(page, origin, text, eraYear);
        }
    }
}

void drawStatementGrid(PrinterPage& page) {
    for (const StatementCopyOrigin& origin : kStatementCopyOrigins) {
        drawRules(page, origin, statementGrid());
    }
}

void drawPerCopyRules(PrinterPage& page) {
    drawRules(page, statementCopyOrigin(1), upperCopyRules());
    drawRules(page, statementCopyOrigin(2), upperCopyRules());
    drawRules(page, statementCopyOrigin(3), lowerCopyRules());
    drawRules(page, statementCopyOrigin(4), lowerCopyRules());
}

void drawStatementForm(PrinterPage& page, std::string_view eraYear) {
    drawStatementHeadings(page);
    drawStatementCaptions(page, eraYear);
    drawStatementGrid(page);
    drawPerCopyRules(page);
}

}  // namespace nencho
