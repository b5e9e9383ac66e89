#pragma once
// The controls every work screen has under one name: the hidden year button, pressed by the
// main menu's year sequence, which copies the screen's year box into its working year.
namespace nencho::work_screen {

inline constexpr const char* kYearButton = "Command36";

}  // namespace nencho::work_screen
