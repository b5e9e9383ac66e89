#include "platform/work_marks.h"

#include <unistd.h>

#include "common/paths.h"
#include "platform/file_system.h"
#include "platform/record_error.h"

namespace nencho {

namespace {

constexpr std::string_view kMarkSuffix = ".work-mark";

// Unique among the marks of this run; a mark of an earlier run under the same name is one the
// start has already dealt with.
std::string newMarkPath() {
    static unsigned serial = 0;
    return dataRootFolder() + "\\" + std::to_string(::getpid()) + "-" + std::to_string(++serial) +
           std::string(kMarkSuffix);
}

}  // namespace

WorkMark::WorkMark() {
    if (!folderExists(dataRootFolder())) return;
    const std::string path = newMarkPath();
    writeFile(path, "");
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
