#pragma once
// The ledger stored in tests/data/ledger_1020.txt (company 1, person 2), as cells: month m pays
// 250,000 + 1,000(m - 1) with social insurance 30,000 + m, tax 5,000 + 10m and m mod 3
// dependants; bonus 1 pays 500,000, bonus 2 400,000, bonus 3 nothing.
#include "ledger/ledger_table.h"

namespace nencho::test {

inline LedgerSheet knownLedgerMonthsAndBonuses() {
    LedgerSheet sheet;
    for (int m = 1; m <= 12; ++m) {
        const int pay = 250000 + 1000 * (m - 1);
        const int insurance = 30000 + m;
        sheet.setCell(m, LedgerColumn::Pay, pay);
        sheet.setCell(m, LedgerColumn::SocialInsurance, insurance);
        sheet.setCell(m, LedgerColumn::AfterInsurance, pay - insurance);
        sheet.setCell(m, LedgerColumn::Tax, 5000 + 10 * m);
        sheet.setCell(m, LedgerColumn::Dependants, m % 3);
    }
    const int bonuses[2][5] = {{500000, 60000, 440000, 20000, 2},
                               {400000, 48000, 352000, 16000, 1}};
    for (int b = 0; b < 2; ++b)
        for (int c = 1; c <= 5; ++c)
            sheet.setCell(bonusRow(b + 1), static_cast<LedgerColumn>(c), bonuses[b][c - 1]);
    return sheet;
}

// Its totals: month, bonus and grand total of pay, social insurance, after insurance and tax.
inline constexpr int kKnownTotals[3][4] = {{3066000, 360078, 2705922, 60780},
                                           {900000, 108000, 792000, 36000},
                                           {3966000, 468078, 3497922, 96780}};

}  // namespace nencho::test
