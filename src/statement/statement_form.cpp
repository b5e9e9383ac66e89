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

std::span<const StatementFormRule> perCopyRules(int copy) {
    return copy <= 2 ? upperCopyRules() : lowerCopyRules();
}

void drawStatementCaptions(PrinterPage& page, std::string_view eraYear) {
    const std::span<const StatementFormText> captions = statementCaptions();
    for (int copy = 1; copy <= kStatementCopies; ++copy) {
        const StatementCopyOrigin origin = statementCopyOrigin(copy);
        const std::span<const double> sizes = statementCaptionSizes(copy);
        double points = 7;
        page.setFontSize(points);
        for (std::size_t i = 0; i < captions.size(); ++i) {
            if (sizes[i] != points) {
                points = sizes[i];
                page.setFontSize(points);
            }
            printFormText(page, origin, captions[i], eraYear);
        }
    }
}

void drawStatementGrid(PrinterPage& page) {
    for (const StatementCopyOrigin& origin : kStatementCopyOrigins) {
        drawRules(page, origin, statementGrid());
    }
}

void drawPerCopyRules(PrinterPage& page) {
    for (int copy = 1; copy <= kStatementCopies; ++copy)
        drawRules(page, statementCopyOrigin(copy), perCopyRules(copy));
}

void drawStatementForm(PrinterPage& page, std::string_view eraYear) {
    drawStatementHeadings(page);
    drawStatementCaptions(page, eraYear);
    drawStatementGrid(page);
    drawPerCopyRules(page);
}

}  // namespace nencho
