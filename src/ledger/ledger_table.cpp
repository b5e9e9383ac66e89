#include "ledger/ledger_table.h"

#include <stdexcept>
#include <string>

namespace nencho {

namespace {

void checkIndex(int row, LedgerColumn column) {
    const int c = static_cast<int>(column);
    if (row < 1 || row > kLedgerRows || c < 1 || c > kLedgerColumns)
        throw std::out_of_range("ledger cell (" + std::to_string(row) + ", " + std::to_string(c) +
                                ")");
}

}  // namespace

std::int32_t LedgerSheet::cell(int row, LedgerColumn column) const {
    checkIndex(row, column);
    return cells_[row - 1][static_cast<int>(column) - 1];
}

void LedgerSheet::setCell(int row, LedgerColumn column, std::int32_t value) {
    checkIndex(row, column);
    cells_[row - 1][static_cast<int>(column) - 1] = value;
}

}  // namespace nencho
