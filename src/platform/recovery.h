#pragma once
// What a start of the program puts right after a run that ended half-way (the power lost, the
// program killed), in the data root and its folders: changes of several files that had been
// decided are carried out, the records a run kept in a list are put back from it, and the
// program's own temporary files older than this run and prepared files of changes that never
// began are removed. It runs while this copy holds the data folder, so nothing it finds is the
// work of a copy that still runs. Nothing reached through a symbolic link is touched. A list
// whose records cannot be put back, or which cannot be removed, stays in this run's hands
// (PieceOfWork::holdUntilSettled).
#include <filesystem>
#include <string>
#include <vector>

namespace nencho {

struct RecoveryReport {
    int finishedChanges = 0;                 // decided changes carried out
    int removedPreparations = 0;             // files prepared for changes that never began
    std::vector<std::string> restoredFiles;  // put back from the lists runs left
    int removedTemporaryFiles = 0;           // temporary files no run needs
    std::vector<std::string> problems;       // what could not be put right, as the user reads it
    bool empty() const;
};

RecoveryReport recoverUnfinishedWork(std::filesystem::file_time_type runStart);

// The one message that tells the user what was done.
std::string recoveryMessage(const RecoveryReport& report);

}  // namespace nencho
