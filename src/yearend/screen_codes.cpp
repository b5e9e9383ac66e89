#include "yearend/screen_codes.h"

#include "common/amount.h"
#include "common/keys.h"

namespace nencho {

std::optional<std::int32_t> personKeyOfCodeTexts(std::string_view companyText,
                                                 std::string_view personText) {
    const auto company = readSmallNumber(companyText);
    const auto person = readSmallNumber(personText);
    if (!company || !person) return std::nullopt;
    return personKey(*company, *person);
}

}  // namespace nencho
