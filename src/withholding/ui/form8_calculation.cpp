// The monthly calculation screen's two ways of returning a month to the ledger: computed from
// the pay, or taken as typed.
#include <QRadioButton>

#include "common/amount.h"
#include "common/keys.h"
#include "common/paths.h"
#include "ledger/ledger_file.h"
#include "platform/record_error.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/reported_action.h"
#include "platform/ui/reported_piece.h"
#include "withholding/checked_amounts.h"
#include "withholding/ledger_row.h"
#include "withholding/monthly_calculation.h"
#include "withholding/monthly_pay_record.h"
#include "withholding/typed_numbers.h"
#include "withholding/ui/form8.h"
#include "withholding/ui/form8_controls.h"
#include "withholding/ui/ledger_check.h"
#include "withholding/ui/ledger_write_back.h"

namespace nencho {

namespace {

const PieceWords kNotSaved{QStringLiteral("計算した月を保存できませんでした。")};
const QString kLedgerOverflowProblem =
    "合計が 2,147,483,647 円を超えるため計算できません。\n入力した金額を確かめてください。";

std::int32_t amountIn(const QString& text) {
    return readAmountOrZero(text.toStdString());
}

LedgerRowFigures rowOf(const MonthlyCalculation& figures, std::int32_t dependants) {
    return {figures.pay, figures.socialInsurance, figures.payAfterSocialInsurance, dependants,
            figures.tax.tax};
}

}  // namespace

void Form8::calculate(bool withNursingCare) {
    const std::int32_t pay = amountIn(textOf(form8::kPayLabel));
    const auto month = checkedMonth();
    if (!month) return;
    const auto recordPath = checkedRecordPath(*month);
    if (!recordPath) return;
    const auto dependants = chosenDependants();
    if (!dependants) return;

    const MonthlyInput input{pay,
                             withNursingCare ? NursingCare::With : NursingCare::Without,
                             !isTicked(form8::kHealthCheck),
                             !isTicked(form8::kPensionCheck),
                             isTicked(form8::kEmploymentCheck),
                             *dependants};
    MonthlyCalculation figures;
    try {
        figures = calculateMonth(input);
    } catch (const CalculationError& error) {
        return showProblem(QString::fromUtf8(error.what()));
    }
    // A month the ledger would refuse leaves no pay record either: checked before any write.
    if (!ledgerTakesMonthRow(*month, {figures.pay, figures.socialInsurance,
                                      figures.payAfterSocialInsurance, figures.tax.tax}))
        return showProblem(kLedgerOverflowProblem);

    // The pay record, the ledger and the records the ledger's saves feed change as one piece of
    // work, which the saves join: a failed write puts them all back, told once under this
    // screen's title, and a calculation cut short leaves the next start to do so.
    runReported(windowTitle(), [&] {
        runPieceOfWork(calculationRecords(*recordPath), kNotSaved, [&] {
            hide();
            writeMonthRowBoxes(*month, rowOf(figures, *dependants));
            saveRecord(*recordPath, *month, figures);
            // The row and the ledger file are kept in step even when the record could not be
            // written.
            pressMonthTotalsAndSave();
            return true;  // a refused write puts the piece back; what else failed was told
        });
    });
}

// The month's pay record and the records the ledger's saves write for the person of the boxes.
std::vector<std::string> Form8::calculationRecords(const std::string& payRecordPath) const {
    const auto key = typedPersonKey(textOf(form8::kCompanyBox).toStdString(),
                                    textOf(form8::kPersonBox).toStdString());
    auto records =
        key ? ledgerSaveRecords(textOf(form8::kYearBox).toStdString(), *key) : std::nullopt;
    if (!records) fail(FileErrorKind::Overflow);
    records->push_back(payRecordPath);
    return *records;
}

void Form8::enterManually() {
    const std::int32_t pay = amountIn(textOf(form8::kPayLabel));
    const auto month = checkedMonth();
    if (!month) return;
    const std::int32_t socialInsurance = amountIn(textOf(form8::kManualInsuranceBox));
    const std::int32_t tax = amountIn(textOf(form8::kManualTaxBox));
    const std::int32_t dependants = amountIn(textOf(form8::kManualDependantsBox));
    std::int32_t after = 0;
    try {
        after = payAfterSocialInsurance(pay, socialInsurance);
    } catch (const CalculationError& error) {
        return showProblem(QString::fromUtf8(error.what()));
    }

    hide();
    writeBackMonthRow(*month, {pay, socialInsurance, after, dependants, tax});
    for (const char* box :
         {form8::kManualInsuranceBox, form8::kManualTaxBox, form8::kManualDependantsBox})
        setTextOf(box, "");
}

std::optional<int> Form8::checkedMonth() {
    const auto month = readSmallNumber(textOf(form8::kMonthBox).toStdString());
    if (month && *month >= 1 && *month <= kLastMonthRow) return *month;
    showProblem("計算する月が正しくありません。1から12までの月を指定してください。");
    return std::nullopt;
}

std::optional<std::string> Form8::checkedRecordPath(int month) {
    const auto key = typedPersonKey(textOf(form8::kCompanyBox).toStdString(),
                                    textOf(form8::kPersonBox).toStdString());
    const std::string year = textOf(form8::kYearBox).toStdString();
    const auto path = key ? monthlyPayRecordPath(year, *key, month) : std::nullopt;
    if (!path) {
        showProblem("会社コード・個人コードが正しくありません。源泉徴収簿から計算してください。");
        return std::nullopt;
    }
    if (!isUsableYearText(year)) {
        showProblem("年度が指定されていません。源泉徴収簿から計算してください。");
        return std::nullopt;
    }
    return path;
}

std::optional<std::int32_t> Form8::chosenDependants() {
    for (int count = 0; count <= 4; ++count)
        if (control<QRadioButton>(form8::kDependantsOptions[count])->isChecked()) return count;
    return askDependants();
}

std::optional<std::int32_t> Form8::askDependants() {
    // Each wrong answer is explained and asked again, until a count or Cancel; the bound only
    // guards against a host that never cancels.
    constexpr int kMostQuestions = 100;
    for (int question = 0; question < kMostQuestions; ++question) {
        const auto answer = dialogs().inputBox("扶養家族は何人ですか(配偶者を含む）？", {}, {});
        if (!answer) return std::nullopt;
        const QString typed = answer->normalized(QString::NormalizationForm_KC);
        if (const auto count = readDependantsAnswer(typed.toStdString())) return *count;
        showProblem("扶養家族の数は5から99までの整数で入力してください。");
    }
    return std::nullopt;
}

void Form8::saveRecord(const std::string& path, int month, const MonthlyCalculation& figures) {
    try {
        saveMonthlyPayRecord(path, monthlyPayRecordOf(month, figures));
    } catch (const RecordError& error) {
        reportFailure("給与明細のデータを保存できませんでした。\n" +
                      QString::fromUtf8(error.what()));
    }
}

}  // namespace nencho
