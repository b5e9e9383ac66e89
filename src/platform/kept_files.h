#pragma once
// Files set aside before a run of steps that rewrites them one by one, so that a run that
// stops half-way can put every file back as it was: the same bytes, or no file where there was
// none. One list holds each file's path with its bytes, or that it was not there, and ends in a
// mark with a check over all it holds; it lies in the data root, where every start looks, named
// after its run, and so serves as the run's work mark. While the list is there the run has not
// ended, and the start after the run's end puts the files back from it (recoverUnfinishedWork),
// once the list has proved itself whole. Without a data root the list lies beside the first
// file.
#include <optional>
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
    // Reads each existing file and writes the list. Throws RecordError, nothing written.
    explicit KeptFiles(const std::vector<std::string>& systemPaths);

    // Sets aside the files of the list not kept yet, before the run changes them, and writes the
    // list again naming them too. Throws RecordError (the list as it was).
    void keepAlso(const std::vector<std::string>& systemPaths);

    // Puts each file back, or deletes it when it did not exist, then removes the list. Throws
    // RecordError at the first file that cannot be put back; the list then stays.
    void restore();
    // The first half of restore: the files put back, the list left.
    void putFilesBack();
    // Removes the list, keeping the files as they are now. Throws RecordError.
    void discard();

    // Whether the list names the file.
    bool isKept(const std::string& systemPath) const;
    // Whether the list is still on the disk (a start of the program may have dealt with it).
    bool listStands() const;

    // A copy beside its file, which lists of earlier versions named instead of holding the bytes.
    static std::string copyPathOf(const std::string& systemPath);
    static bool isCopyName(std::string_view fileName);
    static bool isListName(std::string_view fileName);

    // Puts back the files of a run whose list was left, and removes the list. Returns the files
    // put back. Throws UnprovenList, nothing changed, when the list does not prove itself whole,
    // and RecordError when a file cannot be put back.
    static std::vector<std::string> restoreLeftRun(const std::string& listPath);
    // Renames a list that did not prove itself whole to a name no start acts on, kept for a
    // look. Throws RecordError.
    static void setAside(const std::string& listPath);
    // The copies a list of an earlier version names, so that copies named by no list can be
    // told apart.
    static std::vector<std::string> copiesNamedBy(const std::string& listPath);

  private:
    struct Kept {
        std::string path;
        bool existed;
        // Its bytes; none for a list of an earlier version, whose copy holds them.
        std::optional<std::string> bytes;
    };
    KeptFiles() = default;
    void keep(const std::vector<std::string>& systemPaths);
    // The entries of a list as far as they can be read, and whether it ends in its mark with a
    // check that holds.
    static std::vector<Kept> entriesOf(std::string_view list, bool& whole);
    static KeptFiles fromList(const std::string& listPath);

    std::string listPath_;
    std::vector<Kept> files_;
};

}  // namespace nencho
