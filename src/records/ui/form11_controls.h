#pragma once
// The company screen's controls that other screens write or press.
namespace nencho::form11 {

inline constexpr const char* kForm = "Form11";
inline constexpr const char* kYearBox = "Text24";
inline constexpr const char* kYearButton = "Command36";
inline constexpr const char* kMenuCompanyBox = "Text23";  // the main menu's company code
inline constexpr const char* kClearButton = "Command9";   // 会社コード

}  // namespace nencho::form11
