#pragma once
// A data home and runtime folder of a test's own, for the program started as a process of its
// own: the run never touches the user's records.
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <filesystem>

namespace nencho::test {

class ProgramHome {
  public:
    ProgramHome();
    // The system's environment with the offscreen platform and these folders.
    QProcessEnvironment environment() const;
    // What XDG_DATA_HOME names.
    std::filesystem::path dataHome() const { return root_ / "data"; }

  private:
    QTemporaryDir folder_;
    std::filesystem::path root_;
};

}  // namespace nencho::test
