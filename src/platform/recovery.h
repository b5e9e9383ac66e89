#pragma once
// What a start of the program puts right after a run that ended half-way (the power lost, the
// program killed), in the data root and its folders: changes of several files that had been
// decided are carried out, the files of a run that set copies aside are put back from them,
// and the program's own temporary files, prepared files of changes that never began and copies
// of runs that had ended are removed. Only files older than this run are touched.
#include <filesystem>
#include <string>
#include <vector>

namespace nencho {

struct RecoveryReport {
    int finishedChanges = 0;                 // decided changes carried out
    int removedPreparations = 0;             // files prepared for changes that never began
    std::vector<std::string> restoredFiles;  // put back from their copies
    int removedTemporaryFiles = 0;           // temporary files and copies no run needs
    std::vector<std::string> problems;       // what could not be put right, as the user reads it
    bool empty() const;
};

RecoveryReport recoverUnfinishedWork(std::filesystem::file_time_type runStart);

// The one message that tells the user what was done.
std::string recoveryMessage(const RecoveryReport& report);

}  // namespace nencho
