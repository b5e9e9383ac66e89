#pragma once
// Rows of the company and person lists: "05 : 山田商事".
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nencho {

// The code in decimal, "0" in front when below 100, then " : " and the name.
std::string codeListItem(std::int64_t code, const std::string& name);

// The code taken back from a row: its first three characters read as a number (0 when none).
std::int64_t codeFromListItem(std::string_view row);

// The literal spare fields "予備<from>" … "予備<to>" that close most records.
std::vector<std::string> spareFields(int from, int to);

}  // namespace nencho
