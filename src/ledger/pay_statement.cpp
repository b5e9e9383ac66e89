#include "ledger/pay_statement.h"

namespace nencho {

bool payRecordAgrees(const MonthlyPayRecord& record, const LedgerSheet& sheet, int month) {
    const std::int64_t premiums = std::int64_t{record.health} + record.pension + record.employment;
    return sheet.cell(month, LedgerColumn::Pay) == record.pay &&
           sheet.cell(month, LedgerColumn::SocialInsurance) == premiums &&
           sheet.cell(month, LedgerColumn::Tax) == record.tax;
}

std::array<std::int32_t, kPayStatementRows> payStatementAmounts(const MonthlyPayRecord& record) {
    return {record.pay, record.health,          record.pension, record.employment,
            record.tax, record.totalDeductions, record.netPay};
}

}  // namespace nencho
