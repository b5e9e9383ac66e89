// The spouse and housing screen's actions: the income from the spouse's pay, the deduction looked
// up from the income, the save and the load of the record, and the clear buttons.
#include "common/amount.h"
#include "common/keys.h"
#include "platform/record_error.h"
#include "platform/ui/reported_action.h"
#include "yearend/spouse_housing_file.h"
#include "yearend/spouse_special_deduction.h"
#include "yearend/ui/form16.h"
#include "yearend/ui/form16_controls.h"

namespace nencho {

using namespace form16;

namespace {

const char* const kNoPerson =
    "会社と個人が選ばれていないため、配偶者特別控除・住宅取得控除のデータを保存できません。";
const char* const kNotStored = "配偶者特別控除・住宅取得控除のデータを保存できませんでした。\n";
const char* const kNotRead = "配偶者特別控除・住宅取得控除のデータを読み込めませんでした。\n";

}  // namespace

void Form16::connectActions() {
    onPress(kIncomeFromPayButton, [this] { runReported("計算実行", [this] { incomeFromPay(); }); });
    onPress(kDeductionButton,
            [this] { runReported("配偶者特別控除の額", [this] { lookUpDeduction(); }); });
    onPress(kSaveButton, [this] { runReported("計算実行", [this] { save(); }); });
    onPress(kLoadButton, [this] { runReported("DATA", [this] { load(); }); });
    onPress(kClearButton, [this] {
        clearBoxes({kHousingLoanBox, kIncomeBox, kDeductionBox, kPayBox, kReadingBox, kNameBox});
    });
    onPress(kPayButton, [this] { clearBoxes({kPayBox, kIncomeBox, kDeductionBox}); });
    onPress(kReadingButton, [this] { clearBoxes({kReadingBox}); });
    onPress(kNameButton, [this] { clearBoxes({kNameBox}); });
    onPress(kIncomeButton, [this] { clearBoxes({kIncomeBox}); });
    onPress(kHousingLoanButton, [this] { clearBoxes({kHousingLoanBox}); });
}

void Form16::clearBoxes(std::initializer_list<const char*> boxes) {
    for (const char* box : boxes) setTextOf(box, {});
}

std::optional<std::int32_t> Form16::keyFromBoxes() const {
    return typedPersonKey(textOf(kCompanyBox).toStdString(), textOf(kPersonBox).toStdString());
}

// The pay less 650,000 yen (none shown for no pay), then the deduction and the save.
void Form16::incomeFromPay() {
    const std::int32_t pay = amountOf(kPayBox);
    showAmount(kPayBox, pay);
    showAmount(kIncomeBox, spouseIncomeFromPay(pay));
    press(kDeductionButton);
}

void Form16::lookUpDeduction() {
    const std::int32_t income = amountOf(kIncomeBox);
    showAmount(kIncomeBox, income);
    showAmount(kDeductionBox, spouseSpecialDeduction(income));
    press(kSaveButton);
}

// Stores the boxes as they show them: the deduction is not checked against the income.
void Form16::save() {
    SpouseHousingRecord record;
    record.spouseReading = textOf(kReadingBox).toStdString();
    record.spouseName = textOf(kNameBox).toStdString();
    record.spousePay = amountOf(kPayBox);
    record.spouseIncome = amountOf(kIncomeBox);
    record.spouseSpecialDeduction = amountOf(kDeductionBox);
    record.housingLoanCredit = amountOf(kHousingLoanBox);
    showAmount(kHousingLoanBox, record.housingLoanCredit);
    const auto key = keyFromBoxes();
    if (!key) {
        reportFailure(kNoPerson);
        return;
    }
    const std::string year = workingYear().toStdString();
    if (loadedFrom_ && loadedFrom_->taxYearCode == year && loadedFrom_->personKey == *key)
        record.reserved = reserved_;
    try {
        SpouseHousingFile::save(year, *key, record);
    } catch (const RecordError& error) {
        reportFailure(kNotStored + QString::fromUtf8(error.what()));
    }
}

// A load starts from empty boxes, so a person without a record (or with one that cannot be
// read) never shows the former person's entries.
void Form16::load() {
    clearBoxes({kHousingLoanBox, kIncomeBox, kDeductionBox, kPayBox, kReadingBox, kNameBox});
    loadedFrom_.reset();
    reserved_ = {};
    const auto key = keyFromBoxes();
    if (!key) return;
    const std::string year = workingYear().toStdString();
    std::optional<SpouseHousingRecord> record;
    try {
        record = SpouseHousingFile::load(year, *key);
    } catch (const RecordError& error) {
        reportFailure(kNotRead + QString::fromUtf8(error.what()));
        return;
    }
    if (!record) return;
    setTextOf(kReadingBox, QString::fromStdString(record->spouseReading));
    setTextOf(kNameBox, QString::fromStdString(record->spouseName));
    showAmount(kHousingLoanBox, record->housingLoanCredit);
    showAmount(kPayBox, record->spousePay);
    showAmount(kIncomeBox, record->spouseIncome);
    showAmount(kDeductionBox, record->spouseSpecialDeduction);
    reserved_ = record->reserved;
    loadedFrom_ = LoadedFrom{year, *key};
}

}  // namespace nencho
