#pragma once
// Files set aside before a run of steps that rewrites them one by one, so that a run that
// stops half-way can put every file back as it was: the same bytes, or no file where there was
// none. One list holds each file's path with its bytes, or that it was not there, and ends in a
// mark with a check over all it holds; it lies in the data root, where every start looks, named
// after its run, and so serves as the run's work mark. While the list is there the run has not
// ended, and the next start puts the files back from it (recoverUnfinishedWork), once the list
// has proved itself whole. Without a data root the list lies beside the first file.
#include <string>
#include <string_view>
#include <vector>

#include "common/failure.h"

namespace nencho {

// A list left behind that does not prove itself whole (cut short, changed, unreadable, or naming
// a file outside the data folder): nothing may be put back from it.
class UnprovenList : public Failure {
  public:
    UnprovenList(const std::string& description, std::vector<std::string> files)
        : Failure(description), files_(std::move(files)) {}
    // The files it names, as far as it could be read.
    const std::vector<std::string>& files() const { return files_; }

  private:
    std::vector<std::string> files_;
};

class KeptFiles {
  public:
    // Nothing kept yet, no list.
    KeptFiles() = default;
    // Keeps the files (keep()). Throws RecordError, nothing written.
    explicit KeptFiles(const std::vector<std::string>& systemPaths);

    // Reads the files not kept yet, before the run changes them, and writes the list naming every
    // file kept. Throws RecordError: the list as it was, or, when only its folder's sync failed,
    // naming them all (listStands() tells whether there is one).
    void keep(const std::vector<std::string>& systemPaths);

    // Puts each file back, or deletes it when it did not exist, then removes the list. Throws
    // RecordError at the first file that cannot be put back; the list then stays.
    void restore();
    // The first half of restore: the files put back, the list left (written again first when it
    // is gone, so that a stop on the way still puts them all back). A file whose folder is gone
    // is put back into the folder made anew. Returns the files it changed: a file that was not
    // there and is not there now is nothing to put back.
    std::vector<std::string> putFilesBack();
    // Removes the list, keeping the files as they are now: their folders synced first, the list's
    // after. Throws RecordError.
    void discard();

    // Whether the list names the file.
    bool isKept(const std::string& systemPath) const;
    // The files the list names.
    std::vector<std::string> files() const;
    // Whether the list is on the disk.
    bool listStands() const;

    static bool isListName(std::string_view fileName);

    // The list a run left, once it has proved itself whole and to name only files below the data
    // folder, through no link. Throws UnprovenList, nothing changed.
    static KeptFiles leftBy(const std::string& listPath);
    // Renames a list that did not prove itself whole to a name no start acts on, kept for a
    // look. Throws RecordError.
    static void setAside(const std::string& listPath);

  private:
    struct Kept {
        std::string path;
        bool existed;
        std::string bytes;
    };
    std::string listText() const;
    // The entries of a list as far as they can be read, and whether it ends in its mark with a
    // check that holds.
    static std::vector<Kept> entriesOf(std::string_view list, bool& whole);

    std::string listPath_;
    std::vector<Kept> files_;
};

}  // namespace nencho
