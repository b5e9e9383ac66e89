#pragma once
// How the withholding calculations fail, and the checked step from a 64-bit intermediate to the
// signed 32-bit amount it keeps.
#include <cstdint>
#include <optional>
#include <string>

#include "common/failure.h"
#include "common/int32.h"

namespace nencho {

// A calculation that gives no result; its description names the amount that could not be
// formed and is shown to the user as it is.
class CalculationError : public Failure {
  public:
    using Failure::Failure;
};

// The description of an amount that left the signed 32-bit range.
inline std::string overflowDescription(const std::string& amount) {
    return amount + "が計算できる範囲（±2,147,483,647 円）を超えたため、計算できません。";
}

// The amount when it fits a signed 32-bit number; a CalculationError naming it otherwise.
inline std::int32_t checkedAmount(std::int64_t value, const std::string& amount) {
    const auto fitted = fitInt32(value);
    if (!fitted) throw CalculationError(overflowDescription(amount));
    return *fitted;
}

// The pay or bonus less the social insurance typed by hand.
inline std::int32_t payAfterSocialInsurance(std::int32_t pay, std::int32_t socialInsurance) {
    return checkedAmount(std::int64_t{pay} - socialInsurance, "社会保険料控除後の金額");
}

}  // namespace nencho
