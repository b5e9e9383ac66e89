#include "ledger/ledger_totals.h"

#include "common/int32.h"

namespace nencho {

namespace {

std::int64_t wideSum(const LedgerSheet& sheet, int first, int last, LedgerColumn column) {
    std::int64_t sum = 0;
    for (int row = first; row <= last; ++row) sum += sheet.cell(row, column);
    return sum;
}

// Sets row `target` of every yen column to sum(column), or nothing when one does not fit.
template <class Sum>
bool setTotalRow(LedgerSheet& sheet, int target, Sum sum) {
    std::int32_t totals[std::size(kAmountColumns)];
    for (std::size_t i = 0; i < std::size(kAmountColumns); ++i) {
        const auto total = fitInt32(sum(kAmountColumns[i]));
        if (!total) return false;
        totals[i] = *total;
    }
    for (std::size_t i = 0; i < std::size(kAmountColumns); ++i)
        sheet.setCell(target, kAmountColumns[i], totals[i]);
    return true;
}

}  // namespace

std::optional<std::int32_t> sumOfRows(const LedgerSheet& sheet, int first, int last,
                                      LedgerColumn column) {
    return fitInt32(wideSum(sheet, first, last, column));
}

bool formMonthTotals(LedgerSheet& sheet) {
    return setTotalRow(sheet, kMonthTotalRow, [&](LedgerColumn column) {
        return wideSum(sheet, kFirstMonthRow, kLastMonthRow, column);
    });
}

bool formBonusTotals(LedgerSheet& sheet) {
    return setTotalRow(sheet, kBonusTotalRow, [&](LedgerColumn column) {
        return wideSum(sheet, kFirstBonusRow, kLastBonusRow, column);
    });
}

bool formGrandTotals(LedgerSheet& sheet) {
    return setTotalRow(sheet, kGrandTotalRow, [&](LedgerColumn column) {
        return std::int64_t{sheet.cell(kMonthTotalRow, column)} +
               sheet.cell(kBonusTotalRow, column);
    });
}

bool sumsFit(const LedgerSheet& sheet) {
    for (LedgerColumn column : kAmountColumns) {
        const std::int64_t months = wideSum(sheet, kFirstMonthRow, kLastMonthRow, column);
        const std::int64_t bonuses = wideSum(sheet, kFirstBonusRow, kLastBonusRow, column);
        if (!fitInt32(months) || !fitInt32(bonuses) || !fitInt32(months + bonuses)) return false;
    }
    return true;
}

LedgerFeed feedOf(const LedgerSheet& sheet) {
    return {
        sheet.cell(kMonthTotalRow, LedgerColumn::Pay),
        sheet.cell(kMonthTotalRow, LedgerColumn::Tax),
        sheet.cell(kBonusTotalRow, LedgerColumn::Pay),
        sheet.cell(kBonusTotalRow, LedgerColumn::Tax),
        sheet.cell(kGrandTotalRow, LedgerColumn::Pay),
        sheet.cell(kGrandTotalRow, LedgerColumn::Tax),
        sheet.cell(kGrandTotalRow, LedgerColumn::SocialInsurance),
        sheet.cell(kLastMonthRow, LedgerColumn::Dependants),
    };
}

}  // namespace nencho
