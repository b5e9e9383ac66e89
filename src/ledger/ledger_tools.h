#pragma once
// The ledger's row tools that work on values: copying a month into the later months, and the
// cycle of pay-day presets behind the "日" button.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "ledger/ledger_table.h"

namespace nencho {

// The sheet with month `month`'s five columns copied into every later month; no value when
// the copied year would no longer sum within the signed 32-bit range.
std::optional<LedgerSheet> copiedForward(const LedgerSheet& sheet, int month);

// The months whose boxes a copy of month 1 to 11 rewrites from the sheet, up to December: the
// pay boxes from one month, the social insurance, after-insurance, tax, dependants and
// tax-again boxes from another. The copies of the early months leave some of the copied
// month's own boxes alone, as the screen has always done.
struct CopyShownMonths {
    int firstPay;
    int firstOther;
};
CopyShownMonths copyShownMonths(int month);

inline constexpr int kPayDayPresetSteps = 9;

// The step a press takes after the counter text: one more, back to 1 after 9. A counter that
// does not hold a step (empty, not a number, out of range) counts as 0.
int nextPayDayPresetStep(std::string_view counter);

// The twelve pay days (January to December) of preset step 1 to 9.
std::array<std::string, 12> payDayPreset(int step);

}  // namespace nencho
