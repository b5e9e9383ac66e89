#pragma once
// How the withholding calculations fail, and the checked steps between 64-bit or real
// intermediates and the signed 32-bit amounts they keep.
#include <cmath>
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

// A real that already holds a whole number, when it fits a signed 32-bit amount.
inline std::optional<std::int32_t> wholeToInt32(double whole) {
    if (!(whole >= -2147483648.0 && whole <= 2147483647.0)) return std::nullopt;
    return static_cast<std::int32_t>(whole);
}

// The whole part of a real, toward minus infinity.
inline std::optional<std::int32_t> floorToInt32(double value) {
    return wholeToInt32(std::floor(value));
}

// A real to the nearest whole number, ties to the even one.
inline std::optional<std::int32_t> nearestToInt32(double value) {
    return wholeToInt32(std::nearbyint(value));
}

}  // namespace nencho
