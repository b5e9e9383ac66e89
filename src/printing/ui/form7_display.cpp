// The print screen's display (表示実行) and its spouse step (配偶者あり, 配偶者なし).
#include <QLabel>

#include "common/amount.h"
#include "platform/ui/texts.h"
#include "printing/print_data_load.h"
#include "printing/print_summary.h"
#include "printing/ui/form7.h"
#include "printing/ui/form7_controls.h"

namespace nencho {

using namespace form7;

namespace {

const char* const kNameLabels[kDependantTableRows] = {kSpouseNameLabel,     kDependant1NameLabel,
                                                      kDependant2NameLabel, kDependant3NameLabel,
                                                      kDependant4NameLabel, kDependant5NameLabel};

const QString kShortfallBackground = QStringLiteral("background-color: rgb(255, 0, 0);");

}  // namespace

void Form7::showAmount(const char* label, std::int64_t value) {
    setTextOf(label, qs(formatAmount(value)));
}

void Form7::display() {
    const PrintData& data = data_;
    setTextOf(kBirthDateLabel, qs(birthDateText(data)));
    setTextOf(kNameBox, qs(data.personName));
    for (int row = 1; row <= kDependantTableRows; ++row)
        setTextOf(kNameLabels[row - 1], qs(data.dependantTable[row][kDependantNameColumn]));
    showAmount(kSpouseIncomeLabel, data.spouseTotalIncome);
    showAmount(kPensionPremiumsLabel, data.lifePensionAmounts[8]);
    showAmount(kLongTermCasualtyLabel, data.casualtyAmounts[3]);
    showAmount(kHousingCreditLabel, data.spouseHousingAmounts[1]);
    const FixedRateText fixedRate = fixedRateText(data);
    setTextOf(kFixedRateCaptionLabel, qs(fixedRate.caption));
    setTextOf(kFixedRateLabel, qs(fixedRate.amount));
    setTextOf(kPositionLabel, qs(positionText(data)));
    if (const auto payKind = payKindText(data)) setTextOf(kPayKindLabel, qs(*payKind));
    const AdjustmentResult& result = data.adjustmentResult;
    showAmount(kPayInAllLabel, result[AdjustmentValue::PayInAll]);
    showAmount(kEmploymentIncomeLabel, result[AdjustmentValue::EmploymentIncome]);
    showAmount(kDeductionsInAllLabel, result[AdjustmentValue::DeductionsInAll]);
    showAmount(kAnnualTaxLabel, result[AdjustmentValue::AnnualTax]);
    showAmount(kSpouseSpecialDeductionLabel, result[AdjustmentValue::SpouseSpecialDeduction]);
    showConditions();
    showAmount(kSocialInsuranceLabel, socialInsuranceInAll(data));
    setTextOf(kMutualAidLabel,
              "内 " + qs(formatAmount(result[AdjustmentValue::MutualAidPremiums])));
    showAmount(kLifeInsuranceLabel, result[AdjustmentValue::LifeInsuranceDeduction]);
    showAmount(kCasualtyLabel, result[AdjustmentValue::CasualtyDeduction]);
    showBalance();
    press(hasSpouse(data) ? kWithSpouseButton : kWithoutSpouseButton);
}

// Each condition label is written only when its word is set; the clear empties them.
void Form7::showConditions() {
    const ConditionTexts conditions = conditionTexts(data_);
    const std::pair<const char*, const std::optional<std::string>*> places[] = {
        {kOwnConditionLabel, &conditions.ownCondition},
        {kHusbandLabel, &conditions.hasHusband},
        {kMinorLabel, &conditions.minor},
        {kRetiredByDeathLabel, &conditions.retiredByDeath},
        {kForeignerLabel, &conditions.foreigner},
        {kSecondaryColumnLabel, &conditions.secondaryColumn},
        {kDisasterVictimLabel, &conditions.disasterVictim},
        {kJoiningOrLeavingLabel, &conditions.joiningOrLeaving}};
    for (const auto& [label, word] : places)
        if (*word) setTextOf(label, qs(**word));
}

void Form7::showBalance() {
    const BalanceText balance = balanceText(data_);
    setTextOf(kBalanceCaptionLabel, qs(balance.caption));
    setTextOf(kBalanceLabel, qs(balance.amount));
    control<QLabel>(kBalanceLabel)
        ->setStyleSheet(balance.shortfall ? kShortfallBackground : QString());
}

void Form7::spouseStep(bool withSpouse) {
    setSpouseCounts(data_, withSpouse);
    setTextOf(kSpouseMarkLabel, withSpouse ? "有" : "無");
    const auto& counts = data_.kindCounts;
    showAmount(kSpecificCountLabel, counts[4]);
    showAmount(kElderlyCountLabel, std::int64_t{counts[5]} + counts[6]);
    showAmount(kOtherDependantsCountLabel, data_.otherDependantsCount);
    showAmount(kSpecialDisabledCountLabel, std::int64_t{counts[2]} + counts[3]);
    showAmount(kOtherDisabledCountLabel, counts[1]);
}

}  // namespace nencho
