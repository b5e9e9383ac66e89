#pragma once
// The person a year-end screen works on, from the company and person code boxes it holds.
#include <cstdint>
#include <optional>
#include <string_view>

namespace nencho {

// Both codes must read as whole numbers of the signed 16-bit range; the key is formed in 32
// bits. No value when a code is empty, not a number or out of that range.
std::optional<std::int32_t> personKeyOfCodeTexts(std::string_view companyText,
                                                 std::string_view personText);

}  // namespace nencho
