#pragma once
// A computed row as the calculation screens hand it back to the ledger grid: which boxes of the
// month or bonus row receive which figure, each shown in the "#,###" amount format. The box of
// the year-end over-or-under column (first box + 5) and the pay-day box are never written.
#include <cstdint>
#include <string>
#include <vector>

namespace nencho {

struct LedgerRowFigures {
    std::int32_t pay = 0;  // the month's pay or the bonus
    std::int32_t socialInsurance = 0;
    std::int32_t afterSocialInsurance = 0;
    std::int32_t dependants = 0;
    std::int32_t tax = 0;
};

struct LedgerBoxWrite {
    int box;  // the ledger's text box number
    std::string text;
};

inline constexpr int kMonthCount = 12;
inline constexpr int kBonusCount = 3;

// The pay box of month 1 to 12 (12, 21, ... 111) and of bonus 1 to 3 (129, 138, 147).
int monthRowFirstBox(int month);
int bonusRowFirstBox(int bonusNumber);

// Pay, social insurance, after social insurance, dependants, tax and the tax again, in the
// order they are written.
std::vector<LedgerBoxWrite> ledgerRowWrites(int firstBox, const LedgerRowFigures& figures);

}  // namespace nencho
