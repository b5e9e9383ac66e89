// The sheet's load (データ呼出) from the person's records and its clear (クリア).
#include "common/amount.h"
#include "ledger/ledger_totals.h"
#include "platform/ui/dialogs.h"
#include "yearend/ui/form3.h"
#include "yearend/ui/form3_controls.h"

namespace nencho {

using namespace form3;

// The boxes the sheet shows the person's year in; the clear empties them all.
namespace {

constexpr std::initializer_list<const char*> kDeductionBoxes = {
    kDeclaredInsuranceBox, kMutualAidBox,     kLifeInsuranceBox,
    kCasualtyBox,          kSpouseSpecialBox, kDependantsBox};

}  // namespace

// Fills the sheet with the year of the person in the code boxes. A person other than the one
// shown starts from empty: the values computed for the former person and its status go.
Form3::LoadResult Form3::load(const QString& title) {
    const auto owner = ownerFromBoxes();
    if (!owner) {
        forgetShownPerson();
        return LoadResult::NoPerson;
    }
    if (const auto caption = annualTaxCaption(owner->taxYearCode))
        setTextOf(kAnnualTaxCaption, QString::fromStdString(*caption));
    if (shown_ != owner) takeUpPerson(*owner);
    computedSinceLoad_ = false;

    const SheetLoad loaded = loadSheetRecords(*owner);
    records_ = loaded.records;
    fillBoxes();
    if (textOf(kStatusBox) ==
        QString::fromUtf8(adjustmentStatusText(AdjustmentStatus::NotAdjusted)))
        emptyBoxes(kDeductionBoxes);
    if (loaded.damaged.empty()) return LoadResult::Loaded;

    QString message;
    for (const std::string& line : loaded.damaged) message += QString::fromStdString(line) + "\n";
    message += "読めない記録は空として表示しています。その記録を直すまで年末調整はできません。";
    showMessage(message, title, MessageIcon::Exclamation);
    return LoadResult::AmountsDamaged;
}

// No person named: nothing of the person shown before stays.
void Form3::forgetShownPerson() {
    shown_.reset();
    records_ = {};
    result_ = {};
    computedSinceLoad_ = false;
    clear();
    setTextOf(kStatusBox, {});
    for (const char* caption : {kShortfallCaption, kRefundCaption}) controlWidget(caption)->hide();
}

void Form3::takeUpPerson(const SheetOwner& owner) {
    forgetShownPerson();
    shown_ = owner;
    shownCodes_ = codesInBoxes();
}

void Form3::fillBoxes() {
    const AdjustmentInput input = sheetInput(records_);
    using V = AdjustmentValue;
    const std::pair<const char*, std::int32_t> shown[] = {
        {kMonthPayBox, input.monthPay},
        {kBonusPayBox, input.bonusPay},
        {kGrandPayBox, input.payInAll},
        {kMonthTaxBox, input.monthTax},
        {kBonusTaxBox, input.bonusTax},
        {kGrandTaxBox, input.taxWithheld},
        {kEmploymentIncomeBox, result_[V::EmploymentIncome]},
        {kGrandInsuranceBox, input.socialInsuranceFromPay},
        {kDeclaredInsuranceBox, input.deductions.declaredSocialInsurance},
        {kMutualAidBox, input.deductions.mutualAidPremiums},
        {kLifeInsuranceBox, input.deductions.lifeInsuranceDeduction},
        {kCasualtyBox, input.deductions.casualtyDeduction},
        {kSpouseSpecialBox, input.deductions.spouseSpecialDeduction},
        {kDependantsBox, input.deductions.dependantsDeduction},
        {kDeductionsInAllBox, result_[V::DeductionsInAll]},
        {kTaxableIncomeBox, result_[V::TaxableIncome]},
        {kTaxOnTaxableIncomeBox, result_[V::TaxOnTaxableIncome]},
        {kHousingCreditBox, input.deductions.housingLoanCredit},
        {kTaxAfterCreditBox, result_[V::TaxAfterCredit]},
        {kPensionPremiumsBox, records_.pensionPremiums},
        {kLongTermCasualtyBox, records_.longTermCasualtyPremiums},
    };
    for (const auto& [box, value] : shown) showAmount(box, value);
    setTextOf(kSpouseIncomeBox, {});
}

void Form3::clear() {
    emptyBoxes({kMonthPayBox,         kMonthTaxBox,           kBonusPayBox,
                kBonusTaxBox,         kGrandPayBox,           kGrandTaxBox,
                kEmploymentIncomeBox, kGrandInsuranceBox,     kDeclaredInsuranceBox,
                kMutualAidBox,        kLifeInsuranceBox,      kCasualtyBox,
                kSpouseSpecialBox,    kDependantsBox,         kDeductionsInAllBox,
                kTaxableIncomeBox,    kTaxOnTaxableIncomeBox, kPensionPremiumsBox,
                kLongTermCasualtyBox, kSpouseIncomeBox,       kHousingCreditBox,
                kTaxAfterCreditBox,   kFixedRateReductionBox, kAnnualTaxBox,
                kBalanceBox});
}

}  // namespace nencho
