#include "ledger/ledger_grid.h"

#include <stdexcept>
#include <string>

namespace nencho {

namespace {

constexpr int monthBase(int month) {
    return 11 + 9 * (month - 1);
}
constexpr int bonusBase(int bonus) {
    return 127 + 9 * (bonus - 1);
}

LedgerRowBoxes fromPay(int date, int bonusMonth, int pay) {
    return {date, bonusMonth, pay, pay + 1, pay + 2, pay + 3, pay + 4, pay + 5, pay + 6};
}

}  // namespace

LedgerRowBoxes ledgerRowBoxes(int row) {
    if (row >= kFirstMonthRow && row <= kLastMonthRow)
        return fromPay(monthBase(row), 0, monthBase(row) + 1);
    if (row >= kFirstBonusRow && row <= kLastBonusRow) {
        const int base = bonusBase(row - kFirstBonusRow + 1);
        return fromPay(base + 1, base, base + 2);
    }
    switch (row) {
        case kMonthTotalRow:
            return fromPay(0, 0, 120);
        case kBonusTotalRow:
            return fromPay(0, 0, 154);
        case kGrandTotalRow:
            return fromPay(0, 0, 165);
    }
    throw std::out_of_range("ledger row " + std::to_string(row));
}

int ledgerBox(int row, LedgerColumn column) {
    const LedgerRowBoxes boxes = ledgerRowBoxes(row);
    switch (column) {
        case LedgerColumn::Pay:
            return boxes.pay;
        case LedgerColumn::SocialInsurance:
            return boxes.insurance;
        case LedgerColumn::AfterInsurance:
            return boxes.afterInsurance;
        case LedgerColumn::Tax:
            return boxes.tax;
        case LedgerColumn::Dependants:
            return boxes.dependants;
    }
    throw std::out_of_range("ledger column");
}

int payDateBox(int index) {
    if (index >= 1 && index <= 12) return monthBase(index);
    if (index >= 13 && index <= kPayDateTextCount) {
        const int bonus = (index - 13) / 2 + 1;
        return bonusBase(bonus) + (index - 13) % 2;
    }
    throw std::out_of_range("pay-date text " + std::to_string(index));
}

std::vector<int> displayClearBoxes() {
    std::vector<int> boxes;
    for (int row = 1; row <= kLedgerRows; ++row) {
        const LedgerRowBoxes b = ledgerRowBoxes(row);
        const bool isTotal = b.date == 0;
        if (b.bonusMonth) boxes.push_back(b.bonusMonth);
        if (b.date) boxes.push_back(b.date);
        for (int box : {b.pay, b.insurance, b.afterInsurance}) boxes.push_back(box);
        if (!isTotal) boxes.push_back(b.dependants);
        boxes.push_back(b.tax);
        boxes.push_back(b.taxAgain);
    }
    return boxes;
}

std::vector<int> monthRowBoxes(int month) {
    std::vector<int> boxes;
    for (int box = monthBase(month); box < monthBase(month) + 8; ++box) boxes.push_back(box);
    return boxes;
}

}  // namespace nencho
