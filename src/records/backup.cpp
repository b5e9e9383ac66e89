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
#include "platform/record_error.h"
#include "records/maintenance.h"

namespace nencho {

namespace {

constexpr char kDataDrive = 'c';

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
        createTargetFolders(request, ends);
        const std::string companyFile = companyFilePath(request.companyCode);
        copyFile(ends.source(companyFile), ends.target(companyFile));
        runPersons(request, ends, result, progress);
    } catch (const UnfinishedSwitch& error) {
        throw Failure(describeTransfer(result) + "\n次の理由で中止しました。\n" + error.what() +
                      "\n途中だった個人のコピーは、もう一度実行すると最後まで行います。");
    } catch (const Failure& error) {
        throw Failure(describeTransfer(result) + "\n次の理由で中止しました。\n" + error.what());
    }
    return result;
}

}  // namespace nencho
