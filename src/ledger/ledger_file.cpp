#include "ledger/ledger_file.h"

#include "common/keys.h"
#include "common/paths.h"

namespace nencho {

namespace {

// The stored order of the number block: the dependants come before the tax.
constexpr LedgerColumn kStoredColumns[] = {LedgerColumn::Pay, LedgerColumn::SocialInsurance,
                                           LedgerColumn::AfterInsurance, LedgerColumn::Dependants,
                                           LedgerColumn::Tax};

bool isStored(int row, LedgerColumn column) {
    return column != LedgerColumn::Dependants ||
           (row != kMonthTotalRow && row != kBonusTotalRow && row != kGrandTotalRow);
}

// Calls visit(row, column) for every stored cell in file order.
template <class Visit>
void forEachStoredCell(Visit visit) {
    for (LedgerColumn column : kStoredColumns)
        for (int row = 1; row <= kLedgerRows; ++row)
            if (isStored(row, column)) visit(row, column);
}

}  // namespace

std::optional<int> ledgerLine(int row, LedgerColumn column) {
    if (row < 1 || row > kLedgerRows || !isStored(row, column)) return std::nullopt;
    switch (column) {
        case LedgerColumn::Pay:
        case LedgerColumn::SocialInsurance:
        case LedgerColumn::AfterInsurance:
            return 18 * (static_cast<int>(column) - 1) + row;
        case LedgerColumn::Dependants:
            return row <= kLastMonthRow ? 54 + row : 53 + row;
        case LedgerColumn::Tax:
            return 69 + row;
    }
    return std::nullopt;
}

std::optional<std::string> ledgerFilePath(const std::string& taxYearCode,
                                          const LedgerOwner& owner) {
    const auto key = personKey(owner.companyCode, owner.personCode);
    if (!key) return std::nullopt;
    return yearFilePath(taxYearCode, *key, YearFileKind::Ledger);
}

std::optional<std::vector<std::string>> ledgerSaveRecords(const std::string& taxYearCode,
                                                          std::int32_t personKey) {
    std::vector<std::string> records;
    for (YearFileKind kind :
         {YearFileKind::Ledger, YearFileKind::Insurance, YearFileKind::Dependants}) {
        const auto path = yearFilePath(taxYearCode, personKey, kind);
        if (!path) return std::nullopt;
        records.push_back(*path);
    }
    return records;
}

LedgerRecord readLedgerFile(const std::string& systemPath) {
    RecordReader reader = RecordReader::open(systemPath);
    LedgerRecord record;
    forEachStoredCell([&](int row, LedgerColumn column) {
        record.sheet.setCell(row, column, reader.longNumber());
    });
    for (std::string& text : record.payDates) text = reader.text();
    return record;
}

RecordWriter ledgerFileWriter(const LedgerRecord& record) {
    RecordWriter writer;
    forEachStoredCell(
        [&](int row, LedgerColumn column) { writer.number(record.sheet.cell(row, column)); });
    for (const std::string& text : record.payDates) writer.text(text);
    writer.spare(1, 12);
    return writer;
}

}  // namespace nencho
