#include "summary/summary_table.h"

#include <optional>

#include "common/amount.h"
#include "common/failure.h"
#include "common/int32.h"
#include "common/paths.h"
#include "ledger/ledger_file.h"
#include "platform/record_error.h"
#include "yearend/adjustment_result_file.h"

namespace nencho {

namespace {

// The sums of one run, wide enough that no 99 signed 32-bit values can pass their range.
struct WideSums {
    std::array<std::int64_t, kLedgerRows + 1> pay{};
    std::array<std::int64_t, kLedgerRows + 1> tax{};
    std::int64_t balance = 0;
};

std::string rowName(int row) {
    if (row <= kLastMonthRow) return decimal(row) + "月";
    if (row == kMonthTotalRow) return "月の合計";
    if (row <= kLastBonusRow) return "賞与" + decimal(row - kFirstBonusRow + 1);
    if (row == kBonusTotalRow) return "賞与の合計";
    return "総計";
}

[[noreturn]] void failOutOfRange(const std::string& sumName) {
    throw Failure(sumName + "が扱える金額の範囲を超えるため、集計できません。");
}

std::int32_t checkedSum(std::int64_t sum, const std::string& sumName) {
    const auto fitted = fitInt32(sum);
    if (!fitted) failOutOfRange(sumName);
    return *fitted;
}

class SummaryRun {
  public:
    SummaryRun(const std::string& taxYearCode, std::int16_t companyCode)
        : taxYearCode_(taxYearCode), companyCode_(companyCode) {}

    SummaryTable run() {
        for (int person = kFirstPersonCode; person <= kLastPersonCode; ++person) {
            addLedger(person);
            addBalance(person);
        }
        return checkedTable();
    }

  private:
    // A 16-bit company code gives every person 1 to 99 a key within 32 bits.
    std::int32_t keyOf(int person) const { return personKey(companyCode_, person).value(); }

    void addLedger(int person) {
        const auto path = ledgerFilePath(taxYearCode_, {companyCode_, person});
        try {
            if (!path) fail(FileErrorKind::Overflow);
            const LedgerSheet sheet = readLedgerFile(*path).sheet;
            for (int row = 1; row <= kLedgerRows; ++row) {
                sums_.pay[row] += sheet.cell(row, LedgerColumn::Pay);
                sums_.tax[row] += sheet.cell(row, LedgerColumn::Tax);
            }
        } catch (const RecordError& error) {
            if (!error.isMissingFile())
                table_.unreadable.push_back(
                    {person, YearFileKind::Ledger, path.value_or(""), describe(error.kind())});
        }
    }

    void addBalance(int person) {
        try {
            const auto record = AdjustmentResultFile::load(taxYearCode_, keyOf(person));
            if (!record) return;
            sums_.balance += record->value(AdjustmentValue::Balance);
            ++table_.balancePersons;
        } catch (const RecordError& error) {
            const auto path =
                yearFilePath(taxYearCode_, keyOf(person), YearFileKind::AdjustmentResult);
            table_.unreadable.push_back({person, YearFileKind::AdjustmentResult, path.value_or(""),
                                         describe(error.kind())});
        }
    }

    SummaryTable checkedTable() {
        for (int row = 1; row <= kLedgerRows; ++row)
            table_.rows[row].pay = checkedSum(sums_.pay[row], rowName(row) + "の給与支給額の合計");
        for (int row = 1; row <= kLedgerRows; ++row)
            table_.rows[row].tax =
                checkedSum(sums_.tax[row], rowName(row) + "の源泉所得税額の合計");
        table_.firstHalf = halfYear(1, kFirstHalfLastRow, "１月から６月まで");
        table_.secondHalf = halfYear(kFirstHalfLastRow + 1, kLastMonthRow, "７月から１２月まで");
        table_.balanceTotal = checkedSum(sums_.balance, "年末調整の超過・不足の合計額");
        return table_;
    }

    // The half-year adds the row totals as shown, so its figures always match the rows.
    PayAndTax halfYear(int firstRow, int lastRow, const std::string& name) const {
        std::int64_t pay = 0;
        std::int64_t tax = 0;
        for (int row = firstRow; row <= lastRow; ++row) {
            pay += table_.rows[row].pay;
            tax += table_.rows[row].tax;
        }
        return {checkedSum(pay, name + "の給与支給額の計"),
                checkedSum(tax, name + "の源泉所得税額の計")};
    }

    const std::string& taxYearCode_;
    std::int16_t companyCode_;
    WideSums sums_;
    SummaryTable table_;
};

}  // namespace

SummaryTable summarise(const std::string& taxYearCode, std::int16_t companyCode) {
    return SummaryRun(taxYearCode, companyCode).run();
}

std::string describeUnreadable(const std::vector<UnreadableRecord>& records) {
    std::string text = "次の記録が読めないため、集計に含めていません。";
    for (const UnreadableRecord& record : records) {
        const char* what = record.kind == YearFileKind::Ledger ? "源泉徴収簿" : "年末調整の結果";
        text += "\n個人コード " + decimal(record.personCode) + " の" + what + "（" +
                record.systemPath + "）：" + record.reason;
    }
    return text;
}

}  // namespace nencho
