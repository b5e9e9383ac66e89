#pragma once
// Amounts, counts and keys are kept in signed 32 bits; wider intermediates are checked back.
#include <cstdint>
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

}  // namespace nencho
