#pragma once
// Amounts, counts and keys are kept in signed 32 bits; wider intermediates are checked back, and
// a result outside the range gives no value, never a wrapped one.
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <optional>

namespace nencho {

// The value when it fits a signed 32-bit number.
inline std::optional<std::int32_t> fitInt32(std::int64_t value) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// The sum when it fits. Each value is a stored amount or the product of one with a small rate,
// so the 64-bit sum itself cannot wrap.
inline std::optional<std::int32_t> fitSum(std::initializer_list<std::int64_t> values) {
    std::int64_t sum = 0;
    for (const std::int64_t value : values) sum += value;
    return fitInt32(sum);
}

// A real that already holds a whole number, when it fits. Compares before converting:
// converting a real outside the range is undefined.
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
