#pragma once
// One copy of the program runs on a data folder at a time. The copy that runs holds a lock on the
// data folder itself (the host folder behind drive c:) for as long as it lives; the system lets
// it go when the process ends, however it ends. A copy started while it runs finds the lock held
// and ends before it reads or writes anything in the folder. Copies on two machines that share
// the folder over a network are not kept apart.
#include <filesystem>
#include <string>

namespace nencho {

enum class DataFolderHold { Held, HeldByAnotherCopy };

// Takes the lock on the data folder, which exists. A folder that cannot be opened, or a file
// system that keeps no locks, lets this copy run unlocked: the start-up reports a folder it
// cannot use.
DataFolderHold holdDataFolder(const std::filesystem::path& hostFolder);

// Lets the lock go, at the program's end.
void releaseDataFolder();

// This run's name, "<process>-<start in microseconds>", which its work files begin with, so that
// no run takes up a name an earlier run left.
std::string thisRunName();

// For tests that stop the program at a file step and start it again in the same process: the
// lock goes as the end of the process would let it go, and the next work file is a new run's.
void forgetThisRun();

}  // namespace nencho
