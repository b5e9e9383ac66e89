#pragma once
// A seam for tests: every step of the file operations that changes the disk passes here first,
// so a test can make a chosen step fail (the hook throws a RecordError) or stop the operation
// there as if the program had been ended (the hook throws something no handler catches). The
// program never sets a hook.
#include <filesystem>
#include <functional>

namespace nencho {

enum class FileStep {
    MakeFolder,
    WriteTemporary,  // a temporary file written beside its target
    Sync,            // a written file's bytes made durable (given the path it goes to)
    Rename,          // a file moved over its target
    SyncFolder,      // a folder's entries made durable after a change in it
    Delete,
};

using FileStepHook = std::function<void(FileStep step, const std::filesystem::path& hostPath)>;

// An empty hook removes the one set.
void setFileStepHook(FileStepHook hook);

// Called by the platform before each step.
void beforeFileStep(FileStep step, const std::filesystem::path& hostPath);

}  // namespace nencho
