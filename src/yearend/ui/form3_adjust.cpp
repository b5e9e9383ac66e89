// 年末調整実行 and 年末調整しない: the adjustment of the person shown, its record, and the
// housing-loan credit the print screen shows.
#include "common/amount.h"
#include "platform/record_error.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/screens.h"
#include "printing/ui/form7_controls.h"
#include "yearend/adjustment_result_file.h"
#include "yearend/ui/form3.h"
#include "yearend/ui/form3_controls.h"

namespace nencho {

using namespace form3;
using V = AdjustmentValue;

namespace {

const QString kAdjustTitle = QStringLiteral("年末調整実行");
const QString kNotAdjustTitle = QStringLiteral("年末調整しない");
const QString kRefusalTitle = QStringLiteral("年末調整の判定");

QString statusText(AdjustmentStatus status) {
    return QString::fromUtf8(adjustmentStatusText(status));
}

void refuseWithoutPerson(const QString& title) {
    showMessage("会社と個人を選んでから「" + title + "」を押してください。", title,
                MessageIcon::Exclamation);
}

}  // namespace

// Reloads the person's records, adjusts from the boxes the load filled, shows the result and
// stores it now, or leaves the record to 年末調整しない. A refusal stores the not-adjusted record
// instead. True when the adjustment was shown (and, storing now, stored).
bool Form3::adjust(Storing storing) {
    setTextOf(kStatusBox, statusText(AdjustmentStatus::Adjusted));
    const LoadResult loaded = load(kAdjustTitle);
    if (loaded == LoadResult::NoPerson) refuseWithoutPerson(kAdjustTitle);
    if (loaded != LoadResult::Loaded) return false;
    // A person taken up by the load starts with an empty status box.
    setTextOf(kStatusBox, statusText(AdjustmentStatus::Adjusted));
    return adjustWithRules(inputFromBoxes(), storing);
}

bool Form3::adjustWithRules(const AdjustmentInput& input, Storing storing) {
    AdjustmentOutcome outcome{};
    try {
        outcome = runYearEndAdjustment(input, result_);
    } catch (const Failure& failure) {
        showMessage(QString::fromUtf8(failure.what()), kAdjustTitle, MessageIcon::Exclamation);
        return false;
    }
    if (outcome != AdjustmentOutcome::Adjusted) {
        refuse(outcome);
        return false;
    }
    computedSinceLoad_ = true;
    showAdjustment();
    if (storing == Storing::Now && !storeResult(AdjustmentStatus::Adjusted, kAdjustTitle))
        return false;
    screens::write(form7::kForm, form7::kHousingCreditLabel,
                   QString::fromStdString(formatAmount(result_[V::HousingLoanCredit])));
    return true;
}

// The decision stored for the person named in the code boxes, made again from the current
// records as the main menu opens the sheet: "年末調整実行" as its button makes it, "年調しない"
// as below. Without a stored decision, or with another status, the sheet stays as loaded.
void Form3::replayStoredDecision() {
    const auto owner = ownerFromBoxes();
    if (!owner) return;
    std::optional<AdjustmentResultRecord> stored;
    try {
        stored = AdjustmentResultFile::load(owner->taxYearCode, owner->personKey);
    } catch (const RecordError& error) {
        showMessage(QString::fromUtf8(error.what()), windowTitle(), MessageIcon::Exclamation);
        return;
    }
    const auto decision = stored ? stored->status() : std::nullopt;
    if (!decision) return;
    setTextOf(kStatusBox, statusText(*decision));
    clear();
    if (*decision == AdjustmentStatus::Adjusted)
        adjust(Storing::Now);
    else
        replayNotAdjusted();
}

// 年末調整実行 and then 年末調整しない, as the person's stored "年調しない" was decided, with the
// record written once: by 年末調整しない, or by the refusal of the adjustment. When the
// adjustment cannot be made, nothing is written and the stored decision stays.
void Form3::replayNotAdjusted() {
    if (adjust(Storing::ByNotAdjust)) press(kNotAdjustButton);
}

// The person is recorded as not adjusted. A pay above the limit is refused before the
// employment income is computed, so that income is not the person's and is not kept.
void Form3::refuse(AdjustmentOutcome refusal) {
    const bool incomeComputed = refusal == AdjustmentOutcome::RefusedTaxableIncomeTooHigh;
    computedSinceLoad_ = incomeComputed;
    if (incomeComputed) showAmount(kEmploymentIncomeBox, result_[V::EmploymentIncome]);
    dialogs().messageBox(incomeComputed ? "課税所得１６９２万円を超えるものは年末調整は出来ません。"
                                        : "２０００万円を超える所得のために年末調整は出来ません。",
                         kRefusalTitle, MessageIcon::Critical, MessageButtons::Ok);
    press(kNotAdjustButton);
}

void Form3::showAdjustment() {
    const std::pair<const char*, V> shown[] = {
        {kEmploymentIncomeBox, V::EmploymentIncome},
        {kDeductionsInAllBox, V::DeductionsInAll},
        {kTaxableIncomeBox, V::TaxableIncome},
        {kTaxOnTaxableIncomeBox, V::TaxOnTaxableIncome},
        {kTaxAfterCreditBox, V::TaxAfterCredit},
        {kFixedRateReductionBox, V::FixedRateReduction},
        {kAnnualTaxBox, V::AnnualTax},
    };
    for (const auto& [box, value] : shown) showAmount(box, result_[value]);
    const std::int32_t balance = result_[V::Balance];
    showBalanceCaption(balance);
    showAmount(kBalanceBox, balance < 0 ? -balance : balance);
}

// Records the person shown as not adjusted: the annual tax is the tax withheld. The pay and
// tax are the person's own boxes; the employment income and the rounded pay are kept only
// when 年末調整実行 computed them for this person since the load.
void Form3::notAdjust() {
    setTextOf(kStatusBox, statusText(AdjustmentStatus::NotAdjusted));
    const auto owner = ownerFromBoxes();
    if (!owner) {
        refuseWithoutPerson(kNotAdjustTitle);
        return;
    }
    if (shown_ != owner) {
        // The boxes show another person's year: the person named is loaded first.
        if (load(kNotAdjustTitle) != LoadResult::Loaded) return;
        setTextOf(kStatusBox, statusText(AdjustmentStatus::NotAdjusted));
    }
    const AdjustmentInput input = inputFromBoxes();
    markNotAdjusted(input, result_);
    result_[V::MonthPay] = input.monthPay;
    result_[V::BonusPay] = input.bonusPay;
    result_[V::MonthTax] = input.monthTax;
    result_[V::BonusTax] = input.bonusTax;
    if (!computedSinceLoad_) {
        result_[V::EmploymentIncome] = 0;
        result_[V::RoundedPay] = 0;
        showAmount(kEmploymentIncomeBox, 0);
    }
    records_.deductions.dependantsDeduction = 0;
    emptyBoxes({kDeclaredInsuranceBox, kMutualAidBox, kLifeInsuranceBox, kCasualtyBox,
                kSpouseSpecialBox, kDependantsBox, kDeductionsInAllBox, kTaxableIncomeBox,
                kTaxOnTaxableIncomeBox, kTaxAfterCreditBox, kFixedRateReductionBox, kAnnualTaxBox,
                kBalanceBox, kPensionPremiumsBox, kSpouseIncomeBox, kLongTermCasualtyBox});
    if (!storeResult(AdjustmentStatus::NotAdjusted, kNotAdjustTitle)) return;
    for (const char* label :
         {form7::kSpouseIncomeLabel, form7::kPensionPremiumsLabel, form7::kLongTermCasualtyLabel})
        screens::write(form7::kForm, label, {});
}

// The fourteen boxes of the adjustment; a box that does not read as an amount gives 0.
AdjustmentInput Form3::inputFromBoxes() const {
    AdjustmentInput input;
    input.monthPay = amountOf(kMonthPayBox);
    input.bonusPay = amountOf(kBonusPayBox);
    input.payInAll = amountOf(kGrandPayBox);
    input.monthTax = amountOf(kMonthTaxBox);
    input.bonusTax = amountOf(kBonusTaxBox);
    input.taxWithheld = amountOf(kGrandTaxBox);
    input.socialInsuranceFromPay = amountOf(kGrandInsuranceBox);
    input.deductions.declaredSocialInsurance = amountOf(kDeclaredInsuranceBox);
    input.deductions.mutualAidPremiums = amountOf(kMutualAidBox);
    input.deductions.lifeInsuranceDeduction = amountOf(kLifeInsuranceBox);
    input.deductions.casualtyDeduction = amountOf(kCasualtyBox);
    input.deductions.spouseSpecialDeduction = amountOf(kSpouseSpecialBox);
    input.deductions.dependantsDeduction = amountOf(kDependantsBox);
    input.deductions.housingLoanCredit = amountOf(kHousingCreditBox);
    return input;
}

// One attempt: a failed write leaves the stored record as it was and says so once.
bool Form3::storeResult(AdjustmentStatus status, const QString& title) {
    try {
        AdjustmentResultFile::save(shown_->taxYearCode, shown_->personKey,
                                   AdjustmentResultRecord::of(result_, status));
        return true;
    } catch (const Failure& failure) {
        showMessage("年末調整の結果を保存できませんでした。記録は前のままです。\n" +
                        QString::fromUtf8(failure.what()),
                    title, MessageIcon::Exclamation);
        return false;
    }
}

}  // namespace nencho
