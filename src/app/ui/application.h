#pragma once
#include <filesystem>

class QApplication;

namespace nencho {

// The host folder behind drive c: ($XDG_DATA_HOME/nencho/c, ~/.local/share/nencho/c when unset).
std::filesystem::path defaultDriveC();

// The faces of the screens and of the printed forms; every text is measured after this.
void setUpFonts(QApplication& app);

// Puts right what a run that ended half-way left in the data folders (files older than this
// run only) and, when there was anything, tells the user once what was done.
void recoverAtStart(std::filesystem::file_time_type runStart);

// What a copy started while another runs on the same data folder tells the user before it ends.
inline constexpr const char* kAlreadyRunning =
    "このプログラムはすでに起動しています。開いている「給与計算システム」の画面をお使いください。";

// Sets up fonts, translations, the drive mapping and the screens, and opens the main window.
// False, having told the user and read or written nothing in the data folder, when another copy
// of the program runs on it.
bool startProgram(QApplication& app);

// Starts the program, runs it until it ends and destroys every screen while the application
// object still lives. Returns the program's exit status.
int runProgram(QApplication& app);

}  // namespace nencho
