#include "statement/statement_shift.h"

#include <cmath>

#include "common/amount.h"
#include "common/failure.h"

namespace nencho {

namespace {

std::string refusalFor(StatementShiftBox box) {
    const StatementShiftRange range = statementShiftRange(box);
    const char* name = box == StatementShiftBox::Right ? "右側へ" : "下方へ";
    return std::string(name) + "移動する mm には " + std::to_string(range.least) + " から " +
           std::to_string(range.most) + " までの数を入力してください。";
}

bool isBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

bool accepts(StatementShiftBox box, double millimetres) {
    const StatementShiftRange range = statementShiftRange(box);
    return std::nearbyint(millimetres) == millimetres && millimetres >= range.least &&
           millimetres <= range.most;
}

}  // namespace

StatementShiftRange statementShiftRange(StatementShiftBox box) {
    // Every element must start on the paper: at 0 or after, and before its far edge.
    if (box == StatementShiftBox::Right)
        return {-kStatementDataExtent.left, kStatementPaperWidth - 1 - kStatementDataExtent.right};
    return {-kStatementDataExtent.top, kStatementPaperHeight - 1 - kStatementDataExtent.bottom};
}

StatementShiftReading readStatementShift(std::string_view text, StatementShiftBox box) {
    if (isBlank(text)) return {0, {}};
    const std::optional<std::int32_t> value = parseAmount(text);
    if (!value || !accepts(box, *value)) return {std::nullopt, refusalFor(box)};
    return {static_cast<int>(*value), {}};
}

void checkStatementShift(StatementDataShift shift) {
    if (!accepts(StatementShiftBox::Right, shift.x))
        throw Failure(refusalFor(StatementShiftBox::Right));
    if (!accepts(StatementShiftBox::Down, shift.y))
        throw Failure(refusalFor(StatementShiftBox::Down));
}

}  // namespace nencho
