#pragma once
// A set of file changes that can be taken back: each file keeps what it held (or that it was
// missing) before its first change, so a copy that fails half way leaves no half copy.
#include <optional>
#include <string>
#include <vector>

namespace nencho {

class RecordWriter;

class FileChanges {
  public:
    // Each change throws a RecordError when it fails; the file is then as it was before it.
    void copy(const std::string& sourcePath, const std::string& destinationPath);
    void write(const std::string& destinationPath, const RecordWriter& record);
    void remove(const std::string& path);

    // Puts every changed file back as it was, newest change first, and forgets the changes.
    // Returns the descriptions of the files that could not be put back.
    std::vector<std::string> rollback();

    std::size_t changedFiles() const { return formers_.size(); }

  private:
    struct Former {
        std::string path;
        std::optional<std::string> bytes;  // none: the file did not exist
    };
    void remember(const std::string& path);
    std::vector<Former> formers_;
};

}  // namespace nencho
