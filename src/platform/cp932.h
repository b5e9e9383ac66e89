#pragma once
// Code page 932, the code page of every record file.
#include <optional>
#include <string>
#include <string_view>

namespace nencho {

// Replaces the characters that input methods type but code page 932 only holds as a twin
// (〜 − ‖ — ¢ £ ¬) with that twin.
std::string mapToCp932Twins(std::string_view utf8);

// The text in code page 932; no value when a character cannot be held. `offending`, when
// given, receives the first such character (UTF-8).
std::optional<std::string> encodeCp932(std::string_view utf8, std::string* offending = nullptr);

// The text of code page 932 bytes as UTF-8; an undecodable byte becomes U+FFFD.
std::string decodeCp932(std::string_view bytes);

}  // namespace nencho
