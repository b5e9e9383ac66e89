#pragma once
// The reference panel, which other screens only show and hide, and the controls its own code
// touches.
namespace nencho::form18 {

inline constexpr const char* kForm = "Form18";
inline constexpr const char* kEndButton = "Command1";  // ＥＮＤ

}  // namespace nencho::form18
