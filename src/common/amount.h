#pragma once
// Whole-yen amounts: the "#,###" display and the lenient reading of a typed box.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace nencho {

// The longest amount the screens show whole, with its separators: eight digits and a minus sign.
// A year's pay beyond it is more than the year-end adjustment takes (20,000,000 yen).
inline constexpr std::int64_t kLongestShownAmount = -99'999'999;

// "#,###": thousands separators, no decimals, zero shows as an empty text.
std::string formatAmount(std::int64_t yen);

// Reads a typed amount: optional sign, digits with or without thousands separators and an
// optional decimal fraction rounded to the nearest yen (a half to the even yen). Surrounding
// spaces are allowed; full-width digits, minus and comma read as their ASCII forms. Empty
// text, any other text or a value outside the signed 32-bit range gives no value.
std::optional<std::int32_t> parseAmount(std::string_view text);

// A code box or a small count read as parseAmount reads it, as a whole number of the signed
// 16-bit range; no value when empty, not a number or beyond 16 bits.
std::optional<std::int16_t> readSmallNumber(std::string_view text);

// Why a typed amount gave no value: the text is no number, or a number beyond 32 bits.
struct AmountReading {
    std::optional<std::int32_t> value;
    bool outOfRange = false;  // a well-formed number outside the signed 32-bit range
};
AmountReading readAmount(std::string_view text);

// The guarded read of one box: whatever does not read as an amount is 0.
std::int32_t readAmountOrZero(std::string_view text);

// Plain decimal digits, "-" before a negative number: how numbers go into paths and records.
std::string decimal(std::int64_t value);

}  // namespace nencho
