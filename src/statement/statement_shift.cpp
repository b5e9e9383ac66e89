#include "statement/statement_shift.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "common/amount.h"
#include "common/failure.h"
#include "platform/recording_page.h"
#include "printing/form_drawing.h"
#include "statement/statement_data.h"

namespace nencho {

namespace {

std::string refusalFor(StatementShiftBox box, StatementShiftRange range) {
    const char* name = box == StatementShiftBox::Right ? "右側へ" : "下方へ";
    return std::string(name) + "移動する mm には " + std::to_string(range.least) + " から " +
           std::to_string(range.most) + " までの数を入力してください。";
}

bool isBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

bool accepts(StatementShiftRange range, double millimetres) {
    return std::nearbyint(millimetres) == millimetres && millimetres >= range.least &&
           millimetres <= range.most;
}

bool isBlankCharacter(const std::string& character) {
    return character == " " || character == "\u3000";
}

double widthOf(std::vector<std::string>::const_iterator first,
               std::vector<std::string>::const_iterator last, double em) {
    double width = 0;
    for (; first != last; ++first) width += emsOf(*first) * em;
    return width;
}

StatementShiftRange rangeWithin(const StatementDataExtent& extent, StatementShiftBox box) {
    const bool right = box == StatementShiftBox::Right;
    const double before = right ? extent.left : extent.top;
    const double after =
        right ? kStatementPaperWidth - extent.right : kStatementPaperHeight - extent.bottom;
    return {std::min(0, static_cast<int>(std::ceil(-before))),
            std::max(0, static_cast<int>(std::floor(after)))};
}

}  // namespace

StatementDataExtent statementDataExtent(const PrintData& data, StatementPart part) {
    RecordingPage page;
    drawStatementData(page, data, part, {});
    StatementDataExtent extent{kStatementPaperWidth, kStatementPaperHeight, 0, 0};
    for (const PrintOperation& text : page.operationsOf(PrintOperation::Kind::Text)) {
        // Blanks around a text print no ink.
        const std::vector<std::string> characters = charactersOf(text.text);
        const auto first = std::find_if_not(characters.begin(), characters.end(), isBlankCharacter);
        if (first == characters.end()) continue;
        const auto last =
            std::find_if_not(characters.rbegin(), characters.rend(), isBlankCharacter).base();
        const double em = text.fontSize * kMillimetresPerPoint;
        const double left = text.x + widthOf(characters.begin(), first, em);
        extent.left = std::min(extent.left, left);
        extent.right = std::max(extent.right, left + widthOf(first, last, em));
        extent.top = std::min(extent.top, text.y);
        extent.bottom = std::max(extent.bottom, text.y + em);
    }
    return extent;
}

StatementShiftRange statementShiftRange(const PrintData& data, StatementPart part,
                                        StatementShiftBox box) {
    return rangeWithin(statementDataExtent(data, part), box);
}

StatementShiftReading readStatementShift(std::string_view text, StatementShiftBox box,
                                         StatementShiftRange range) {
    if (isBlank(text)) return {0, {}};
    const std::optional<std::int32_t> value = parseAmount(text);
    if (!value || !accepts(range, *value)) return {std::nullopt, refusalFor(box, range)};
    return {static_cast<int>(*value), {}};
}

void checkStatementShift(const PrintData& data, StatementPart part, StatementDataShift shift) {
    const StatementDataExtent extent = statementDataExtent(data, part);
    for (StatementShiftBox box : {StatementShiftBox::Right, StatementShiftBox::Down}) {
        const StatementShiftRange range = rangeWithin(extent, box);
        if (!accepts(range, box == StatementShiftBox::Right ? shift.x : shift.y))
            throw Failure(refusalFor(box, range));
    }
}

}  // namespace nencho
