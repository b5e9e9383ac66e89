#include "platform/kept_files.h"

#include <algorithm>
#include <cctype>

#include "common/paths.h"
#include "platform/file_system.h"
#include "platform/record_error.h"
#include "platform/work_marks.h"

namespace nencho {

namespace {

constexpr std::string_view kCopySuffix = ".keep";
constexpr std::string_view kListSuffix = ".keep-list";
// A list entry: "0", a tab and the system path of a file that was not there; or "1", a tab, the
// number of bytes, a tab, the system path, a line end, the bytes and a line end. Lists of
// earlier versions hold "1", a tab and the path of a file whose copy lies beside it.
constexpr char kExisted = '1';
constexpr char kAbsent = '0';

bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() > suffix.size() && text.ends_with(suffix);
}

bool isCount(std::string_view text) {
    return !text.empty() && text.size() <= 9 && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
    });
}

std::string listPathFor(const std::string& firstSystemPath) {
    return newWorkFilePath(kListSuffix).value_or(firstSystemPath + std::string(kListSuffix));
}

// A step on a copy or the list, the program's own files, is told to the user by what it serves.
template <typename Step>
void onBehalfOf(const std::string& systemPath, Step step) {
    try {
        step();
    } catch (const RecordError& error) {
        throw error.naming(systemPath);
    }
}

// What a list is told by: the data folder, where a list lies as its run's mark, or the first file
// it keeps, beside which a list of an earlier version lies under that file's name.
std::string shownFor(const std::string& listPath) {
    const std::string root = dataRootFolder() + "\\";
    if (listPath.starts_with(root) && listPath.find('\\', root.size()) == std::string::npos)
        return dataRootFolder();
    if (!endsWith(listPath, kListSuffix)) return listPath;
    return listPath.substr(0, listPath.size() - kListSuffix.size());
}

}  // namespace

KeptFiles::KeptFiles(const std::vector<std::string>& systemPaths) {
    if (systemPaths.empty()) return;
    listPath_ = listPathFor(systemPaths.front());
    keep(systemPaths);
}

void KeptFiles::keepAlso(const std::vector<std::string>& systemPaths) {
    if (std::all_of(systemPaths.begin(), systemPaths.end(),
                    [this](const std::string& path) { return isKept(path); }))
        return;
    if (listPath_.empty()) listPath_ = listPathFor(systemPaths.front());
    const std::size_t keptBefore = files_.size();
    try {
        keep(systemPaths);
    } catch (const RecordError&) {
        files_.resize(keptBefore);  // the list on the disk names these, which is all it needs to
        throw;
    }
}

bool KeptFiles::isKept(const std::string& systemPath) const {
    return std::any_of(files_.begin(), files_.end(),
                       [&](const Kept& file) { return file.path == systemPath; });
}

// Reads each file not kept yet, then writes the list of every file kept, with their bytes.
void KeptFiles::keep(const std::vector<std::string>& systemPaths) {
    for (const std::string& path : systemPaths) {
        if (isKept(path)) continue;
        const bool existed = fileExists(path);
        files_.push_back({path, existed, existed ? readFile(path) : std::string()});
    }
    std::string list;
    for (const Kept& file : files_) {
        if (!file.existed) {
            list.append(1, kAbsent).append("\t").append(file.path) += "\n";
            continue;
        }
        list.append(1, kExisted).append("\t").append(std::to_string(file.bytes->size()));
        list.append("\t").append(file.path).append("\n").append(*file.bytes) += "\n";
    }
    onBehalfOf(shownFor(listPath_), [&] { writeFile(listPath_, list); });
    syncPendingFolders();  // the list on the disk before the run changes a file
}

void KeptFiles::restore() {
    for (const Kept& file : files_) {
        if (file.existed && file.bytes)
            writeFile(file.path, *file.bytes);
        else if (file.existed)
            onBehalfOf(file.path, [&] { copyFile(copyPathOf(file.path), file.path); });
        else if (fileExists(file.path))
            deleteFile(file.path);
    }
    syncPendingFolders();  // every file put back on the disk before the list goes
    discard();
}

void KeptFiles::discard() {
    syncPendingFolders();  // every change of the run on the disk before its list goes
    if (!listPath_.empty() && fileExists(listPath_))
        onBehalfOf(shownFor(listPath_), [&] { deleteFile(listPath_); });
    if (std::none_of(files_.begin(), files_.end(), [](const Kept& file) { return !file.bytes; }))
        return;
    syncPendingFolders();  // the list gone on the disk before the copies it names
    removeCopies();
}

void KeptFiles::removeCopies() const {
    for (const Kept& file : files_) {
        const std::string copy = copyPathOf(file.path);
        if (file.existed && !file.bytes && fileExists(copy))
            onBehalfOf(file.path, [&] { deleteFile(copy); });
    }
}

std::string KeptFiles::copyPathOf(const std::string& systemPath) {
    return systemPath + std::string(kCopySuffix);
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
    const std::string shown = shownFor(listPath);
    std::string list;
    onBehalfOf(shown, [&] { list = readFile(listPath); });
    std::size_t at = 0;
    // Each entry takes at least one line, so the entries end with the list.
    while (at < list.size()) {
        const std::size_t end = list.find('\n', at);
        if (end == std::string::npos) fail(FileErrorKind::ReadFailed, shown);
        const std::string_view line = std::string_view(list).substr(at, end - at);
        at = end + 1;
        if (line.size() < 3 || line[1] != '\t' || (line[0] != kExisted && line[0] != kAbsent))
            fail(FileErrorKind::ReadFailed, shown);
        const std::string_view rest = line.substr(2);
        const std::size_t tab = rest.find('\t');
        if (line[0] == kAbsent || tab == std::string_view::npos || !isCount(rest.substr(0, tab))) {
            kept.files_.push_back({std::string(rest), line[0] == kExisted, std::nullopt});
            if (line[0] == kAbsent) kept.files_.back().bytes = std::string();
            continue;
        }
        const std::size_t size = std::stoul(std::string(rest.substr(0, tab)));
        if (size > list.size() - at || list.size() - at - size < 1 || list[at + size] != '\n')
            fail(FileErrorKind::ReadFailed, shown);
        kept.files_.push_back({std::string(rest.substr(tab + 1)), true, list.substr(at, size)});
        at += size + 1;
    }
    return kept;
}

std::vector<std::string> KeptFiles::restoreLeftRun(const std::string& listPath) {
    KeptFiles kept = fromList(listPath);
    // A list of an earlier version is written after its copies and removed before them, so each
    // copy it names is there; one that is not was removed by hand, and nothing is put back
    // without it.
    for (const Kept& file : kept.files_)
        if (file.existed && !file.bytes && !fileExists(copyPathOf(file.path)))
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
        if (file.existed && !file.bytes) copies.push_back(copyPathOf(file.path));
    return copies;
}

}  // namespace nencho
