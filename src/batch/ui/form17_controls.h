#pragma once
// The batch printing screen's controls that the print screen writes or presses.
namespace nencho::form17 {

inline constexpr const char* kForm = "Form17";
inline constexpr const char* kYearBox = "Text10";
inline constexpr const char* kYearButton = "Command36";
inline constexpr const char* kCompanyBox = "Text161";
inline constexpr const char* kPersonBox = "Text162";
inline constexpr const char* kLoadButton = "Command5";  // データ呼出: the person's print data

}  // namespace nencho::form17
