#include "platform/work_marks.h"

#include "common/paths.h"
#include "platform/file_system.h"
#include "platform/record_error.h"
#include "platform/run_lock.h"

namespace nencho {

namespace {

constexpr std::string_view kMarkSuffix = ".work-mark";

// Unique among the work files of this run and of earlier runs: a mark an earlier run left, whose
// work its start could not put right, must not be overwritten and then removed by a run that
// happens to have the same process number.
std::string uniquePath(std::string_view suffix) {
    static unsigned serial = 0;
    return dataRootFolder() + "\\" + thisRunName() + "-" + std::to_string(++serial) +
           std::string(suffix);
}

}  // namespace

std::optional<std::string> newWorkFilePath(std::string_view suffix) {
    if (!folderExists(dataRootFolder())) return std::nullopt;
    return uniquePath(suffix);
}

WorkMark::WorkMark() {
    const auto found = newWorkFilePath(kMarkSuffix);
    if (!found) return;
    const std::string path = *found;
    try {
        writeFile(path, "");
    } catch (const RecordError& error) {
        // The mark is the program's own file: the user is told of the data folder it stands in.
        throw error.naming(dataRootFolder());
    }
    syncPendingFolders();  // on the disk before the work's first change
    path_ = path;
}

WorkMark::WorkMark(WorkMark&& other) noexcept : path_(std::move(other.path_)) {
    other.path_.clear();
}

void WorkMark::remove() {
    if (path_.empty()) return;
    try {
        syncPendingFolders();  // the work's last change on the disk before its mark goes
        deleteFile(path_);
    } catch (const RecordError&) {
    }
    path_.clear();
}

bool WorkMark::isMarkName(std::string_view fileName) {
    return fileName.size() > kMarkSuffix.size() && fileName.ends_with(kMarkSuffix);
}

}  // namespace nencho
