#include "records/maintenance.h"

#include "common/amount.h"
#include "common/paths.h"
#include "platform/file_system.h"
#include "platform/record_error.h"
#include "platform/record_file.h"
#include "records/list_entries.h"
#include "records/maintenance_undo.h"
#include "records/person_file.h"

namespace nencho {

namespace {

std::string codeText(std::int64_t code) {
    return decimal(code);
}

void deleteIfPresent(const std::string& path, DeletionReport& report) {
    if (!fileExists(path)) return;
    try {
        deleteFile(path);
        ++report.deleted;
    } catch (const RecordError& error) {
        report.failures.push_back(error.what());
    }
}

void deleteFiles(const PersonFiles& files, DeletionReport& report) {
    for (const std::string& path : files.all()) deleteIfPresent(path, report);
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += "\n" + line;
    return text;
}

}  // namespace

std::vector<std::string> PersonFiles::all() const {
    std::vector<std::string> paths{personFile};
    paths.insert(paths.end(), yearFiles.begin(), yearFiles.end());
    return paths;
}

std::string ownPersonFilePath(std::int64_t companyCode, std::int64_t personCode) {
    if (!isOwnPersonCode(personCode)) throw MaintenanceError("個人コードは 1 から 99 までです。");
    const auto key = personKey(companyCode, personCode);
    if (!key) throw MaintenanceError(describe(FileErrorKind::Overflow));
    return personFilePath(*key);
}

PersonFiles personFiles(const std::string& taxYearCode, std::int64_t companyCode,
                        std::int64_t personCode) {
    if (taxYearCode.empty()) throw MaintenanceError("作業年度が決まっていません。");
    PersonFiles files;
    files.personFile = ownPersonFilePath(companyCode, personCode);
    const std::int32_t key = *personKey(companyCode, personCode);
    for (int kind = 0; kind < kYearFileKindCount; ++kind) {
        const auto path = yearFilePath(taxYearCode, key, static_cast<YearFileKind>(kind));
        if (!path) throw MaintenanceError(describe(FileErrorKind::Overflow));
        files.yearFiles[kind] = *path;
    }
    return files;
}

std::string personNameToDelete(std::int64_t companyCode, std::int64_t personCode) {
    if (!fileExists(ownPersonFilePath(companyCode, personCode)))
        throw MaintenanceError("個人コード " + codeText(personCode) +
                               " の個人データがありません。");
    // A record too damaged to show its name can still be deleted; the question names the code.
    const auto entry = readPersonListEntry(companyCode, personCode);
    return entry ? entry->name : "個人コード " + codeText(personCode) + " の個人";
}

std::string companyNameToDelete(std::int64_t companyCode) {
    if (!fileExists(companyFilePath(companyCode)))
        throw MaintenanceError("会社コード " + codeText(companyCode) +
                               " の会社データがありません。");
    const auto entry = readCompanyListEntry(companyCode);
    return entry ? entry->name : "会社コード " + codeText(companyCode) + " の会社";
}

DeletionReport deletePerson(const std::string& taxYearCode, std::int64_t companyCode,
                            std::int64_t personCode) {
    DeletionReport report;
    deleteFiles(personFiles(taxYearCode, companyCode, personCode), report);
    return report;
}

DeletionReport deleteCompany(const std::string& taxYearCode, std::int64_t companyCode) {
    // Every path is formed before the first deletion, so a bad code deletes nothing.
    std::vector<PersonFiles> persons;
    for (int code = kFirstPersonCode; code <= kLastPersonCode; ++code)
        persons.push_back(personFiles(taxYearCode, companyCode, code));
    DeletionReport report;
    deleteIfPresent(companyFilePath(companyCode), report);
    for (const PersonFiles& files : persons) deleteFiles(files, report);
    return report;
}

bool checkPersonCopy(const PersonCopy& copy) {
    const PersonFiles from = personFiles(copy.taxYearCode, copy.companyCode, copy.fromCode);
    if (!isOwnPersonCode(copy.toCode))
        throw MaintenanceError("新しい個人コードは 1 から 99 までです。");
    if (copy.toCode == copy.fromCode)
        throw MaintenanceError("新しい個人コードが元の個人コードと同じです。");
    const PersonFiles to = personFiles(copy.taxYearCode, copy.companyCode, copy.toCode);
    if (!fileExists(from.personFile))
        throw MaintenanceError("個人コード " + codeText(copy.fromCode) +
                               " の個人データがありません。");
    PersonFile::loadFile(from.personFile);  // a damaged record is not copied
    return fileExists(to.personFile);
}

int copyPerson(const PersonCopy& copy) {
    checkPersonCopy(copy);
    const PersonFiles from = personFiles(copy.taxYearCode, copy.companyCode, copy.fromCode);
    const PersonFiles to = personFiles(copy.taxYearCode, copy.companyCode, copy.toCode);
    PersonEntry person = PersonFile::loadFile(from.personFile);
    person.personCode = static_cast<std::int32_t>(copy.toCode);
    FileChanges changes;
    int written = 0;
    try {
        for (int kind = 0; kind < kYearFileKindCount; ++kind) {
            if (fileExists(from.yearFiles[kind])) {
                changes.copy(from.yearFiles[kind], to.yearFiles[kind]);
                ++written;
            } else if (fileExists(to.yearFiles[kind])) {
                changes.remove(to.yearFiles[kind]);
            }
        }
        changes.write(to.personFile, PersonFile::record(person));
        return written + 1;
    } catch (const RecordError& error) {
        const std::vector<std::string> problems = changes.rollback();
        std::string message = error.what();
        message += problems.empty()
                       ? "\n変更したファイルは元に戻しました。"
                       : "\n元に戻せなかったファイルがあります。" + joinLines(problems);
        throw MaintenanceError(message);
    }
}

}  // namespace nencho
