#pragma once
// Files set aside before a run of steps that rewrites them one by one, so that a run that
// stops half-way can put every file back as it was: the same bytes, or no file where there was
// none. Each copy lies beside its file (its name and ".keep") until it is restored or discarded,
// so a run cut short by the end of the program leaves the old data on disk.
#include <string>
#include <vector>

namespace nencho {

class KeptFiles {
  public:
    // Copies each existing file aside. Throws RecordError (the copies made so far are removed).
    explicit KeptFiles(const std::vector<std::string>& systemPaths);

    // Puts each file back from its copy, or deletes it when it did not exist, then removes the
    // copies. Throws RecordError at the first file that cannot be put back; its copy stays.
    void restore();
    // Removes the copies, keeping the files as they are now. Throws RecordError.
    void discard();

    static std::string copyPathOf(const std::string& systemPath);

  private:
    struct Kept {
        std::string path;
        bool existed;
    };
    std::vector<Kept> files_;
};

}  // namespace nencho
