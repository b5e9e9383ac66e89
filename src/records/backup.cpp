#include "records/backup.h"

#include <cctype>
#include <filesystem>

#include "common/amount.h"
#include "common/failure.h"
#include "common/keys.h"
#include "common/paths.h"
#include "platform/drive_map.h"
#include "platform/file_switch.h"
#include "platform/file_system.h"
#include "platform/folder_listing.h"
#include "platform/record_error.h"
#include "records/maintenance.h"

namespace nencho {

namespace {

constexpr char kDataDrive = 'c';
// Beside a company file in the backup tree while a backup of that company runs: a backup that
// did not end leaves it, and the company's backup is then a mix of two runs.
constexpr std::string_view kUnfinishedSuffix = ".backup-unfinished";

bool isDriveEntry(const std::string& drive) {
    return drive.size() == 2 && std::isalpha(static_cast<unsigned char>(drive[0])) &&
           drive[1] == ':';
}

// Where each file of a run comes from and goes to.
struct TransferEnds {
    TransferDirection direction;
    std::string drive;
    std::string source(const std::string& path) const {
        return direction == TransferDirection::Backup ? path : backupPath(drive, path);
    }
    std::string target(const std::string& path) const {
        return direction == TransferDirection::Backup ? backupPath(drive, path) : path;
    }
};

void checkRequest(const TransferRequest& request, const TransferEnds& ends) {
    if (!isDriveEntry(request.drive)) throw Failure("ドライブ名を選択してください。");
    if (isProgramDataDrive(request.drive))
        throw Failure(request.drive + " はこのプログラムのデータがあるドライブです。");
    if (!folderExists(request.drive + "\\"))
        throw Failure("ドライブ " + request.drive + " が見つかりません。");
    if (request.taxYearCode.empty()) throw Failure("作業年度が決まっていません。");
    if (!fileExists(ends.source(companyFilePath(request.companyCode))))
        throw Failure("会社コード " + decimal(request.companyCode) + " の会社データがありません。");
}

std::string unfinishedMarkPath(const std::string& drive, std::int64_t companyCode) {
    return backupPath(drive, companyFilePath(companyCode)) + std::string(kUnfinishedSuffix);
}

// The backup tree's folder and the folders in it, by system path.
std::vector<std::string> backupFolders(const std::string& drive) {
    const std::string top = backupPath(drive, dataRootFolder());
    std::vector<std::string> folders{top};
    const auto host = DriveMap::instance().hostPath(top);
    std::error_code ec;
    if (!host || !std::filesystem::is_directory(*host, ec)) return {};
    for (const auto& entry : std::filesystem::directory_iterator(*host, ec)) {
        std::error_code ignored;
        if (entry.is_directory(ignored))
            folders.push_back(top + "\\" + entry.path().filename().string());
    }
    return folders;
}

// What earlier backups cut short left on the drive: each person switch that had been decided
// is carried out (its person whole again), then prepared files of switches that never began
// and temporary files are removed. Throws UnfinishedSwitch or RecordError.
void clearUnfinishedBackups(const std::string& drive) {
    const std::vector<std::string> folders = backupFolders(drive);
    for (const std::string& folder : folders)
        for (const std::string& name : fileNamesIn(folder, FileSwitch::isPlanName))
            FileSwitch::finish(folder + "\\" + name);
    const auto isLeftOver = [](std::string_view name) {
        return FileSwitch::isPreparedName(name) || isTemporaryFileName(name);
    };
    for (const std::string& folder : folders)
        for (const std::string& name : fileNamesIn(folder, isLeftOver))
            deleteFile(folder + "\\" + name);
}

// A company whose last backup on the drive did not end, or whose person is switched half-way
// there, is not restored: its persons would be of two runs, or one of them of both.
void refuseUnfinishedBackup(const TransferRequest& request) {
    bool unfinished = fileExists(unfinishedMarkPath(request.drive, request.companyCode));
    for (int code = kFirstPersonCode; code <= kLastPersonCode && !unfinished; ++code)
        unfinished = fileExists(FileSwitch::planPathFor(
            backupPath(request.drive, ownPersonFilePath(request.companyCode, code))));
    if (unfinished)
        throw Failure("ドライブ " + request.drive + " にある会社コード " +
                      decimal(request.companyCode) +
                      " のバックアップは途中で止まったままのため、リストアできません。\n"
                      "もう一度バックアップを実行してから、リストアしてください。");
}

void createTargetFolders(const TransferRequest& request, const TransferEnds& ends) {
    std::vector<std::string> levels{
        dataRootFolder(),
        withoutTrailingSeparator(companyFolder()),
        withoutTrailingSeparator(personFolder()),
        withoutTrailingSeparator(yearFolder(request.taxYearCode)),
    };
    for (std::string& level : levels) level = ends.target(level);
    createMissingFolders(levels);
}

bool hasEveryFile(const PersonFiles& files, const TransferEnds& ends) {
    for (const std::string& path : files.all())
        if (!fileExists(ends.source(path))) return false;
    return true;
}

// Copies one person's seven files together, the person file last. A switch of this person
// that an earlier run left unfinished is finished first.
void copyPersonFiles(const PersonFiles& files, const TransferEnds& ends) {
    const std::string targetPerson = ends.target(files.personFile);
    FileSwitch::finish(FileSwitch::planPathFor(targetPerson));
    FileSwitch change(FileSwitch::planPathFor(targetPerson));
    try {
        for (const std::string& path : files.yearFiles)
            change.replace(ends.target(path), readFile(ends.source(path)));
        change.replace(targetPerson, readFile(ends.source(files.personFile)));
        change.commit();
    } catch (const RecordError&) {
        change.abandon();
        throw;
    }
}

void runPersons(const TransferRequest& request, const TransferEnds& ends, TransferResult& result,
                const std::function<void(int)>& progress) {
    for (int code = kFirstPersonCode; code <= kLastPersonCode; ++code) {
        const PersonFiles files = personFiles(request.taxYearCode, request.companyCode, code);
        if (fileExists(ends.source(files.personFile))) {
            if (hasEveryFile(files, ends)) {
                copyPersonFiles(files, ends);
                ++result.copiedPersons;
            } else {
                result.skippedCodes.push_back(code);
            }
        }
        if (progress) progress(code * 100 / kLastPersonCode);
    }
}

}  // namespace

bool isProgramDataDrive(const std::string& drive) {
    if (!isDriveEntry(drive)) return false;
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(drive[0])));
    if (letter == kDataDrive) return true;
    const DriveMap& drives = DriveMap::instance();
    const auto folder = drives.driveFolder(letter);
    const auto dataFolder = drives.driveFolder(kDataDrive);
    if (!folder || !dataFolder) return false;
    std::error_code ec;
    return std::filesystem::equivalent(*folder, *dataFolder, ec);
}

std::string describeTransfer(const TransferResult& result) {
    std::string text = std::to_string(result.copiedPersons) + "人のデータをコピーしました。";
    if (!result.skippedCodes.empty()) {
        text += "\n年末調整を実行していないため、コピーしなかった個人コード: ";
        for (std::size_t i = 0; i < result.skippedCodes.size(); ++i)
            text += (i == 0 ? "" : ", ") + std::to_string(result.skippedCodes[i]);
    }
    return text;
}

std::string backupPath(const std::string& drive, const std::string& dataRootPath) {
    // Data-root paths all start with the drive "c:".
    return drive + dataRootPath.substr(2);
}

TransferResult transferCompany(const TransferRequest& request,
                               const std::function<void(int)>& progress) {
    const TransferEnds ends{request.direction, request.drive};
    TransferResult result;
    try {
        checkRequest(request, ends);
        const bool backup = request.direction == TransferDirection::Backup;
        if (backup)
            clearUnfinishedBackups(request.drive);
        else
            refuseUnfinishedBackup(request);
        createTargetFolders(request, ends);
        const std::string mark = unfinishedMarkPath(request.drive, request.companyCode);
        if (backup) writeFile(mark, {});
        const std::string companyFile = companyFilePath(request.companyCode);
        copyFile(ends.source(companyFile), ends.target(companyFile));
        runPersons(request, ends, result, progress);
        if (backup) deleteFile(mark);
    } catch (const UnfinishedSwitch& error) {
        throw Failure(describeTransfer(result) + "\n次の理由で中止しました。\n" + error.what() +
                      "\n途中だった個人のコピーは、もう一度実行すると最後まで行います。");
    } catch (const Failure& error) {
        throw Failure(describeTransfer(result) + "\n次の理由で中止しました。\n" + error.what());
    }
    return result;
}

}  // namespace nencho
