#include "printing/print_summary.h"

#include <cstdlib>

#include "common/amount.h"
#include "records/person_file.h"

namespace nencho {

namespace {

std::int32_t value(const PrintData& data, AdjustmentValue which) {
    return data.adjustmentResult[which];
}

// The status's word when its text holds exactly that word.
std::optional<std::string> setWord(const PrintData& data, PersonStatus status) {
    const std::string word(statusWord(status));
    if (data.personStatusTexts[static_cast<int>(status)] == word) return word;
    return std::nullopt;
}

}  // namespace

std::string birthDateText(const PrintData& data) {
    if (data.birthEra.empty() && data.birthYear == 0 && data.birthMonth == 0 && data.birthDay == 0)
        return {};
    return data.birthEra + " " + decimal(data.birthYear) + "年 " + decimal(data.birthMonth) +
           "月 " + decimal(data.birthDay) + "日生";
}

std::string positionText(const PrintData& data) {
    return data.personPosition.empty() ? "役職なし" : data.personPosition;
}

std::optional<std::string> payKindText(const PrintData& data) {
    std::optional<std::string> shown;
    for (int kind = 1; kind <= 4; ++kind) {
        const std::string word(payKindWord(static_cast<PayKind>(kind)));
        if (data.payKindTexts[kind] == word) shown = word;
    }
    return shown;
}

ConditionTexts conditionTexts(const PrintData& data) {
    ConditionTexts texts;
    for (int status = 1; status <= kLastOwnConditionStatus; ++status)
        if (auto word = setWord(data, static_cast<PersonStatus>(status))) texts.ownCondition = word;
    texts.hasHusband = setWord(data, PersonStatus::HasHusband);
    texts.minor = setWord(data, PersonStatus::Minor);
    texts.retiredByDeath = setWord(data, PersonStatus::RetiredByDeath);
    texts.foreigner = setWord(data, PersonStatus::Foreigner);
    texts.secondaryColumn = setWord(data, PersonStatus::SecondaryColumn);
    texts.disasterVictim = setWord(data, PersonStatus::DisasterVictim);
    texts.joiningOrLeaving = setWord(data, PersonStatus::Joining);
    if (auto leaving = setWord(data, PersonStatus::Leaving)) texts.joiningOrLeaving = leaving;
    return texts;
}

BalanceText balanceText(const PrintData& data) {
    const std::int64_t balance = value(data, AdjustmentValue::Balance);
    if (balance > 0) return {true, "不 足 額", formatAmount(balance)};
    return {false, "還 付 額", formatAmount(-balance)};
}

FixedRateText fixedRateText(const PrintData& data) {
    const std::int32_t reduction = value(data, AdjustmentValue::FixedRateReduction);
    if (reduction <= 0) return {};
    return {"年調定率控除額", formatAmount(reduction) + "  円"};
}

std::int64_t socialInsuranceInAll(const PrintData& data) {
    return std::int64_t{value(data, AdjustmentValue::SocialInsuranceFromPay)} +
           value(data, AdjustmentValue::DeclaredSocialInsurance) +
           value(data, AdjustmentValue::MutualAidPremiums);
}

}  // namespace nencho
