#include "platform/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>

#include "common/paths.h"
#include "platform/drive_map.h"
#include "platform/file_steps.h"
#include "platform/record_error.h"

namespace nencho {

namespace fs = std::filesystem;

namespace {

constexpr mode_t kFileMode = 0600;
constexpr mode_t kFolderMode = 0700;
constexpr std::string_view kTemporaryMarker = ".tmp-";
constexpr std::size_t kTemporaryUniquePart = 6;  // the characters mkstemp fills in

// The system's reason for a failure, in the words the user reads.
std::string reason(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return "ディスクの空き容量が足りません。";
        case EROFS:
            return "書き込みが禁止されたディスクです。";
        case EACCES:
        case EPERM:
            return "アクセスが拒否されました。";
        case EIO:
            return "ディスクの読み書きに失敗しました。";
        default:
            return std::strerror(error);
    }
}

[[noreturn]] void failWith(FileErrorKind kind, const std::string& systemPath, int error) {
    fail(kind, systemPath, reason(error));
}

std::function<void(const RecordError&)>& refusalWatcher() {
    static std::function<void(const RecordError&)> watcher;
    return watcher;
}

std::function<void(const std::string&)>& beforeChangeHook() {
    static std::function<void(const std::string&)> hook;
    return hook;
}

// Runs a change of the disk of the files named; a failure is told to the watcher unless it is
// one of the answers the caller asked for.
template <typename Change>
void watched(std::initializer_list<std::string_view> files, Change change,
             std::initializer_list<FileErrorKind> answers = {}) {
    try {
        // Read once: settling what the hook is for may remove it.
        if (const auto hook = beforeChangeHook())
            for (std::string_view file : files) hook(std::string(file));
        change();
    } catch (const RecordError& error) {
        const auto watcher = refusalWatcher();
        if (watcher && std::find(answers.begin(), answers.end(), error.kind()) == answers.end())
            watcher(error);
        throw;
    }
}

// Makes a folder's renames and deletions durable. A failure is a failed write, told to the
// watcher and thrown: the changes stand in the folder but may not outlast a power cut. A folder
// gone since its change needs no sync, and a file system that cannot sync a folder is no fault.
void syncFolderNow(const fs::path& folder) {
    const std::string shown = DriveMap::instance().systemPathOf(folder).value_or(folder.string());
    watched({}, [&] {
        beforeFileStep(FileStep::SyncFolder, folder);
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            if (errno == ENOENT) return;
            failWith(FileErrorKind::WriteFailed, shown, errno);
        }
        const int error = ::fsync(fd) == 0 ? 0 : errno;
        ::close(fd);
        if (error != 0 && error != EINVAL && error != ENOTSUP && error != EOPNOTSUPP)
            failWith(FileErrorKind::WriteFailed, shown, error);
    });
}

struct PendingSyncs {
    int batches = 0;
    std::vector<fs::path> folders;  // in the order of their first change
};

PendingSyncs& pending() {
    static PendingSyncs syncs;
    return syncs;
}

void syncFolder(const fs::path& folder) {
    PendingSyncs& syncs = pending();
    if (syncs.batches == 0) {
        syncFolderNow(folder);
        return;
    }
    if (std::find(syncs.folders.begin(), syncs.folders.end(), folder) == syncs.folders.end())
        syncs.folders.push_back(folder);
}

// 0 or the errno of the first failed write.
int writeAll(int fd, std::string_view data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return EIO;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// Makes one folder level owner-only: the umask only takes bits away, so the mode is set again.
int makeFolder(const fs::path& host) {
    beforeFileStep(FileStep::MakeFolder, host);
    if (::mkdir(host.c_str(), kFolderMode) != 0) return errno;
    ::chmod(host.c_str(), kFolderMode);  // not kept by every file system
    syncFolder(host.parent_path());
    return 0;
}

fs::path requireFolderOf(const std::string& systemPath) {
    const fs::path host = requireHostPath(systemPath);
    std::error_code ec;
    if (!fs::is_directory(host.parent_path(), ec)) fail(FileErrorKind::PathNotFound, systemPath);
    if (fs::is_directory(host, ec)) fail(FileErrorKind::WriteFailed, systemPath);
    return host;
}

// Makes the bytes written to a file durable: 0 or the errno of the failure.
int syncFile(int fd, const fs::path& target) {
    beforeFileStep(FileStep::Sync, target);
    return ::fsync(fd) == 0 ? 0 : errno;
}

// A save cut short leaves its temporary file beside its target. The first write of this run into
// a folder removes those older than the run, so that no start has to read every folder.
void sweepTemporaryFiles(const fs::path& folder) {
    static const fs::file_time_type runStart = fs::file_time_type::clock::now();
    static std::set<std::string> swept;
    if (!swept.insert(folder.string()).second) return;
    std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folder.c_str()), &::closedir);
    if (!listing) return;
    std::vector<fs::path> leftOver;
    // Each entry of the folder is read once; the loop ends at the folder's end or an error.
    while (const dirent* entry = ::readdir(listing.get())) {
        if (!isTemporaryFileName(entry->d_name)) continue;
        const fs::path path = folder / entry->d_name;
        std::error_code ec;
        if (fs::is_regular_file(fs::symlink_status(path, ec)) &&
            fs::last_write_time(path, ec) < runStart && !ec)
            leftOver.push_back(path);
    }
    for (const fs::path& path : leftOver) ::unlink(path.c_str());
}

// Writes the bytes to an owner-only temporary file beside the target and syncs it.
fs::path writeTemporary(const std::string& systemPath, const fs::path& target,
                        std::string_view bytes) {
    sweepTemporaryFiles(target.parent_path());
    beforeFileStep(FileStep::WriteTemporary, target);
    std::string temp = target.string();
    temp.append(kTemporaryMarker).append(kTemporaryUniquePart, 'X');
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) failWith(FileErrorKind::WriteFailed, systemPath, errno);
    int error = writeAll(fd, bytes);
    try {
        if (error == 0) error = syncFile(fd, target);
    } catch (const RecordError&) {
        ::close(fd);
        ::unlink(temp.c_str());
        throw;
    }
    ::fchmod(fd, kFileMode);  // mkstemp makes it owner-only already where modes are kept
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        failWith(FileErrorKind::WriteFailed, systemPath, error);
    }
    return temp;
}

// The step before a rename: a failure made there leaves no temporary file behind.
void beforeRename(const fs::path& temp, const fs::path& target) {
    try {
        beforeFileStep(FileStep::Rename, target);
    } catch (const RecordError&) {
        ::unlink(temp.c_str());
        throw;
    }
}

// Moves the temporary file to a target that must not exist. A file system without an
// exclusive rename may still have hard links, which are exclusive too; one with neither (FAT)
// is checked first, as only this program writes in its folders. 0, EEXIST or another errno.
int placeExclusively(const fs::path& temp, const fs::path& target) {
    if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    const int error = errno;
    if (error != EINVAL && error != ENOSYS && error != ENOTSUP) return error;
    if (::link(temp.c_str(), target.c_str()) == 0) {
        ::unlink(temp.c_str());
        return 0;
    }
    if (errno == EEXIST) return EEXIST;
    std::error_code ec;
    if (fs::exists(target, ec)) return EEXIST;
    return ::rename(temp.c_str(), target.c_str()) == 0 ? 0 : errno;
}

}  // namespace

FolderSyncBatch::FolderSyncBatch() {
    ++pending().batches;
}

FolderSyncBatch::~FolderSyncBatch() {
    if (--pending().batches != 0) return;
    try {
        syncPendingFolders();
    } catch (...) {
        // Reached only when the action ends by a failure, which is what the user is told of: the
        // action syncs before its end otherwise, and a destructor cannot pass anything on.
    }
}

void syncPendingFolders() {
    std::vector<fs::path>& folders = pending().folders;
    // Each turn takes one folder off the list, so the turns end with it. A folder whose sync
    // fails is not synced again: a later sync could not tell whether its changes were lost.
    while (!folders.empty()) {
        const fs::path folder = folders.front();
        folders.erase(folders.begin());
        syncFolderNow(folder);
    }
}

bool refusedChangesWatched() {
    return static_cast<bool>(refusalWatcher());
}

bool folderExists(const std::string& systemPath) {
    const auto host = DriveMap::instance().hostPath(systemPath);
    std::error_code ec;
    return host && fs::is_directory(*host, ec);
}

bool fileExists(const std::string& systemPath) {
    const auto host = DriveMap::instance().hostPath(systemPath);
    std::error_code ec;
    return host && fs::is_regular_file(*host, ec);
}

void createFolder(const std::string& systemPath) {
    watched({systemPath},
            [&] {
                const fs::path host = requireHostPath(systemPath);
                std::error_code ec;
                if (fs::exists(host, ec)) fail(FileErrorKind::FileAlreadyExists, systemPath);
                if (!fs::is_directory(host.parent_path(), ec))
                    fail(FileErrorKind::PathNotFound, systemPath);
                if (const int error = makeFolder(host))
                    failWith(FileErrorKind::WriteFailed, systemPath, error);
            },
            {FileErrorKind::FileAlreadyExists});
}

void createHostFolders(const fs::path& hostFolder) {
    std::error_code ec;
    if (hostFolder.empty() || fs::is_directory(hostFolder, ec)) return;
    createHostFolders(hostFolder.parent_path());
    if (const int error = makeFolder(hostFolder); error != 0 && error != EEXIST)
        fail(FileErrorKind::WriteFailed, hostFolder.string(), reason(error));
}

void createMissingFolders(const std::vector<std::string>& systemPaths) {
    for (const std::string& path : systemPaths) {
        if (folderExists(path)) continue;
        const fs::path host = requireHostPath(path);
        // A drive's own folder stands for the drive: make it when the mapping points nowhere yet.
        const auto drive = DriveMap::instance().driveFolder(path.empty() ? 'c' : path[0]);
        if (drive && host.parent_path() == *drive) createHostFolders(*drive);
        createFolder(path);
    }
}

void ensureDataTree(const std::string& taxYearCode, bool withWithholdingBook) {
    std::vector<std::string> levels{
        dataRootFolder(),
        withoutTrailingSeparator(companyFolder()),
        withoutTrailingSeparator(personFolder()),
        withoutTrailingSeparator(yearFolder(taxYearCode)),
    };
    if (withWithholdingBook) levels.push_back(std::string(kDataRoot) + kWithholdingBookFolderName);
    createMissingFolders(levels);
}

std::string readFile(const std::string& systemPath) {
    const fs::path host = requireHostPath(systemPath);
    const int fd = ::open(host.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        std::error_code ec;
        if (error == ENOENT || error == ENOTDIR)
            fail(fs::is_directory(host.parent_path(), ec) ? FileErrorKind::FileNotFound
                                                          : FileErrorKind::PathNotFound,
                 systemPath);
        failWith(FileErrorKind::ReadFailed, systemPath, error);
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        fail(FileErrorKind::FileNotFound, systemPath);  // a folder stands where the file would
    }
    std::string bytes;
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            failWith(FileErrorKind::ReadFailed, systemPath, error);
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

void writeFile(const std::string& systemPath, std::string_view bytes) {
    watched({systemPath}, [&] {
        const fs::path target = requireFolderOf(systemPath);
        const fs::path temp = writeTemporary(systemPath, target, bytes);
        beforeRename(temp, target);
        if (::rename(temp.c_str(), target.c_str()) != 0) {
            const int error = errno;
            ::unlink(temp.c_str());
            failWith(FileErrorKind::WriteFailed, systemPath, error);
        }
        syncFolder(target.parent_path());
    });
}

void writeNewFile(const std::string& systemPath, std::string_view bytes) {
    watched({systemPath},
            [&] {
                const fs::path target = requireFolderOf(systemPath);
                std::error_code ec;
                if (fs::exists(target, ec)) fail(FileErrorKind::FileAlreadyExists, systemPath);
                const fs::path temp = writeTemporary(systemPath, target, bytes);
                beforeRename(temp, target);
                if (const int error = placeExclusively(temp, target)) {
                    ::unlink(temp.c_str());
                    if (error == EEXIST) fail(FileErrorKind::FileAlreadyExists, systemPath);
                    failWith(FileErrorKind::WriteFailed, systemPath, error);
                }
                syncFolder(target.parent_path());
            },
            {FileErrorKind::FileAlreadyExists});
}

void copyFile(const std::string& sourcePath, const std::string& destinationPath) {
    const fs::path source = requireHostPath(sourcePath);
    std::error_code ec;
    if (!fs::is_regular_file(source, ec)) fail(FileErrorKind::FileNotFound, sourcePath);
    requireFolderOf(destinationPath);
    writeFile(destinationPath, readFile(sourcePath));
}

void moveFile(const std::string& sourcePath, const std::string& destinationPath) {
    watched({sourcePath, destinationPath}, [&] {
        const fs::path source = requireHostPath(sourcePath);
        const fs::path destination = requireFolderOf(destinationPath);
        std::error_code ec;
        if (!fs::is_regular_file(source, ec)) fail(FileErrorKind::FileNotFound, sourcePath);
        beforeFileStep(FileStep::Rename, destination);
        if (::rename(source.c_str(), destination.c_str()) != 0)
            failWith(FileErrorKind::WriteFailed, destinationPath, errno);
        syncFolder(destination.parent_path());
        if (source.parent_path() != destination.parent_path()) syncFolder(source.parent_path());
    });
}

void deleteFile(const std::string& systemPath) {
    watched({systemPath},
            [&] {
                const fs::path host = requireHostPath(systemPath);
                std::error_code ec;
                if (!fs::is_regular_file(host, ec)) fail(FileErrorKind::FileNotFound, systemPath);
                beforeFileStep(FileStep::Delete, host);
                if (::unlink(host.c_str()) != 0)
                    failWith(FileErrorKind::WriteFailed, systemPath, errno);
                syncFolder(host.parent_path());
            },
            {FileErrorKind::FileNotFound});
}

void watchRefusedChanges(std::function<void(const RecordError&)> watcher) {
    refusalWatcher() = std::move(watcher);
}

void setBeforeChange(std::function<void(const std::string& systemPath)> hook) {
    beforeChangeHook() = std::move(hook);
}

bool isTemporaryFileName(std::string_view fileName) {
    for (std::string_view fixed : {".tmp-copy", ".tmp-undo"})
        if (fileName.size() > fixed.size() && fileName.ends_with(fixed)) return true;
    const std::size_t length = kTemporaryMarker.size() + kTemporaryUniquePart;
    if (fileName.size() <= length) return false;
    const std::string_view tail = fileName.substr(fileName.size() - length);
    if (!tail.starts_with(kTemporaryMarker)) return false;
    for (char c : tail.substr(kTemporaryMarker.size()))
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    return true;
}

}  // namespace nencho
