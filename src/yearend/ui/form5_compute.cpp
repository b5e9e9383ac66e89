// 計算実行: the deductions from what the sheet shows, the count check and the stored record.
#include "common/amount.h"
#include "common/failure.h"
#include "platform/record_error.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/screens.h"
#include "platform/ui/texts.h"
#include "printing/ui/form7_controls.h"
#include "yearend/dependants_file.h"
#include "yearend/ui/form5.h"
#include "yearend/ui/form5_controls.h"

namespace nencho {

using namespace form5;

namespace {

const std::string kNotComputed = "扶養控除等を計算できませんでした。\n";
const std::string kNotStored = "扶養控除等のデータを保存できませんでした。\n";

}  // namespace

// Every computation rewrites the whole record of the person named by the code boxes in the
// sheet's working year.
void Form5::compute() {
    DependantsDeduction result;
    try {
        result = computeDependantsDeduction(inputFromSheet());
    } catch (const Failure& failure) {
        throw Failure(kNotComputed + failure.what());
    }
    if (result.countExceeded)
        resetAfterCountCheck();
    else
        showComputation(result);
    store(computedRecord(result, tableFromSheet()));
}

DependantsInput Form5::inputFromSheet() const {
    DependantsInput input;
    input.person = person_;
    input.spouse = spouse_;
    auto marked = [this](const char* flag) { return amountOf(flag) != 0; };
    for (std::size_t i = 0; i < kPersonMarks.size(); ++i)
        input.matrix.personMarked[i] = marked(kPersonMarks[i].flag);
    for (std::size_t i = 0; i < kSpouseMarks.size(); ++i) {
        input.matrix.spouseMarked[i] = marked(kSpouseMarks[i].flag);
        input.matrix.spouseRestored[i] = marked(kGridRows[i].restoreFlag);
    }
    for (std::size_t i = 0; i < kGridRows.size(); ++i)
        input.matrix.dependantCounts[i] = amountOf(kGridRows[i].typedCount);
    input.dependantsInAll = amountOf(kDependantsCountBox);
    return input;
}

DependantTable Form5::tableFromSheet() const {
    DependantTable table;
    for (const auto& stored : kSpouseStoredBoxes)
        table.spouse.*stored.field = stdText(textOf(kSpouseRow.*stored.box));
    for (std::size_t i = 0; i < kDependantTableRows.size(); ++i) {
        for (const auto& stored : kDependantStoredBoxes)
            table.dependants[i].*stored.field = stdText(textOf(kDependantTableRows[i].*stored.box));
    }
    table.spouseAnnualIncome = amountOf(kSpouseRow.annualIncome);
    return table;
}

void Form5::showComputation(const DependantsDeduction& result) {
    for (std::size_t i = 0; i < kGridRows.size(); ++i)
        showAmount(kGridRows[i].total, result.rowTotals[i]);
    setTextOf(kGrandTotalBox, result.grandTotal == 0
                                  ? QString()
                                  : QString::fromStdString(decimal(result.grandTotal)));
    showTotal(result.amounts.r(17));
}

// "#,###円", right-aligned: a total of 0 shows "円".
void Form5::showTotal(std::int32_t total) {
    showTotalCaption(QString::fromStdString(formatAmount(total)) + "円", Qt::AlignRight);
}

// More persons with conditions than the person and the dependants counted: the row totals,
// the number of dependants, the typed numbers and the spouse's condition are reset, and the
// record keeps what the reset sheet gives. The grid's marks stay and count next time.
void Form5::resetAfterCountCheck() {
    press(kTotalsResetButton);
    setTextOf(kDependantsCountBox, "");
    for (const GridRow& row : kGridRows) setTextOf(row.typedCount, "");
    press(kSpouseResetButton);
    dialogs().beep();
}

void Form5::store(const DependantsRecord& record) {
    const auto key = personKeyFromBoxes();
    if (!key) throw Failure(kNotStored + "会社と個人が選ばれていません。");
    try {
        DependantsFile::save(workingYear().toStdString(), *key, record);
    } catch (const RecordError& error) {
        throw Failure(kNotStored + error.what());
    }
    // The print screen's summary shows the spouse's income of the record it last displayed.
    screens::write(form7::kForm, form7::kSpouseIncomeLabel, {});
}

}  // namespace nencho
