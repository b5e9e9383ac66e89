#include "withholding/typed_numbers.h"

#include <limits>

#include "common/amount.h"

namespace nencho {

std::string stepDependants(std::string_view text, int step) {
    int start = readSmallNumber(text).value_or(0);
    if (start + step > std::numeric_limits<std::int16_t>::max()) start = 0;
    const int result = start + step;
    return std::to_string(step < 0 && result < 0 ? 0 : result);
}

std::optional<int> readDependantsAnswer(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (text.empty() || text.size() > 4) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < kFewestAskedDependants || value > kMostAskedDependants) return std::nullopt;
    return value;
}

bool isUsableYearText(std::string_view taxYearCode) {
    return !taxYearCode.empty() && taxYearCode.find_first_of("\\/:") == std::string_view::npos;
}

}  // namespace nencho
