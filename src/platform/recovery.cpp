#include "platform/recovery.h"

#include <algorithm>
#include <optional>
#include <set>

#include "common/paths.h"
#include "platform/drive_map.h"
#include "platform/file_switch.h"
#include "platform/file_system.h"
#include "platform/folder_listing.h"
#include "platform/kept_files.h"
#include "platform/piece_of_work.h"
#include "platform/record_error.h"
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
           KeptFiles::isListName(name) || isTemporaryFileName(name);
}

// The files left by unfinished work in the data root, and in its folders too when asked, by system
// path: of temporary files only those older than the run, the rest whatever their times. Only
// names are read for the many record files; details only for the few left. A link is followed
// nowhere: neither a folder nor a file reached through one is the program's.
std::vector<FoundFile> filesBefore(fs::file_time_type runStart, bool inFolders) {
    std::vector<FoundFile> found;
    const auto root = DriveMap::instance().hostPath(dataRootFolder());
    std::error_code ec;
    if (!root || !fs::is_directory(fs::symlink_status(*root, ec))) return found;
    auto scan = [&](const std::string& systemFolder) {
        for (const std::string& name : fileNamesIn(systemFolder, isLeftByUnfinishedWork)) {
            const std::string systemPath = systemFolder + "\\" + name;
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
        if (fs::is_directory(entry.symlink_status(ignored)))
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

// The marks of earlier runs' multi-file work, in the data root: a handful of names to read.
std::vector<std::string> marksLeft() {
    std::vector<std::string> marks;
    for (const std::string& name : fileNamesIn(dataRootFolder(), WorkMark::isMarkName))
        marks.push_back(dataRootFolder() + "\\" + name);
    return marks;
}

std::string listed(const std::vector<std::string>& files) {
    std::string text;
    for (const std::string& file : files) text += "\n　" + file;
    return text;
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
            "開いて内容を確かめてください。" +
            listed(list.files());
    }
    try {
        KeptFiles::setAside(listPath);
    } catch (const RecordError& error) {
        problem += "\nこの控えを片付けることもできませんでした。\n" + std::string(error.what());
    }
    report.problems.push_back(problem);
}

// Puts back the files of a list a run left, and removes the list. A list that cannot be settled
// stays in this run's hands, so that a save of one of its records in this run is never undone by
// the next start.
void putBackLeftRun(const std::string& listPath, RecoveryReport& report) {
    std::optional<KeptFiles> kept;
    try {
        kept.emplace(KeptFiles::leftBy(listPath));
    } catch (const UnprovenList& list) {
        setAside(listPath, list, report);
        return;
    }
    try {
        const std::vector<std::string> restored = kept->putFilesBack();
        report.restoredFiles.insert(report.restoredFiles.end(), restored.begin(), restored.end());
    } catch (const RecordError& error) {
        report.problems.push_back(
            std::string(error.what()) +
            "\n次の記録は、一部が古く一部が新しいままかもしれません。これらの記録を次に変える"
            "とき、または次に起動したときに、止まった処理の前の状態に戻します。" +
            listed(kept->files()));
        PieceOfWork::holdUntilSettled(std::move(*kept));
        return;
    }
    try {
        kept->discard();
    } catch (const RecordError& error) {
        report.problems.push_back(
            std::string(error.what()) +
            "\n記録はすべて止まった処理の前の状態に戻っています。作業の控えは、これらの記録を"
            "次に変えるとき、または次に起動したときに片付けます。");
        PieceOfWork::holdUntilSettled(std::move(*kept));
    }
}

}  // namespace

bool RecoveryReport::empty() const {
    return finishedChanges == 0 && removedPreparations == 0 && restoredFiles.empty() &&
           removedTemporaryFiles == 0 && problems.empty();
}

RecoveryReport recoverUnfinishedWork(fs::file_time_type runStart) {
    RecoveryReport report;
    if (!folderExists(dataRootFolder())) return report;
    // With no mark left (a keep list in the data root is a mark too) no work of several files
    // was cut short, and the folders of records need no look: a save's own temporary file is
    // removed when its folder is next written.
    const std::vector<std::string> marks = marksLeft();
    std::vector<FoundFile> files = filesBefore(runStart, !marks.empty());
    if (marks.empty() && std::any_of(files.begin(), files.end(), [](const FoundFile& file) {
            return KeptFiles::isListName(file.name);
        }))
        files = filesBefore(runStart, true);
    std::set<std::string> stillNeeded;  // prepared files of changes that could not be finished

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
        if (KeptFiles::isListName(file.name)) putBackLeftRun(file.systemPath, report);
    }
    for (const FoundFile& file : files) {
        if (stillNeeded.count(file.systemPath) || !fileExists(file.systemPath)) continue;
        if (FileSwitch::isPreparedName(file.name))
            removeFile(file.systemPath, report.removedPreparations, report);
        else if (isTemporaryFileName(file.name))
            removeFile(file.systemPath, report.removedTemporaryFiles, report);
    }
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
