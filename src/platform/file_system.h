#pragma once
// Folder and file operations on system paths. Failures are RecordErrors.
//
// Every file the program writes goes through one path: the bytes go to a temporary file of a
// unique name in the target's folder, which is synced and then renamed over the target, and
// the folder is synced. A failed write leaves the old file as it was and no temporary file,
// unless only the folder's sync failed: the new file then stands but may not outlast a power cut,
// and the write is told as failed all the same. A write cut short by the end of the program
// leaves the old file and a temporary file that the next start removes. Files are owner-only (0600)
// and folders the program makes owner-only (0700) whatever the umask; on a file system that keeps
// no modes the write goes on all the same.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace nencho {

bool folderExists(const std::string& systemPath);
bool fileExists(const std::string& systemPath);

// Creates one folder level. Throws PathNotFound when the parent is missing and
// FileAlreadyExists when the folder exists.
void createFolder(const std::string& systemPath);

// Creates a host folder and each missing level above it, owner-only.
void createHostFolders(const std::filesystem::path& hostFolder);

// Creates each missing folder of the list, in order, one level at a time. The host folder
// behind a drive letter is made when missing, as a drive is always there.
void createMissingFolders(const std::vector<std::string>& systemPaths);

// The data tree: the data root, the company and person folders and the year's folder
// (and "源泉簿" when asked), every missing level created.
void ensureDataTree(const std::string& taxYearCode, bool withWithholdingBook = false);

// The whole file. FileNotFound when it is missing, PathNotFound when its folder is, ReadFailed
// when it is there but cannot be read.
std::string readFile(const std::string& systemPath);

// Writes the bytes as the whole file, replacing it. PathNotFound when its folder is missing,
// WriteFailed.
void writeFile(const std::string& systemPath, std::string_view bytes);

// Writes the bytes as a file that must not exist yet: FileAlreadyExists when it does, and
// nothing is written. The file appears whole or not at all, never empty.
void writeNewFile(const std::string& systemPath, std::string_view bytes);

// Copies a file whole through the same path; FileNotFound when the source is missing,
// PathNotFound when the destination's folder is missing, ReadFailed, WriteFailed.
void copyFile(const std::string& sourcePath, const std::string& destinationPath);

// Renames a file over another of the same folder in one step. FileNotFound, WriteFailed.
void moveFile(const std::string& sourcePath, const std::string& destinationPath);

// Deletes a file; FileNotFound when it is missing.
void deleteFile(const std::string& systemPath);

// Within an action of the user, the writes above make each folder's sync once, at the end
// (or at the first syncPendingFolders()), instead of once per file: an action that saves three
// records into one folder syncs it once. Scopes nest; the outermost syncs when it ends, where a
// failure can no longer be passed on: an action syncs before its end, so that the user is told.
class FolderSyncBatch {
  public:
    FolderSyncBatch();
    ~FolderSyncBatch();
    FolderSyncBatch(const FolderSyncBatch&) = delete;
    FolderSyncBatch& operator=(const FolderSyncBatch&) = delete;
};

class RecordError;

// Work of several files learns here of every change above that the disk refused (a write, a
// copy, a move, a deletion, a folder made or synced), even where the failure is handled on the way:
// the watcher sees the failure before it is thrown. The answers a caller asks for (a file that is
// already there, or not there to delete) are no refusals. One watcher at a time; an empty one
// removes it.
void watchRefusedChanges(std::function<void(const RecordError&)> watcher);

// Called with a file's system path before the file is written, moved or deleted, so that work
// this run left unsettled is settled before a file of it changes again; it may throw RecordError,
// and the change is then not made. One hook at a time; an empty one removes it.
void setBeforeChange(std::function<void(const std::string& systemPath)> hook);

// Syncs the folders whose changes are waiting: where one change must be on the disk before the
// next is made (work of several files), and before the user is told anything. A folder that
// cannot be synced is a write the disk refused: told to the watcher and thrown as a RecordError
// naming the folder; the folders after it stay waiting.
void syncPendingFolders();

// Whether a watcher is told of refused changes: work of several files is under way, and tells the
// user of them at its end.
bool refusedChangesWatched();

// Whether a file name is one the writes above give their temporary files ("<name>.tmp-" and
// six characters), or one of the fixed temporary names earlier versions used.
bool isTemporaryFileName(std::string_view fileName);

}  // namespace nencho
