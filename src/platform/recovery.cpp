#include "platform/recovery.h"

#include <algorithm>
#include <set>

#include "common/paths.h"
#include "platform/drive_map.h"
#include "platform/file_switch.h"
#include "platform/file_system.h"
#include "platform/folder_listing.h"
#include "platform/kept_files.h"
#include "platform/record_error.h"
#include "platform/run_lock.h"
#include "platform/work_marks.h"

namespace nencho {

namespace fs = std::filesystem;

namespace {

struct FoundFile {
    std::string systemPath;
    std::string name;
};

bool isLeftByUnfinishedWork(std::string_view name) {
    return FileSwitch::isPlanName(name) || FileSwitch::isPreparedName(name) ||
           KeptFiles::isListName(name) || KeptFiles::isCopyName(name) || isTemporaryFileName(name);
}

// The files left by unfinished work in the data root, and in its folders too when asked, by system
// path: not a list of a run that lives, and of temporary files only those older than the run,
// the rest whatever their times. Only names are read for the many record files; details only
// for the few left.
std::vector<FoundFile> filesBefore(fs::file_time_type runStart, bool inFolders) {
    std::vector<FoundFile> found;
    const auto root = DriveMap::instance().hostPath(dataRootFolder());
    std::error_code ec;
    if (!root || !fs::is_directory(*root, ec)) return found;
    auto scan = [&](const std::string& systemFolder) {
        for (const std::string& name : fileNamesIn(systemFolder, isLeftByUnfinishedWork)) {
            const std::string systemPath = systemFolder + "\\" + name;
            if (KeptFiles::isListName(name) && runOfWorkFileLives(name)) continue;
            if (isTemporaryFileName(name)) {
                std::error_code ignored;
                const auto host = DriveMap::instance().hostPath(systemPath);
                if (!host || fs::last_write_time(*host, ignored) >= runStart || ignored) continue;
            }
            found.push_back({systemPath, name});
        }
    };
    scan(dataRootFolder());
    if (!inFolders) return found;
    for (const fs::directory_entry& entry : fs::directory_iterator(*root, ec)) {
        std::error_code ignored;
        if (entry.is_directory(ignored))
            scan(dataRootFolder() + "\\" + entry.path().filename().string());
    }
    return found;
}

// A working file of the program's own is told of by the folder it lies in.
std::string folderOf(const std::string& systemPath) {
    const std::size_t cut = systemPath.rfind('\\');
    return cut == std::string::npos ? systemPath : systemPath.substr(0, cut);
}

void removeFile(const std::string& systemPath, int& count, RecoveryReport& report) {
    try {
        deleteFile(systemPath);
        ++count;
    } catch (const RecordError& error) {
        report.problems.push_back(error.naming(folderOf(systemPath)).what());
    }
}

// The marks of ended runs' multi-file work, in the data root: a handful of names to read.
std::vector<std::string> marksOfEndedRuns() {
    std::vector<std::string> marks;
    for (const std::string& name : fileNamesIn(dataRootFolder(), WorkMark::isMarkName))
        if (!runOfWorkFileLives(name)) marks.push_back(dataRootFolder() + "\\" + name);
    return marks;
}

// A list that does not prove itself whole changes no record: it is set aside for a look, and
// the user is told which records may be part old, part new.
void setAside(const std::string& listPath, const UnprovenList& list, RecoveryReport& report) {
    std::string problem = std::string(list.what()) + "\n";
    if (list.files().empty()) {
        problem +=
            "どの記録の控えかも読み取れないため、何も戻していません。最後に保存した人の"
            "記録を開いて、内容を確かめてください。";
    } else {
        problem +=
            "何も戻していません。次の記録は一部が古く一部が新しいままかもしれないため、"
            "開いて内容を確かめてください。";
        for (const std::string& file : list.files()) problem += "\n　" + file;
    }
    try {
        KeptFiles::setAside(listPath);
    } catch (const RecordError& error) {
        problem += "\nこの控えを片付けることもできませんでした。\n" + std::string(error.what());
    }
    report.problems.push_back(problem);
}

// Puts back the files of a list an ended run left. Where they cannot be, the copies the list
// names (lists of an earlier version name copies) are still needed, and are added to those.
void putBackLeftRun(const std::string& listPath, RecoveryReport& report,
                    std::set<std::string>& stillNeeded) {
    const auto keepCopies = [&] {
        for (const std::string& path : KeptFiles::copiesNamedBy(listPath)) stillNeeded.insert(path);
    };
    try {
        const std::vector<std::string> restored = KeptFiles::restoreLeftRun(listPath);
        report.restoredFiles.insert(report.restoredFiles.end(), restored.begin(), restored.end());
    } catch (const UnprovenList& list) {
        keepCopies();
        setAside(listPath, list, report);
    } catch (const RecordError& error) {
        keepCopies();
        report.problems.push_back(error.what());
    }
}

// The lists in the data root of runs that have ended, while another copy runs.
RecoveryReport& recoverListsOnly(RecoveryReport& report) {
    std::set<std::string> copiesKept;  // nothing but lists is cleared away here
    for (const std::string& name : fileNamesIn(dataRootFolder(), KeptFiles::isListName))
        if (!runOfWorkFileLives(name))
            putBackLeftRun(dataRootFolder() + "\\" + name, report, copiesKept);
    return report;
}

}  // namespace

bool RecoveryReport::empty() const {
    return finishedChanges == 0 && removedPreparations == 0 && restoredFiles.empty() &&
           removedTemporaryFiles == 0 && problems.empty();
}

RecoveryReport recoverUnfinishedWork(fs::file_time_type runStart) {
    RecoveryReport report;
    if (!folderExists(dataRootFolder())) return report;
    // The work of a copy of the program that still runs is its own: while one runs, only the
    // lists of runs that have ended are put back, and nothing else is touched.
    try {
        holdThisRun();
    } catch (const RecordError&) {
        // Without a lock of its own this run writes no work file, and a start after it loses
        // nothing.
    }
    if (anotherRunLives()) return recoverListsOnly(report);
    // With no mark left (a keep list in the data root is a mark too) no work of several files
    // was cut short, and the folders of records need no look: a save's own temporary file is
    // removed when its folder is next written.
    const std::vector<std::string> marks = marksOfEndedRuns();
    std::vector<FoundFile> files = filesBefore(runStart, !marks.empty());
    if (marks.empty() && std::any_of(files.begin(), files.end(), [](const FoundFile& file) {
            return KeptFiles::isListName(file.name);
        }))
        files = filesBefore(runStart, true);
    std::set<std::string> stillNeeded;  // prepared files and copies of what could not be done

    for (const FoundFile& file : files) {
        if (!FileSwitch::isPlanName(file.name)) continue;
        try {
            if (FileSwitch::finish(file.systemPath)) ++report.finishedChanges;
        } catch (const Failure& error) {
            report.problems.push_back(error.what());
            try {
                for (const std::string& path : FileSwitch::preparedNamedBy(file.systemPath))
                    stillNeeded.insert(path);
            } catch (const RecordError&) {
            }
        }
    }
    for (const FoundFile& file : files) {
        if (KeptFiles::isListName(file.name)) putBackLeftRun(file.systemPath, report, stillNeeded);
    }
    for (const FoundFile& file : files) {
        if (stillNeeded.count(file.systemPath) || !fileExists(file.systemPath)) continue;
        if (FileSwitch::isPreparedName(file.name))
            removeFile(file.systemPath, report.removedPreparations, report);
        else if (KeptFiles::isCopyName(file.name) || isTemporaryFileName(file.name))
            removeFile(file.systemPath, report.removedTemporaryFiles, report);
    }
    removeLocksOfEndedRuns();
    // Marks stay for the next start while anything could not be put right.
    if (report.problems.empty()) {
        for (const std::string& mark : marks) {
            try {
                deleteFile(mark);
            } catch (const RecordError& error) {
                report.problems.push_back(error.naming(folderOf(mark)).what());
            }
        }
    }
    return report;
}

std::string recoveryMessage(const RecoveryReport& report) {
    std::string text = "前回は作業の途中でプログラムが終わっていたため、次のとおり片付けました。";
    if (report.finishedChanges > 0)
        text += "\n・途中だったデータの書き換え " + std::to_string(report.finishedChanges) +
                " 件を最後まで行いました。";
    if (report.removedPreparations > 0)
        text += "\n・始まる前に止まったデータの書き換えの準備（" +
                std::to_string(report.removedPreparations) + " 個のファイル）を取り消しました。";
    if (!report.restoredFiles.empty()) {
        text += "\n・途中で止まった処理の前の状態に、次のファイルを戻しました。";
        for (const std::string& path : report.restoredFiles) text += "\n　" + path;
    }
    if (report.removedTemporaryFiles > 0)
        text += "\n・作業用の一時ファイル " + std::to_string(report.removedTemporaryFiles) +
                " 個を削除しました。";
    if (!report.problems.empty()) {
        text += "\n・次のものは片付けられませんでした。";
        for (const std::string& problem : report.problems) text += "\n" + problem;
    }
    return text;
}

}  // namespace nencho
