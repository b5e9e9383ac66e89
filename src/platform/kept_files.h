#pragma once
// Files set aside before a run of steps that rewrites them one by one, so that a run that
// stops half-way can put every file back as it was: the same bytes, or no file where there was
// none. Each copy lies beside its file (its name and ".keep", a second name of the file where the
// file system allows, since writes replace files whole), and a list beside the first file
// (its name and ".keep-list") names them all; while the list is there the run has not ended,
// and the next start puts the files back from their copies (recoverUnfinishedWork).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/work_marks.h"

namespace nencho {

class KeptFiles {
  public:
    // Copies each existing file aside, then writes the list. Throws RecordError (the copies
    // made so far are removed).
    explicit KeptFiles(const std::vector<std::string>& systemPaths);

    // Sets aside the files of the list not kept yet, before the run changes them, and writes the
    // list again naming them too. Throws RecordError (the list as it was, the new copies removed).
    void keepAlso(const std::vector<std::string>& systemPaths);

    // Puts each file back from its copy, or deletes it when it did not exist, then removes the
    // list and the copies. Throws RecordError at the first file that cannot be put back; the
    // list and the copies then stay for the next start.
    void restore();
    // Removes the list, then the copies, keeping the files as they are now. Throws RecordError.
    void discard();

    static std::string copyPathOf(const std::string& systemPath);
    static std::string listPathOf(const std::string& firstSystemPath);
    static bool isCopyName(std::string_view fileName);
    static bool isListName(std::string_view fileName);

    // Puts back the files of a run whose list was left, and removes its list and copies.
    // Returns the files put back. Throws RecordError.
    static std::vector<std::string> restoreLeftRun(const std::string& listPath);
    // The copies a list names, so that copies named by no list can be told apart.
    static std::vector<std::string> copiesNamedBy(const std::string& listPath);

  private:
    struct Kept {
        std::string path;
        bool existed;
    };
    KeptFiles() = default;
    void keep(const std::vector<std::string>& systemPaths);
    bool isKept(const std::string& systemPath) const;
    static KeptFiles fromList(const std::string& listPath);
    void removeCopies() const;

    std::string listPath_;
    std::vector<Kept> files_;
    // Placed before the first copy, removed with the list and the copies.
    std::optional<WorkMark> mark_;
};

}  // namespace nencho
