#pragma once
// A computed row as the calculation screens hand it back to the ledger grid: which boxes of the
// month or bonus row receive which figure, each shown in the "#,###" amount format. The box of
// the year-end over-or-under column and the pay-day box are never written.
#include <cstdint>
#include <string>
#include <vector>

#include "ledger/ledger_table.h"

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

// Pay, social insurance, after social insurance, dependants, tax and the tax again of ledger row
// 1 to 18, in the order they are written.
std::vector<LedgerBoxWrite> ledgerRowWrites(int row, const LedgerRowFigures& figures);

}  // namespace nencho
