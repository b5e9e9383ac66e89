#include "common/amount.h"

#include <algorithm>
#include <limits>

#include "common/int32.h"

namespace nencho {

std::string formatAmount(std::int64_t yen) {
    if (yen == 0) return {};
    const bool negative = yen < 0;
    // Work in unsigned to cover the most negative value as well.
    std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(yen) : static_cast<std::uint64_t>(yen);
    std::string digits = std::to_string(magnitude);
    std::string grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    int count = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it, ++count) {
        if (count != 0 && count % 3 == 0) grouped.push_back(',');
        grouped.push_back(*it);
    }
    std::reverse(grouped.begin(), grouped.end());
    return negative ? "-" + grouped : grouped;
}

namespace {

// Input methods type full-width digits, minus and comma; they are read as their ASCII forms.
std::string withAsciiDigits(std::string_view text) {
    std::string ascii;
    ascii.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
        if (i + 2 < text.size() && byte(i) == 0xEF && byte(i + 1) == 0xBC) {
            const unsigned char last = byte(i + 2);
            if (last >= 0x90 && last <= 0x99) {  // ０ to ９, U+FF10 to U+FF19
                ascii += static_cast<char>('0' + (last - 0x90));
                i += 2;
                continue;
            }
            if (last == 0x8D || last == 0x8C) {  // － U+FF0D, ， U+FF0C
                ascii += last == 0x8D ? '-' : ',';
                i += 2;
                continue;
            }
        }
        if (i + 2 < text.size() && byte(i) == 0xE2 && byte(i + 1) == 0x88 && byte(i + 2) == 0x92) {
            ascii += '-';  // − U+2212, the minus sign some input methods type
            i += 2;
            continue;
        }
        ascii += text[i];
    }
    return ascii;
}

std::string_view trimSpaces(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// Separators are only accepted between digits of the whole part.
bool separatorsWellPlaced(std::string_view whole) {
    if (whole.empty()) return true;
    if (whole.front() == ',' || whole.back() == ',') return false;
    for (std::size_t i = 1; i < whole.size(); ++i)
        if (whole[i] == ',' && whole[i - 1] == ',') return false;
    return true;
}

}  // namespace

std::optional<std::int32_t> parseAmount(std::string_view text) {
    return readAmount(text).value;
}

AmountReading readAmount(std::string_view typed) {
    const std::string ascii = withAsciiDigits(typed);
    std::string_view text = trimSpaces(ascii);
    if (text.empty()) return {};
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    std::string_view whole = text.substr(0, point);
    std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (whole.empty() && fraction.empty()) return {};
    if (!separatorsWellPlaced(whole)) return {};

    // Beyond this the value is out of range whatever follows; the digits are still checked.
    constexpr std::int64_t kCap = std::int64_t{1} << 32;
    std::int64_t value = 0;
    for (char c : whole) {
        if (c == ',') continue;
        if (c < '0' || c > '9') return {};
        value = std::min(value * 10 + (c - '0'), kCap);
    }
    // Round half to even on the fraction's digits.
    if (!fraction.empty()) {
        for (char c : fraction)
            if (c < '0' || c > '9') return {};
        const char first = fraction.front();
        const bool restNonZero = fraction.find_first_not_of('0', 1) != std::string_view::npos;
        if (first > '5' || (first == '5' && restNonZero) || (first == '5' && (value % 2) == 1))
            ++value;
    }
    if (negative) value = -value;
    const auto fitted = fitInt32(value);
    return {fitted, !fitted};
}

std::int32_t readAmountOrZero(std::string_view text) {
    return parseAmount(text).value_or(0);
}

std::string decimal(std::int64_t value) {
    return std::to_string(value);
}

std::optional<std::int16_t> readSmallNumber(std::string_view text) {
    const auto value = parseAmount(text);
    if (!value || *value < std::numeric_limits<std::int16_t>::min() ||
        *value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(*value);
}

}  // namespace nencho
