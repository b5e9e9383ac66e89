#pragma once
// The result of a calculation that can fail, and the checked steps between 64-bit or real
// intermediates and the signed 32-bit amounts the calculations keep.
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "common/int32.h"

namespace nencho {

// Why a calculation gave no result; the description is shown to the user as it is.
struct CalculationError {
    std::string description;
    friend bool operator==(const CalculationError&, const CalculationError&) = default;
};

// An amount left the signed 32-bit range while computing.
inline CalculationError overflowError() {
    return {"オーバーフローしました。"};
}

// Either a value or the error that prevented it.
template <typename T>
class Outcome {
  public:
    Outcome(T value) : state_(std::move(value)) {}
    Outcome(CalculationError error) : state_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    const T& value() const { return std::get<T>(state_); }
    const CalculationError& error() const { return std::get<CalculationError>(state_); }

  private:
    std::variant<T, CalculationError> state_;
};

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
