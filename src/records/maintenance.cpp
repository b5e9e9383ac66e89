#include "records/maintenance.h"

#include "common/amount.h"
#include "common/failure.h"
#include "common/paths.h"
#include "platform/file_switch.h"
#include "platform/file_system.h"
#include "platform/record_error.h"
#include "platform/record_file.h"
#include "records/list_entries.h"
#include "records/person_file.h"

namespace nencho {

namespace {

// The order in which a person deletion removes the year files, and a company deletion's.
constexpr std::array<int, kYearFileKindCount> kPersonDeletionKinds{0, 1, 2, 3, 5, 4};
constexpr std::array<int, kYearFileKindCount> kCompanyDeletionKinds{0, 1, 2, 3, 4, 5};

std::string codeText(std::int64_t code) {
    return decimal(code);
}

[[noreturn]] void failDeletion(const RecordError& error) {
    throw Failure(std::string("削除できなかったファイルがあります。\n") + error.what() +
                  "\nもう一度削除すると、残りのファイルを削除します。");
}

void deleteIfPresent(const std::string& path, int& deleted) {
    if (!fileExists(path)) return;
    try {
        deleteFile(path);
        ++deleted;
    } catch (const RecordError& error) {
        failDeletion(error);
    }
}

// The year files first, the person file last: a person half deleted is still found.
void deletePersonFiles(const PersonFiles& files, const std::array<int, kYearFileKindCount>& kinds,
                       int& deleted) {
    finishUnfinishedCopy(files);
    for (int kind : kinds) deleteIfPresent(files.yearFiles[kind], deleted);
    deleteIfPresent(files.personFile, deleted);
}

// A name of blanks alone (as a record typed without a name holds) names nobody in a question.
bool isBlank(std::string_view name) {
    while (!name.empty()) {
        if (name.starts_with(" "))
            name.remove_prefix(1);
        else if (name.starts_with("\u3000"))
            name.remove_prefix(std::string_view("\u3000").size());
        else
            return false;
    }
    return true;
}

bool holdsAnything(const PersonFiles& files) {
    return fileExists(files.personFile) || !files.existingYearFiles().empty() ||
           fileExists(FileSwitch::planPathFor(files.personFile));
}

std::vector<PersonFiles> companyPersons(const std::string& taxYearCode, std::int64_t companyCode) {
    std::vector<PersonFiles> persons;
    for (int code = kFirstPersonCode; code <= kLastPersonCode; ++code)
        persons.push_back(personFiles(taxYearCode, companyCode, code));
    return persons;
}

}  // namespace

std::vector<std::string> PersonFiles::all() const {
    std::vector<std::string> paths{personFile};
    paths.insert(paths.end(), yearFiles.begin(), yearFiles.end());
    return paths;
}

std::vector<std::string> PersonFiles::existingYearFiles() const {
    std::vector<std::string> paths;
    for (const std::string& path : yearFiles)
        if (fileExists(path)) paths.push_back(path);
    return paths;
}

std::string ownPersonFilePath(std::int64_t companyCode, std::int64_t personCode) {
    if (!isOwnPersonCode(personCode)) throw Failure("個人コードは 1 から 99 までです。");
    const auto key = personKey(companyCode, personCode);
    if (!key) throw Failure(companyCodeTooLarge());
    return personFilePath(*key);
}

PersonFiles personFiles(const std::string& taxYearCode, std::int64_t companyCode,
                        std::int64_t personCode) {
    if (taxYearCode.empty()) throw Failure("作業年度が決まっていません。");
    PersonFiles files;
    files.personFile = ownPersonFilePath(companyCode, personCode);
    const std::int32_t key = *personKey(companyCode, personCode);
    for (int kind = 0; kind < kYearFileKindCount; ++kind) {
        const auto path = yearFilePath(taxYearCode, key, static_cast<YearFileKind>(kind));
        if (!path) throw Failure(companyCodeTooLarge());
        files.yearFiles[kind] = *path;
    }
    return files;
}

void finishUnfinishedCopy(const PersonFiles& files) {
    try {
        FileSwitch::finish(FileSwitch::planPathFor(files.personFile));
    } catch (const UnfinishedSwitch& error) {
        throw Failure(std::string("途中で止まった個人データのコピーを完了できませんでした。\n") +
                      error.what());
    }
}

std::string personDeletionQuestion(const std::string& taxYearCode, std::int64_t companyCode,
                                   std::int64_t personCode) {
    const PersonFiles files = personFiles(taxYearCode, companyCode, personCode);
    finishUnfinishedCopy(files);
    const std::string code = "個人コード " + codeText(personCode);
    if (!holdsAnything(files)) throw Failure(code + " の個人データがありません。");
    if (const auto entry = readPersonListEntry(companyCode, personCode);
        entry && !isBlank(entry->name))
        return entry->name + " 氏を削除しますか";
    // A record too damaged to show its name, or year files whose person file was deleted
    // before them, can still be deleted; the question names the code and what is there.
    if (fileExists(files.personFile)) return code + " の個人データを削除しますか";
    return code + " には個人の記録がありません。残っているファイルを削除しますか";
}

std::string companyDeletionQuestion(const std::string& taxYearCode, std::int64_t companyCode) {
    const std::vector<PersonFiles> persons = companyPersons(taxYearCode, companyCode);
    const std::string code = "会社コード " + codeText(companyCode);
    const bool companyFile = fileExists(companyFilePath(companyCode));
    if (!companyFile) {
        bool personsLeft = false;
        for (const PersonFiles& files : persons) personsLeft = personsLeft || holdsAnything(files);
        if (!personsLeft) throw Failure(code + " の会社データがありません。");
    }
    if (const auto entry = readCompanyListEntry(companyCode); entry && !isBlank(entry->name))
        return entry->name + " を削除しますか";
    if (companyFile) return code + " の会社データを削除しますか";
    return code + " には会社の記録がありません。残っている個人のファイルを削除しますか";
}

int deletePerson(const std::string& taxYearCode, std::int64_t companyCode,
                 std::int64_t personCode) {
    int deleted = 0;
    deletePersonFiles(personFiles(taxYearCode, companyCode, personCode), kPersonDeletionKinds,
                      deleted);
    return deleted;
}

int deleteCompany(const std::string& taxYearCode, std::int64_t companyCode) {
    // Every path is formed before the first deletion, so a bad code deletes nothing.
    const std::vector<PersonFiles> persons = companyPersons(taxYearCode, companyCode);
    int deleted = 0;
    for (const PersonFiles& files : persons)
        deletePersonFiles(files, kCompanyDeletionKinds, deleted);
    deleteIfPresent(companyFilePath(companyCode), deleted);
    return deleted;
}

int removeLeftoversBeforeRegistration(const std::string& taxYearCode, std::int64_t companyCode,
                                      std::int64_t personCode) {
    const PersonFiles files = personFiles(taxYearCode, companyCode, personCode);
    finishUnfinishedCopy(files);
    if (fileExists(files.personFile)) return 0;
    int removed = 0;
    for (int kind : kPersonDeletionKinds) {
        if (!fileExists(files.yearFiles[kind])) continue;
        try {
            deleteFile(files.yearFiles[kind]);
            ++removed;
        } catch (const RecordError& error) {
            throw Failure("個人コード " + codeText(personCode) +
                          " に残っている以前の個人のデータを削除できないため、登録できません。\n" +
                          error.what());
        }
    }
    return removed;
}

bool checkPersonCopy(const PersonCopy& copy) {
    const PersonFiles from = personFiles(copy.taxYearCode, copy.companyCode, copy.fromCode);
    if (!isOwnPersonCode(copy.toCode)) throw Failure("新しい個人コードは 1 から 99 までです。");
    if (copy.toCode == copy.fromCode) throw Failure("新しい個人コードが元の個人コードと同じです。");
    const PersonFiles to = personFiles(copy.taxYearCode, copy.companyCode, copy.toCode);
    if (!fileExists(from.personFile))
        throw Failure("個人コード " + codeText(copy.fromCode) + " の個人データがありません。");
    PersonFile::loadFile(from.personFile);  // a damaged record is not copied
    return fileExists(to.personFile);
}

int copyPerson(const PersonCopy& copy) {
    checkPersonCopy(copy);
    const PersonFiles from = personFiles(copy.taxYearCode, copy.companyCode, copy.fromCode);
    const PersonFiles to = personFiles(copy.taxYearCode, copy.companyCode, copy.toCode);
    finishUnfinishedCopy(from);
    finishUnfinishedCopy(to);
    PersonEntry person = PersonFile::loadFile(from.personFile);
    person.personCode = static_cast<std::int32_t>(copy.toCode);
    FileSwitch change(FileSwitch::planPathFor(to.personFile));
    int written = 0;
    try {
        for (int kind = 0; kind < kYearFileKindCount; ++kind) {
            if (fileExists(from.yearFiles[kind])) {
                change.replace(to.yearFiles[kind], readFile(from.yearFiles[kind]));
                ++written;
            } else if (fileExists(to.yearFiles[kind])) {
                change.remove(to.yearFiles[kind]);
            }
        }
        // The person file is switched in last.
        change.replace(to.personFile, PersonFile::record(person).bytes());
        change.commit();
    } catch (const UnfinishedSwitch& error) {
        throw Failure(std::string(error.what()) + "\n個人コード " + codeText(copy.toCode) +
                      " へのコピーは途中で止まっています。もう一度実行するか、" +
                      "プログラムを起動し直すと、最後まで行います。");
    } catch (const RecordError& error) {
        change.abandon();
        throw Failure(std::string(error.what()) + "\n個人コード " + codeText(copy.toCode) +
                      " のデータは何も変わっていません。");
    }
    return written + 1;
}

}  // namespace nencho
