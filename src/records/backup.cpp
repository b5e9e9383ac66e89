#include "records/backup.h"

#include <cctype>

#include "common/amount.h"
#include "common/keys.h"
#include "common/paths.h"
#include "platform/file_system.h"
#include "platform/record_error.h"
#include "records/maintenance.h"
#include "records/maintenance_undo.h"

namespace nencho {

namespace {

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
    if (!isDriveEntry(request.drive)) throw MaintenanceError("ドライブ名を選択してください。");
    if (!folderExists(request.drive + "\\"))
        throw MaintenanceError("ドライブ " + request.drive + " が見つかりません。");
    if (request.taxYearCode.empty()) throw MaintenanceError("作業年度が決まっていません。");
    if (!fileExists(ends.source(companyFilePath(request.companyCode))))
        throw MaintenanceError("会社コード " + decimal(request.companyCode) +
                               " の会社データがありません。");
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

// Copies one person's seven files, or none of them.
void copyPerson(const PersonFiles& files, const TransferEnds& ends) {
    FileChanges changes;
    try {
        for (const std::string& path : files.all())
            changes.copy(ends.source(path), ends.target(path));
    } catch (const RecordError& error) {
        std::string message = error.what();
        for (const std::string& problem : changes.rollback()) message += "\n" + problem;
        throw MaintenanceError(message);
    }
}

void runPersons(const TransferRequest& request, const TransferEnds& ends, TransferResult& result,
                const std::function<void(int)>& progress) {
    for (int code = kFirstPersonCode; code <= kLastPersonCode; ++code) {
        const PersonFiles files = personFiles(request.taxYearCode, request.companyCode, code);
        if (fileExists(ends.source(files.personFile))) {
            if (hasEveryFile(files, ends)) {
                copyPerson(files, ends);
                ++result.copiedPersons;
            } else {
                result.skippedCodes.push_back(code);
            }
        }
        if (progress) progress(code * 100 / kLastPersonCode);
    }
}

}  // namespace

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
    } catch (const std::runtime_error& error) {
        result.failure = error.what();
    }
    return result;
}

}  // namespace nencho
