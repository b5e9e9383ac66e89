#include "yearend/screen_codes.h"

#include <limits>

#include "common/amount.h"
#include "common/keys.h"

namespace nencho {

namespace {

std::optional<std::int32_t> code(std::string_view text) {
    const auto value = parseAmount(text);
    if (!value || *value < std::numeric_limits<std::int16_t>::min() ||
        *value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::int32_t> personKeyOfCodeTexts(std::string_view companyText,
                                                 std::string_view personText) {
    const auto company = code(companyText);
    const auto person = code(personText);
    if (!company || !person) return std::nullopt;
    return personKey(*company, *person);
}

}  // namespace nencho
