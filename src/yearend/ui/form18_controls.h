#pragma once
// The reference panel, which other screens only show and hide, and the controls its own code
// touches.
namespace nencho::form18 {

inline constexpr const char* kForm = "Form18";
inline constexpr const char* kEndButton = "Command1";  // ＥＮＤ
// The panel's lines, top to bottom; its load fills them from the first.
inline constexpr const char* kLineLabels[] = {"Label1", "Label2", "Label3",
                                              "Label4", "Label5", "Label6"};

}  // namespace nencho::form18
