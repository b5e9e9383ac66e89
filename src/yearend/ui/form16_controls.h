#pragma once
// The spouse special deduction and housing-loan screen's controls that other screens touch.
namespace nencho::form16 {

inline constexpr const char* kForm = "Form16";
inline constexpr const char* kYearBox = "Text85";
inline constexpr const char* kYearButton = "Command36";
inline constexpr const char* kCompanyBox = "Text161";
inline constexpr const char* kPersonBox = "Text162";
inline constexpr const char* kClearButton = "Command10";
inline constexpr const char* kLoadButton = "Command5";  // DATA
inline constexpr const char* kSaveButton = "Command3";  // 計算実行 at the bottom

}  // namespace nencho::form16
