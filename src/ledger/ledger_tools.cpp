#include "ledger/ledger_tools.h"

#include <stdexcept>

#include "common/amount.h"
#include "ledger/ledger_totals.h"

namespace nencho {

std::optional<LedgerSheet> copiedForward(const LedgerSheet& sheet, int month) {
    if (month < kFirstMonthRow || month > kLastMonthRow)
        throw std::out_of_range("copy of month " + std::to_string(month));
    LedgerSheet copied = sheet;
    for (int column = 1; column <= kLedgerColumns; ++column) {
        const auto c = static_cast<LedgerColumn>(column);
        for (int later = month + 1; later <= kLastMonthRow; ++later)
            copied.setCell(later, c, sheet.cell(month, c));
    }
    if (!sumsFit(copied)) return std::nullopt;
    return copied;
}

CopyShownMonths copyShownMonths(int month) {
    if (month < kFirstMonthRow || month >= kLastMonthRow)
        throw std::out_of_range("copy of month " + std::to_string(month));
    switch (month) {
        case 1:
            return {2, 2};  // January's own boxes all stay
        case 2:
        case 4:
        case 5:
        case 6:
            return {month + 1, month};  // the month's own pay box stays
        default:
            return {month, month};  // March (whose pay box was just read) and July onwards
    }
}

int nextPayDayPresetStep(std::string_view counter) {
    const auto step = parseAmount(counter);
    const int current = step && *step >= 0 && *step <= kPayDayPresetSteps ? *step : 0;
    return current % kPayDayPresetSteps + 1;
}

std::array<std::string, 12> payDayPreset(int step) {
    static const char* const kSameDay[] = {"25", "20", "15", "10", "5", "1", ""};
    std::array<std::string, 12> days;
    switch (step) {
        case 1:
            days = {"31", "28", "31", "30", "31", "30", "31", "31", "30", "31", "30", "31"};
            return days;
        case 2:
            days.fill("30");
            days[1] = "28";
            return days;
    }
    if (step < 3 || step > kPayDayPresetSteps)
        throw std::out_of_range("pay-day preset " + std::to_string(step));
    days.fill(kSameDay[step - 3]);
    return days;
}

}  // namespace nencho
