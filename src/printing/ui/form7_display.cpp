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

const char* const kNameLabels[kDependantTableRows] = {"Label28", "Label33", "Label34",
                                                      "Label35", "Label36", "Label37"};

const QString kShortfallBackground = QStringLiteral("background-color: rgb(255, 0, 0);");

}  // namespace

void Form7::showAmount(const char* label, std::int64_t value) {
    setTextOf(label, text(formatAmount(value)));
}

void Form7::display() {
    const PrintData& data = data_;
    setTextOf("Label50", text(birthDateText(data)));
    setTextOf(kNameBox, text(data.personName));
    for (int row = 1; row <= kDependantTableRows; ++row)
        setTextOf(kNameLabels[row - 1], text(data.dependantTable[row][kDependantNameColumn]));
    showAmount(kSpouseIncomeLabel, data.spouseTotalIncome);
    showAmount(kPensionPremiumsLabel, data.lifePensionAmounts[8]);
    showAmount(kLongTermCasualtyLabel, data.casualtyAmounts[3]);
    showAmount(kHousingCreditLabel, data.spouseHousingAmounts[1]);
    const FixedRateText fixedRate = fixedRateText(data);
    setTextOf("Label51", text(fixedRate.caption));
    setTextOf("Label52", text(fixedRate.amount));
    setTextOf("Label31", text(positionText(data)));
    if (const auto payKind = payKindText(data)) setTextOf("Label6", text(*payKind));
    const AdjustmentResult& result = data.adjustmentResult;
    showAmount("Label7", result[AdjustmentValue::PayInAll]);
    showAmount("Label8", result[AdjustmentValue::EmploymentIncome]);
    showAmount("Label9", result[AdjustmentValue::DeductionsInAll]);
    showAmount("Label10", result[AdjustmentValue::AnnualTax]);
    showAmount("Label15", result[AdjustmentValue::SpouseSpecialDeduction]);
    showConditions();
    showAmount("Label21", socialInsuranceInAll(data));
    setTextOf("Label30", "内 " + text(formatAmount(result[AdjustmentValue::MutualAidPremiums])));
    showAmount("Label22", result[AdjustmentValue::LifeInsuranceDeduction]);
    showAmount("Label23", result[AdjustmentValue::CasualtyDeduction]);
    showBalance();
    press(hasSpouse(data) ? kWithSpouseButton : kWithoutSpouseButton);
}

// Each condition label is written only when its word is set; the clear empties them.
void Form7::showConditions() {
    const ConditionTexts conditions = conditionTexts(data_);
    const std::pair<const char*, const std::optional<std::string>*> places[] = {
        {"Label29", &conditions.ownCondition},   {"Label40", &conditions.hasHusband},
        {"Label46", &conditions.minor},          {"Label48", &conditions.retiredByDeath},
        {"Label45", &conditions.foreigner},      {"Label47", &conditions.secondaryColumn},
        {"Label49", &conditions.disasterVictim}, {"Label41", &conditions.joiningOrLeaving}};
    for (const auto& [label, word] : places)
        if (*word) setTextOf(label, text(**word));
}

void Form7::showBalance() {
    const BalanceText balance = balanceText(data_);
    setTextOf("Label38", text(balance.caption));
    setTextOf("Label32", text(balance.amount));
    control<QLabel>("Label32")->setStyleSheet(balance.shortfall ? kShortfallBackground : QString());
}

void Form7::spouseStep(bool withSpouse) {
    setSpouseCounts(data_, withSpouse);
    setTextOf("Label14", withSpouse ? "有" : "無");
    const auto& counts = data_.kindCounts;
    showAmount("Label16", counts[4]);
    showAmount("Label17", std::int64_t{counts[5]} + counts[6]);
    showAmount("Label18", data_.otherDependantsCount);
    showAmount("Label19", std::int64_t{counts[2]} + counts[3]);
    showAmount("Label20", counts[1]);
}

}  // namespace nencho
