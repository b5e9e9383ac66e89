#pragma once
// The printer window, which other screens only show, and the controls its own code touches.
namespace nencho::form19 {

inline constexpr const char* kForm = "Form19";
inline constexpr const char* kSetDefaultButton = "Command1";  // 設定
inline constexpr const char* kPrinterList = "List1";

}  // namespace nencho::form19
