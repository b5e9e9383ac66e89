#pragma once
// Several files replaced or removed as one change. Each new file is first written beside its
// target (its name and ".switch-new"); then a plan naming every change is written; then each
// new file is moved over its target, or the target deleted, in the order given, and the plan is
// removed. A switch stopped before its plan stands leaves every target as it was (its prepared
// files are removed by the next start); one stopped after it is carried out whole by finish(),
// which the next attempt on the same files and the next start run. A work mark stands from
// before the first prepared file until the switch is over.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/failure.h"
#include "platform/work_marks.h"

namespace nencho {

// The switch stopped after its plan was written: some targets are new, some not yet. The plan
// stays, and finish() completes it.
class UnfinishedSwitch : public Failure {
  public:
    using Failure::Failure;
};

class FileSwitch {
  public:
    // The plan's path: a file of the switch's own, beside its main target.
    explicit FileSwitch(std::string planPath);

    // Prepares the target's new content. Throws RecordError, having removed everything this
    // switch prepared.
    void replace(const std::string& targetPath, std::string_view bytes);
    // The target is to be removed (nothing happens when it is missing at the switch).
    void remove(const std::string& targetPath);

    // Writes the plan and carries it out. Throws RecordError when the plan cannot be written
    // (every target as it was, the prepared files removed) and UnfinishedSwitch when a step
    // after it fails.
    void commit();
    // Removes the prepared files; the targets stay as they were.
    void abandon();

    // Carries out a plan that was left behind; false when there is none. Throws
    // UnfinishedSwitch when a step fails (the plan stays).
    static bool finish(const std::string& planPath);

    // The plan's path for a switch whose main target is the given file.
    static std::string planPathFor(const std::string& mainTargetPath);
    static std::string preparedPathOf(const std::string& targetPath);
    static bool isPlanName(std::string_view fileName);
    static bool isPreparedName(std::string_view fileName);
    // The prepared files a plan names.
    static std::vector<std::string> preparedNamedBy(const std::string& planPath);

  private:
    struct Change {
        bool replaces;  // false: the target is removed
        std::string target;
    };
    static std::vector<Change> readPlan(const std::string& planPath);
    static void carryOut(const std::string& planPath, const std::vector<Change>& changes);

    // Placed before the first prepared file, removed once the plan is carried out or every
    // prepared file removed.
    void markWork();

    std::string planPath_;
    std::vector<Change> changes_;
    std::optional<WorkMark> mark_;
};

}  // namespace nencho
