#pragma once
// Faults at the file steps of the platform: the Nth step that would change the disk fails with
// a write failure, or the program "stops" there (ProgramStopped, which only the action guard
// catches), as when the power goes: from then on no step reaches the disk, each fails. A folder's
// sync is seen but not numbered, but for FailFolderSync, which numbers the syncs alone and fails
// the Nth: a stop there leaves what a stop at the next step leaves.
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_steps.h"
#include "platform/recovery.h"

namespace nencho::test {

struct ProgramStopped {};

class FileFaults {
  public:
    // FailFrom fails the step and every step after it, as a disk that has stopped taking writes.
    enum class Mode { Fail, Stop, FailFrom, FailFolderSync };
    // Faults the step numbered `atStep` (from 1); 0 only counts the steps.
    FileFaults(Mode mode, int atStep);
    ~FileFaults();
    FileFaults(const FileFaults&) = delete;
    FileFaults& operator=(const FileFaults&) = delete;

    int steps() const { return steps_; }
    bool reached() const { return atStep_ > 0 && steps_ >= atStep_; }
    // Every step met so far, in order, with the host path it was given.
    const std::vector<std::pair<FileStep, std::string>>& seen() const { return seen_; }

  private:
    Mode mode_;
    int atStep_;
    int steps_ = 0;
    bool stopped_ = false;
    std::vector<std::pair<FileStep, std::string>> seen_;
};

// Runs the action with the fault; true when the fault was reached. A stop ends the action
// there; a failure goes through the program's own handling.
bool runWithFault(FileFaults::Mode mode, int atStep, const std::function<void()>& action);

// Starts the program again after a stop, in the same process: what the run held goes, as the end
// of its process would take it, and the start's clean-up runs.
RecoveryReport startAgain();

// Every file the data root holds, relative to c:'s host folder, with its bytes.
std::vector<std::pair<std::string, std::string>> dataSnapshot();

}  // namespace nencho::test
