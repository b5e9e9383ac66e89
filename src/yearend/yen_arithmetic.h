#pragma once
// Whole-yen results of sums and of real computations, kept inside the signed 32-bit range
// that every stored amount has. A result outside it gives no value, never a wrapped one.
#include <cstdint>
#include <initializer_list>
#include <optional>

namespace nencho {

std::optional<std::int32_t> amountInRange(std::int64_t yen);

// The sum of the amounts, or no value when it leaves the range. Each amount is a stored amount
// or the product of one with a small rate, so the 64-bit sum itself cannot wrap.
std::optional<std::int32_t> checkedSum(std::initializer_list<std::int64_t> amounts);

// A real as whole yen: to the nearest yen with a half going to the even yen.
std::optional<std::int32_t> nearestYen(double real);

// A real as whole yen, cut down towards minus infinity.
std::optional<std::int32_t> yenCutDown(double real);

}  // namespace nencho
