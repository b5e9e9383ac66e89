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

// Sets up fonts, translations, the drive mapping and the screens, and opens the main window.
void startProgram(QApplication& app);

// Starts the program, runs it until it ends and destroys every screen while the application
// object still lives. Returns the program's exit status.
int runProgram(QApplication& app);

}  // namespace nencho
