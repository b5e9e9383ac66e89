#include "statement/statement_frame.h"

#include <string>

#include "common/amount.h"

namespace nencho {

namespace {

// The line stands 2 mm further right in the right-hand copies than in the left-hand ones.
constexpr std::array<PagePoint, kStatementCopies> kFixedRateLinePositions{
    {{23, 49}, {170, 49}, {23, 152}, {170, 152}}};

}  // namespace

void setUpStatementPage(PrinterPage& page) {
    page.setFontName(kStatementFontName);
}

void drawFixedRateLines(PrinterPage& page, std::int32_t fixedRateReduction) {
    // An amount of 0 prints as nothing, and the blanks around it stay.
    const std::string line = "年調定率控除額  " + formatAmount(fixedRateReduction) + "  円";
    page.setFontSize(7);
    for (const PagePoint& position : kFixedRateLinePositions) {
        page.moveTo(position.x, position.y);
        page.printText(line);
    }
}

}  // namespace nencho
