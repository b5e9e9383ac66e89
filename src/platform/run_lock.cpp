#include "platform/run_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <filesystem>

#include "common/paths.h"
#include "platform/drive_map.h"
#include "platform/file_system.h"
#include "platform/folder_listing.h"
#include "platform/record_error.h"

namespace nencho {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kLockSuffix = ".run-lock";

struct ThisRun {
    std::string name;
    int fd = -1;
    std::string lockPath;  // system path of the lock held, empty when none
};

ThisRun& run() {
    static ThisRun state;
    return state;
}

std::string lockPathOf(std::string_view runName) {
    return dataRootFolder() + "\\" + std::string(runName) + std::string(kLockSuffix);
}

bool isLockName(std::string_view name) {
    return name.size() > kLockSuffix.size() && name.ends_with(kLockSuffix);
}

bool isNumber(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

// "<process>-<start>" of a work file named "<process>-<start>-<serial><suffix>"; empty for any
// other name.
std::string runNameOf(std::string_view fileName) {
    const std::size_t first = fileName.find('-');
    if (first == std::string_view::npos) return {};
    const std::size_t second = fileName.find('-', first + 1);
    if (second == std::string_view::npos) return {};
    if (!isNumber(fileName.substr(0, first)) ||
        !isNumber(fileName.substr(first + 1, second - first - 1)))
        return {};
    return std::string(fileName.substr(0, second));
}

// Whether the file at the descriptor is still the one the path names.
bool stillNamed(int fd, const std::string& systemPath) {
    const auto host = DriveMap::instance().hostPath(systemPath);
    struct stat opened {};
    struct stat named {};
    return host && ::fstat(fd, &opened) == 0 && ::stat(host->c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

constexpr int kHeld = -1;    // a live run holds the lock
constexpr int kNoLock = -2;  // no lock file: its run has ended

// Opens and locks the lock file of a run: the descriptor, kHeld or kNoLock.
int takeLock(const std::string& systemPath) {
    const auto host = DriveMap::instance().hostPath(systemPath);
    if (!host) return kNoLock;
    const int fd = ::open(host->c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return kNoLock;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return kHeld;
    }
    return fd;
}

bool heldByALiveRun(const std::string& lockPath) {
    const int fd = takeLock(lockPath);
    if (fd >= 0) ::close(fd);
    return fd == kHeld;
}

// The lock files of the data root but this run's.
std::vector<std::string> otherRunsLocks() {
    std::vector<std::string> paths;
    for (const std::string& name : fileNamesIn(dataRootFolder(), isLockName))
        if (dataRootFolder() + "\\" + name != run().lockPath)
            paths.push_back(dataRootFolder() + "\\" + name);
    return paths;
}

void letGo() {
    ThisRun& state = run();
    if (state.fd >= 0) ::close(state.fd);
    state.fd = -1;
    state.lockPath.clear();
}

}  // namespace

std::string thisRunName() {
    ThisRun& state = run();
    if (state.name.empty()) {
        const auto now =
            std::chrono::system_clock::now().time_since_epoch() / std::chrono::microseconds(1);
        state.name = std::to_string(::getpid()) + "-" + std::to_string(now);
    }
    return state.name;
}

void holdThisRun() {
    if (!folderExists(dataRootFolder())) return;
    ThisRun& state = run();
    const std::string path = lockPathOf(thisRunName());
    if (state.fd >= 0 && state.lockPath == path && stillNamed(state.fd, path)) return;
    letGo();
    // The lock file holds nothing, so it is made in place rather than written. A start that finds
    // it before it is locked takes it for an ended run's and removes it; the lock then holds a
    // file no longer named, and is taken again on a new file, which that start has passed.
    const fs::path host = requireHostPath(path);
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = ::open(host.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0) fail(FileErrorKind::WriteFailed, dataRootFolder());
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && stillNamed(fd, path)) {
            state.fd = fd;
            state.lockPath = path;
            return;
        }
        ::close(fd);
    }
    fail(FileErrorKind::WriteFailed, dataRootFolder());
}

bool runOfWorkFileLives(std::string_view fileName) {
    const std::string runName = runNameOf(fileName);
    if (runName.empty()) return false;
    return (runName == run().name && run().fd >= 0) || heldByALiveRun(lockPathOf(runName));
}

bool anotherRunLives() {
    const std::vector<std::string> locks = otherRunsLocks();
    return std::any_of(locks.begin(), locks.end(), heldByALiveRun);
}

void removeLocksOfEndedRuns() {
    for (const std::string& path : otherRunsLocks()) {
        const int fd = takeLock(path);
        if (fd < 0) continue;
        try {
            deleteFile(path);
        } catch (const RecordError&) {
        }
        ::close(fd);
    }
}

void releaseThisRun() {
    ThisRun& state = run();
    if (state.fd >= 0 && stillNamed(state.fd, state.lockPath)) {
        try {
            deleteFile(state.lockPath);
        } catch (const RecordError&) {
        }
    }
    letGo();
}

void forgetThisRun() {
    letGo();
    run().name.clear();
}

}  // namespace nencho
