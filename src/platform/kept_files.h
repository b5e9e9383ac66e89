#pragma once
// Files set aside before a run of steps that rewrites them one by one, so that a run that
// stops half-way can put every file back as it was: the same bytes, or no file where there was
// none. One list holds each file's path with its bytes, or that it was not there; it lies in the
// data root, where every start looks, and so serves as the run's work mark. While the list is
// there the run has not ended, and the next start puts the files back from it
// (recoverUnfinishedWork). Without a data root the list lies beside the first file.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nencho {

class KeptFiles {
  public:
    // Reads each existing file and writes the list. Throws RecordError, nothing written.
    explicit KeptFiles(const std::vector<std::string>& systemPaths);

    // Sets aside the files of the list not kept yet, before the run changes them, and writes the
    // list again naming them too. Throws RecordError (the list as it was).
    void keepAlso(const std::vector<std::string>& systemPaths);

    // Puts each file back, or deletes it when it did not exist, then removes the list. Throws
    // RecordError at the first file that cannot be put back; the list then stays for the next
    // start.
    void restore();
    // Removes the list, keeping the files as they are now. Throws RecordError.
    void discard();

    // A copy beside its file, which lists of earlier versions named instead of holding the bytes.
    static std::string copyPathOf(const std::string& systemPath);
    static bool isCopyName(std::string_view fileName);
    static bool isListName(std::string_view fileName);

    // Puts back the files of a run whose list was left, and removes the list. Returns the files
    // put back. Throws RecordError.
    static std::vector<std::string> restoreLeftRun(const std::string& listPath);
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
    bool isKept(const std::string& systemPath) const;
    static KeptFiles fromList(const std::string& listPath);
    void removeCopies() const;

    std::string listPath_;
    std::vector<Kept> files_;
};

}  // namespace nencho
