// The print screen's display (表示実行) and its spouse step (配偶者あり, 配偶者なし).
#include <QLabel>

#include "common/amount.h"
#include "printing/print_data_load.h"
#include "printing/print_summary.h"
#include "printing/ui/form7.h"
#include "printing/ui/form7_controls.h"

namespace nencho {

using namespace form7;

namespace {

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

const char* const kNameLabels[kDependantTableRows] = {kSpouseNameLabel,     kDependant1NameLabel,
                                                      kDependant2NameLabel, kDependant3NameLabel,
                                                      kDependant4NameLabel, kDependant5NameLabel};

const QString kShortfallBackground = QStringLiteral("background-color: rgb(255, 0, 0);");

}  // namespace

void Form7::showAmount(const char* label, std::int64_t value) {
    setTextOf(label, text(formatAmount(value)));
}

void Form7::display() {
    const PrintData& data = data_;
    setTextOf(kBirthDateLabel, text(birthDateText(data)));
    setTextOf(kNameBox, text(data.personName));
    for (int row = 1; row <= kDependantTableRows; ++row)
        setTextOf(kNameLabels[row - 1], text(data.dependantTable[row][kDependantNameColumn]));
    showAmount(kSpouseIncomeLabel, data.spouseTotalIncome);
    showAmount(kPensionPremiumsLabel, data.lifePensionAmounts[8]);
    showAmount(kLongTermCasualtyLabel, data.casualtyAmounts[3]);
    showAmount(kHousingCreditLabel, data.spouseHousingAmounts[1]);
    const FixedRateText fixedRate = fixedRateText(data);
    setTextOf(kFixedRateCaptionLabel, text(fixedRate.caption));
    setTextOf(kFixedRateLabel, text(fixedRate.amount));
    setTextOf(kPositionLabel, text(positionText(data)));
    if (const auto payKind = payKindText(data)) setTextOf(kPayKindLabel, text(*payKind));
    const AdjustmentResult& result = data.adjustmentResult;
    showAmount(kPayInAllLabel, result[AdjustmentValue::PayInAll]);
    showAmount(kEmploymentIncomeLabel, result[AdjustmentValue::EmploymentIncome]);
    showAmount(kDeductionsInAllLabel, result[AdjustmentValue::DeductionsInAll]);
    showAmount(kAnnualTaxLabel, result[AdjustmentValue::AnnualTax]);
    showAmount(kSpouseSpecialDeductionLabel, result[AdjustmentValue::SpouseSpecialDeduction]);
    showConditions();
    showAmount(kSocialInsuranceLabel, socialInsuranceInAll(data));
    setTextOf(kMutualAidLabel,
              "内 " + text(formatAmount(result[AdjustmentValue::MutualAidPremiums])));
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
        if (*word) setTextOf(label, text(**word));
}

void Form7::showBalance() {
    const BalanceText balance = balanceText(data_);
    setTextOf(kBalanceCaptionLabel, text(balance.caption));
    setTextOf(kBalanceLabel, text(balance.amount));
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
