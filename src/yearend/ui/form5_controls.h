#pragma once
// The dependants sheet's controls that other screens write, press or switch.
#include <array>

#include "platform/ui/work_screen_controls.h"

namespace nencho::form5 {

inline constexpr const char* kForm = "Form5";
inline constexpr const char* kYearBox = "Text73";
using work_screen::kYearButton;
inline constexpr const char* kCompanyBox = "Text161";
inline constexpr const char* kPersonBox = "Text162";
inline constexpr const char* kDependantsCountBox = "Text48";  // December's number of dependants
inline constexpr const char* kClearButton = "Command10";
inline constexpr const char* kLoadButton = "Command9";
inline constexpr const char* kOwnConditionsButton = "Command22";  // 表示
inline constexpr const char* kComputeButton = "Command3";
// The person's own-condition options, set by the person screen.
inline constexpr const char* kSpeciallyDisabledOption = "Option2";     // 特別障害者
inline constexpr const char* kDisabledWidowStudentOption = "Option1";  // 障害・寡婦学生等
inline constexpr const char* kElderlyOption = "Option7";               // 老年者
inline constexpr const char* kSpecialWidowOption = "Option12";         // 特別寡婦
// The same four by PersonCondition.
inline constexpr std::array<const char*, 4> kPersonOptions{
    kDisabledWidowStudentOption, kSpeciallyDisabledOption, kSpecialWidowOption, kElderlyOption};
// The 同居特別障害者 row total: a box another screen may leave a code in; the sheet
// recomputes it before reading it.
inline constexpr const char* kCohabitingSpeciallyDisabledTotalBox = "Text100";

}  // namespace nencho::form5
