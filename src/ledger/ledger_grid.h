#pragma once
// The numbering of the ledger screen's boxes. Month m uses the block from 11 + 9(m - 1):
// day, pay, social insurance, after social insurance, dependants, tax, over/under, tax again.
// Bonus b uses the block from 127 + 9(b - 1): month, day, then the same eight columns from pay.
// The total rows use 120, 154 and 165 onwards for pay to tax again, without a date box.
#include <vector>

#include "ledger/ledger_table.h"

namespace nencho {

struct LedgerRowBoxes {
    int date;        // the pay day of a month, the day of a bonus; 0 for a total row
    int bonusMonth;  // the month of a bonus; 0 for other rows
    int pay;
    int insurance;
    int afterInsurance;
    int dependants;
    int tax;
    int overUnder;
    int taxAgain;
};

// The boxes of ledger row 1 to 18.
LedgerRowBoxes ledgerRowBoxes(int row);

// The box showing a cell (the tax column's first box).
int ledgerBox(int row, LedgerColumn column);

// The box of pay-date text 1 to 18: the twelve pay days, then each bonus's month and day.
int payDateBox(int index);

// The boxes the display clear empties: every data box except the over/under column and the
// dependants boxes of the total rows.
std::vector<int> displayClearBoxes();

// The eight boxes of a month row that its row clear empties, in order.
std::vector<int> monthRowBoxes(int month);

}  // namespace nencho
