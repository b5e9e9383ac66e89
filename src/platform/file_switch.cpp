#include "platform/file_switch.h"

#include <sstream>

#include "platform/file_system.h"
#include "platform/record_error.h"

namespace nencho {

namespace {

constexpr std::string_view kPreparedSuffix = ".switch-new";
constexpr std::string_view kPlanSuffix = ".switch-plan";
// A plan line: "replace" or "remove", a tab, the target's system path.
constexpr std::string_view kReplace = "replace";
constexpr std::string_view kRemove = "remove";

bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() > suffix.size() && text.ends_with(suffix);
}

// The plan is the program's own file: the user is told of the main target it is named after.
std::string shownPathOfPlan(const std::string& planPath) {
    if (!endsWith(planPath, kPlanSuffix)) return planPath;
    return planPath.substr(0, planPath.size() - kPlanSuffix.size());
}

}  // namespace

FileSwitch::FileSwitch(std::string planPath) : planPath_(std::move(planPath)) {}

void FileSwitch::markWork() {
    if (!mark_) mark_.emplace();
}

void FileSwitch::replace(const std::string& targetPath, std::string_view bytes) {
    markWork();
    changes_.push_back({true, targetPath});
    try {
        // What would stop the move in later is found now, while nothing has changed.
        if (folderExists(targetPath)) fail(FileErrorKind::WriteFailed, targetPath);
        writeFile(preparedPathOf(targetPath), bytes);
    } catch (const RecordError& error) {
        abandon();
        throw error.naming(targetPath);  // the prepared file is the program's own
    }
}

void FileSwitch::remove(const std::string& targetPath) {
    changes_.push_back({false, targetPath});
}

void FileSwitch::commit() {
    std::string plan;
    for (const Change& change : changes_)
        plan.append(change.replaces ? kReplace : kRemove).append("\t").append(change.target) +=
            "\n";
    try {
        markWork();
        syncPendingFolders();  // every prepared file on the disk before the plan names it
        writeFile(planPath_, plan);
        syncPendingFolders();  // the plan on the disk before the first target changes
    } catch (const RecordError& error) {
        abandon();
        throw error.naming(shownPathOfPlan(planPath_));
    }
    carryOut(planPath_, changes_);
    changes_.clear();
    mark_->remove();
    mark_.reset();
}

void FileSwitch::abandon() {
    bool allRemoved = true;
    for (const Change& change : changes_) {
        if (!change.replaces) continue;
        try {
            const std::string prepared = preparedPathOf(change.target);
            if (fileExists(prepared)) deleteFile(prepared);
        } catch (const RecordError&) {
            // Left for the next start, which removes prepared files no plan names.
            allRemoved = false;
        }
    }
    changes_.clear();
    if (mark_ && allRemoved) {
        mark_->remove();
        mark_.reset();
    }
}

bool FileSwitch::finish(const std::string& planPath) {
    if (!fileExists(planPath)) return false;
    std::vector<Change> changes;
    try {
        changes = readPlan(planPath);
    } catch (const RecordError& error) {
        throw UnfinishedSwitch(error.naming(shownPathOfPlan(planPath)).what());
    }
    carryOut(planPath, changes);
    return true;
}

// Each step can be taken again: a prepared file already moved in is not there any more, and a
// target already removed is missing.
void FileSwitch::carryOut(const std::string& planPath, const std::vector<Change>& changes) {
    try {
        for (const Change& change : changes) {
            const std::string prepared = preparedPathOf(change.target);
            if (change.replaces && fileExists(prepared))
                moveFile(prepared, change.target);
            else if (!change.replaces && fileExists(change.target))
                deleteFile(change.target);
        }
        syncPendingFolders();  // every target changed on the disk before the plan goes
        try {
            deleteFile(planPath);
        } catch (const RecordError& error) {
            throw error.naming(shownPathOfPlan(planPath));
        }
    } catch (const RecordError& error) {
        throw UnfinishedSwitch(error.what());
    }
}

std::vector<FileSwitch::Change> FileSwitch::readPlan(const std::string& planPath) {
    std::vector<Change> changes;
    std::istringstream lines(readFile(planPath));
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t tab = line.find('\t');
        const std::string_view verb = std::string_view(line).substr(0, tab);
        if (tab == std::string::npos || (verb != kReplace && verb != kRemove))
            fail(FileErrorKind::ReadFailed, planPath);
        changes.push_back({verb == kReplace, line.substr(tab + 1)});
    }
    return changes;
}

std::vector<std::string> FileSwitch::preparedNamedBy(const std::string& planPath) {
    std::vector<std::string> prepared;
    for (const Change& change : readPlan(planPath))
        if (change.replaces) prepared.push_back(preparedPathOf(change.target));
    return prepared;
}

std::string FileSwitch::planPathFor(const std::string& mainTargetPath) {
    return mainTargetPath + std::string(kPlanSuffix);
}

std::string FileSwitch::preparedPathOf(const std::string& targetPath) {
    return targetPath + std::string(kPreparedSuffix);
}

bool FileSwitch::isPlanName(std::string_view fileName) {
    return endsWith(fileName, kPlanSuffix);
}

bool FileSwitch::isPreparedName(std::string_view fileName) {
    return endsWith(fileName, kPreparedSuffix);
}

}  // namespace nencho
