#pragma once
// Failures of file and folder operations and of reading a field back. Handlers catch them
// and decide what the user sees; nothing here shows anything.
#include <string>
#include <utility>

#include "common/failure.h"

namespace nencho {

enum class FileErrorKind {
    FileNotFound,       // opening a missing record, copying or deleting a missing file
    PathNotFound,       // a folder on the way is missing, or the path has no mapped drive
    FileAlreadyExists,  // exclusive creation of a file or folder that exists
    TypeMismatch,       // a field that is not a number read into a number
    Overflow,           // a number beyond the range of its target
    InputPastEnd,       // more fields read than the file holds
    TextNotStorable,    // a text the record file could not give back as it was
    WriteFailed,        // the system refused a write, rename, copy or delete
    ReadFailed,         // a file that is there could not be read
};

class RecordError : public Failure {
  public:
    // The detail is the system's reason, when there is one, as the description's last line.
    RecordError(FileErrorKind kind, const std::string& description, std::string detail = {})
        : Failure(description), kind_(kind), detail_(std::move(detail)) {}
    FileErrorKind kind() const { return kind_; }
    // The same failure described with another path: a working file of the program's own (a
    // mark, a prepared copy, a plan) is named to the user by the record or folder it serves.
    RecordError naming(const std::string& systemPath) const;
    // The file, or a folder on its way, is not there: for a record, an empty one.
    bool isMissingFile() const {
        return kind_ == FileErrorKind::FileNotFound || kind_ == FileErrorKind::PathNotFound;
    }

  private:
    FileErrorKind kind_;
    std::string detail_;
};

// The error's description as a message box shows it, naming the file when there is one.
std::string describe(FileErrorKind kind, const std::string& systemPath = {});

[[noreturn]] void fail(FileErrorKind kind, const std::string& systemPath = {},
                       const std::string& detail = {});

}  // namespace nencho
