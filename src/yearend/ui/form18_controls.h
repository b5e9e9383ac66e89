#pragma once
// The reference panel, which other screens only show and hide.
namespace nencho::form18 {

inline constexpr const char* kForm = "Form18";
inline constexpr const char* kEndButton = "Command1";  // ＥＮＤ

}  // namespace nencho::form18
