#include "yearend/yen_arithmetic.h"

#include <cmath>
#include <limits>

namespace nencho {

namespace {

constexpr std::int64_t kLowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kHighest = std::numeric_limits<std::int32_t>::max();

// Compares before converting: converting a real outside the range is undefined.
std::optional<std::int32_t> wholeRealInRange(double whole) {
    if (!(whole >= static_cast<double>(kLowest) && whole <= static_cast<double>(kHighest)))
        return std::nullopt;
    return static_cast<std::int32_t>(whole);
}

}  // namespace

std::optional<std::int32_t> amountInRange(std::int64_t yen) {
    if (yen < kLowest || yen > kHighest) return std::nullopt;
    return static_cast<std::int32_t>(yen);
}

std::optional<std::int32_t> checkedSum(std::initializer_list<std::int64_t> amounts) {
    std::int64_t sum = 0;
    for (const std::int64_t amount : amounts) sum += amount;
    return amountInRange(sum);
}

std::optional<std::int32_t> nearestYen(double real) {
    return wholeRealInRange(std::nearbyint(real));
}

std::optional<std::int32_t> yenCutDown(double real) {
    return wholeRealInRange(std::floor(real));
}

}  // namespace nencho
