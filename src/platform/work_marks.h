#pragma once
// Work that changes several files leaves a mark in the data root before its first change and
// removes it after its last. The next start looks only there: with no mark left, nothing was
// cut short and no folder of records needs to be read through (recoverUnfinishedWork).
#include <optional>
#include <string>
#include <string_view>

namespace nencho {

// A path in the data root for a file of this run's work, ending in the suffix: unique among the
// names of this run and of earlier runs. None without a data root.
std::optional<std::string> newWorkFilePath(std::string_view suffix);

class WorkMark {
  public:
    // Writes a mark of this work. Throws RecordError. Without a data root there is nothing a
    // start would look through, and no mark is written.
    WorkMark();
    WorkMark(WorkMark&& other) noexcept;
    WorkMark& operator=(WorkMark&&) = delete;
    WorkMark(const WorkMark&) = delete;
    WorkMark& operator=(const WorkMark&) = delete;
    // A mark not removed stays for the next start.
    ~WorkMark() = default;

    // Removes the mark once the work's last change is made. A mark that cannot be removed only
    // costs the next start a look through the folders.
    void remove();

    static bool isMarkName(std::string_view fileName);

  private:
    std::string path_;  // empty: no mark
};

}  // namespace nencho
