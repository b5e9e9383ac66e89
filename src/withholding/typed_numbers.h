#pragma once
// What the calculation screens make of their dependants boxes, and the working year's text.
#include <optional>
#include <string>
#include <string_view>

namespace nencho {

// The dependants stepper: the box's number plus or minus one. An unreadable box, or a step that
// would leave 16 bits, starts from 0; stepping down never goes below 0.
std::string stepDependants(std::string_view text, int step);

// The answer to "how many dependants" when five or more were chosen: a whole number from 5 to
// 99 in plain digits, surrounding spaces allowed.
inline constexpr int kFewestAskedDependants = 5;
inline constexpr int kMostAskedDependants = 99;
std::optional<int> readDependantsAnswer(std::string_view text);

// A working year text usable as a folder name: not empty and free of path separators.
bool isUsableYearText(std::string_view taxYearCode);

}  // namespace nencho
