#include "platform/kept_files.h"

#include <sstream>

#include "platform/file_system.h"
#include "platform/record_error.h"

namespace nencho {

namespace {

constexpr std::string_view kCopySuffix = ".keep";
constexpr std::string_view kListSuffix = ".keep-list";
// A list line: "1" or "0" (the file existed or not), a tab, the file's system path.
constexpr char kExisted = '1';
constexpr char kAbsent = '0';

bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() > suffix.size() && text.ends_with(suffix);
}

// A step on a copy or the list, the program's own files, is told to the user by the file it
// keeps.
template <typename Step>
void onBehalfOf(const std::string& systemPath, Step step) {
    try {
        step();
    } catch (const RecordError& error) {
        throw error.naming(systemPath);
    }
}

// The list is named after the first file it keeps.
std::string firstFileOfList(const std::string& listPath) {
    if (!endsWith(listPath, kListSuffix)) return listPath;
    return listPath.substr(0, listPath.size() - kListSuffix.size());
}

}  // namespace

KeptFiles::KeptFiles(const std::vector<std::string>& systemPaths) {
    if (systemPaths.empty()) return;
    listPath_ = listPathOf(systemPaths.front());
    mark_.emplace();
    try {
        std::string list;
        for (const std::string& path : systemPaths) {
            const bool existed = fileExists(path);
            if (existed) onBehalfOf(path, [&] { copyFile(path, copyPathOf(path)); });
            files_.push_back({path, existed});
            list += existed ? kExisted : kAbsent;
            list += "\t" + path + "\n";
        }
        syncPendingFolders();  // every copy on the disk before the list names it
        onBehalfOf(systemPaths.front(), [&] { writeFile(listPath_, list); });
        syncPendingFolders();  // the list on the disk before the run changes a file
    } catch (const RecordError&) {
        try {
            removeCopies();
            mark_->remove();
        } catch (const RecordError&) {
            // A copy that cannot be removed stays beside its file; the original is untouched,
            // and with no list the next start removes it.
        }
        throw;
    }
}

void KeptFiles::restore() {
    for (const Kept& file : files_) {
        if (file.existed)
            onBehalfOf(file.path, [&] { copyFile(copyPathOf(file.path), file.path); });
        else if (fileExists(file.path))
            deleteFile(file.path);
    }
    syncPendingFolders();  // every file put back on the disk before the list goes
    discard();
}

void KeptFiles::discard() {
    if (!listPath_.empty() && fileExists(listPath_))
        onBehalfOf(files_.empty() ? listPath_ : files_.front().path,
                   [&] { deleteFile(listPath_); });
    syncPendingFolders();  // the list gone on the disk before the copies it names
    removeCopies();
    if (mark_) mark_->remove();
}

void KeptFiles::removeCopies() const {
    for (const Kept& file : files_) {
        const std::string copy = copyPathOf(file.path);
        if (file.existed && fileExists(copy)) onBehalfOf(file.path, [&] { deleteFile(copy); });
    }
}

std::string KeptFiles::copyPathOf(const std::string& systemPath) {
    return systemPath + std::string(kCopySuffix);
}

std::string KeptFiles::listPathOf(const std::string& firstSystemPath) {
    return firstSystemPath + std::string(kListSuffix);
}

bool KeptFiles::isCopyName(std::string_view fileName) {
    return endsWith(fileName, kCopySuffix);
}

bool KeptFiles::isListName(std::string_view fileName) {
    return endsWith(fileName, kListSuffix);
}

KeptFiles KeptFiles::fromList(const std::string& listPath) {
    KeptFiles kept;
    kept.listPath_ = listPath;
    std::string content;
    onBehalfOf(firstFileOfList(listPath), [&] { content = readFile(listPath); });
    std::istringstream lines(content);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.size() < 3 || line[1] != '\t' || (line[0] != kExisted && line[0] != kAbsent))
            fail(FileErrorKind::ReadFailed, firstFileOfList(listPath));
        kept.files_.push_back({line.substr(2), line[0] == kExisted});
    }
    return kept;
}

std::vector<std::string> KeptFiles::restoreLeftRun(const std::string& listPath) {
    KeptFiles kept = fromList(listPath);
    // The list is written after the copies and removed before them, so each copy it names is
    // there; one that is not was removed by hand, and nothing is put back without it.
    for (const Kept& file : kept.files_)
        if (file.existed && !fileExists(copyPathOf(file.path)))
            throw RecordError(FileErrorKind::FileNotFound,
                              file.path + " を元に戻すための控えが見つかりません。");
    kept.restore();
    std::vector<std::string> restored;
    for (const Kept& file : kept.files_) restored.push_back(file.path);
    return restored;
}

std::vector<std::string> KeptFiles::copiesNamedBy(const std::string& listPath) {
    std::vector<std::string> copies;
    for (const Kept& file : fromList(listPath).files_)
        if (file.existed) copies.push_back(copyPathOf(file.path));
    return copies;
}

}  // namespace nencho
