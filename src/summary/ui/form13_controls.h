#pragma once
// The summary table's controls that other screens write or press.
#include "platform/ui/work_screen_controls.h"

namespace nencho::form13 {

inline constexpr const char* kForm = "Form13";
inline constexpr const char* kYearBox = "Text10";
using work_screen::kYearButton;
inline constexpr const char* kCompanyBox = "Text161";
inline constexpr const char* kCompanyNameBox = "Text4";
inline constexpr const char* kPersonBox = "Text162";   // written by the main menu, read by no one
inline constexpr const char* kSumButton = "Command5";  // 集計

}  // namespace nencho::form13
