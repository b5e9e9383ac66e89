#pragma once
// Several copies of the program may run on one data folder. Each run holds a lock on a file of
// its own in the data root for as long as it lives (the system lets it go when the process ends,
// however it ends), and names its work files after itself. A start acts on the work files of a
// run only once that run has ended, whatever the files' times say.
#include <string>
#include <string_view>

namespace nencho {

// This run's name, "<process>-<start in microseconds>", which its work files begin with.
std::string thisRunName();

// Takes this run's lock in the data root when it does not hold it there yet. Nothing without a
// data root. Throws RecordError (naming the data folder) when the lock cannot be taken.
void holdThisRun();

// Whether the run that wrote a work file of the data root (named after its run) still lives:
// this run, or another whose lock is held. A name of no run's (an earlier version's) is not.
bool runOfWorkFileLives(std::string_view fileName);

// Whether a run other than this one lives on the data folder.
bool anotherRunLives();

// Removes the lock files of runs that have ended. A lock file that cannot be removed stays for
// the next start.
void removeLocksOfEndedRuns();

// Lets the lock go and removes its file, at the program's end.
void releaseThisRun();

// For tests that stop the program at a file step and start it again in the same process: the
// lock goes as the end of the process would let it go, its file stays, and the next lock taken
// is a new run's.
void forgetThisRun();

}  // namespace nencho
