#pragma once
// What the print screen shows of a person's print data, as texts: the birth date, the
// position, the pay kind, the person's conditions and the year-end balance.
#include <optional>
#include <string>

#include "printing/print_data.h"

namespace nencho {

// "昭和 45年 3月 12日生"; empty for a person without birth data.
std::string birthDateText(const PrintData& data);
// The position, or "役職なし".
std::string positionText(const PrintData& data);
// The word of the first pay kind whose text holds its word; none when no pay kind is set.
std::optional<std::string> payKindText(const PrintData& data);

// The condition words that are set, one per place on the screen; a place whose word is not
// set stays as it was.
struct ConditionTexts {
    std::optional<std::string> ownCondition;  // the last of statuses 1-7 holding its word
    std::optional<std::string> hasHusband;
    std::optional<std::string> minor;
    std::optional<std::string> retiredByDeath;
    std::optional<std::string> foreigner;
    std::optional<std::string> secondaryColumn;  // 乙欄
    std::optional<std::string> disasterVictim;
    std::optional<std::string> joiningOrLeaving;  // 退職 wins over 就職
};
ConditionTexts conditionTexts(const PrintData& data);

// The year-end balance: a shortfall (to be paid) when positive, else a refund, shown without
// its sign.
struct BalanceText {
    bool shortfall = false;
    std::string caption;  // "不 足 額" or "還 付 額"
    std::string amount;   // "#,###", empty for 0
};
BalanceText balanceText(const PrintData& data);

// "年調定率控除額" and the reduction followed by "  円", or two empty texts when there is none.
struct FixedRateText {
    std::string caption;
    std::string amount;
};
FixedRateText fixedRateText(const PrintData& data);

// Social insurance from pay, declared social insurance and mutual aid together.
std::int64_t socialInsuranceInAll(const PrintData& data);

}  // namespace nencho
