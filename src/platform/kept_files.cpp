#include "platform/kept_files.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "common/paths.h"
#include "platform/drive_map.h"
#include "platform/file_system.h"
#include "platform/record_error.h"
#include "platform/work_marks.h"

namespace nencho {

namespace {

constexpr std::string_view kListSuffix = ".keep-list";
constexpr std::string_view kSetAsideSuffix = ".set-aside";
// A list entry: "0", a tab and the system path of a file that was not there; or "1", a tab, the
// number of bytes, a tab, the system path, a line end, the bytes and a line end. The list ends
// in "E", a tab, the number of entries, a tab and the check of every byte before that line
// (sixteen hexadecimal digits) and a line end; a list without it is not whole.
constexpr char kExisted = '1';
constexpr char kAbsent = '0';
constexpr std::string_view kEndMark = "E\t";

const char* const kNotWhole = "作業の控えが途中で切れているか、書き換わっています。";
const char* const kUnreadable = "作業の控えを読み込めませんでした。";
const char* const kOutside = "作業の控えが、データのフォルダーの外のファイルを指しています。";

bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() > suffix.size() && text.ends_with(suffix);
}

bool isCount(std::string_view text) {
    return !text.empty() && text.size() <= 9 && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
    });
}

// FNV-1a over the bytes, as sixteen hexadecimal digits: a changed byte, a cut or a doubled part
// of the list shows.
std::string checkOf(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::string endMarkOf(std::string_view entries, std::size_t count) {
    return std::string(kEndMark) + std::to_string(count) + "\t" + checkOf(entries) + "\n";
}

std::string listPathFor(const std::string& firstSystemPath) {
    return newWorkFilePath(kListSuffix).value_or(firstSystemPath + std::string(kListSuffix));
}

// A step on the list, the program's own file, is told to the user by what it serves.
template <typename Step>
void onBehalfOf(const std::string& systemPath, Step step) {
    try {
        step();
    } catch (const RecordError& error) {
        throw error.naming(systemPath);
    }
}

// What a list is told by: the data folder, where a list lies as its run's mark, or the first file
// it keeps, beside which a list lies under that file's name where there is no data root.
std::string shownFor(const std::string& listPath) {
    const std::string root = dataRootFolder() + "\\";
    if (listPath.starts_with(root) && listPath.find('\\', root.size()) == std::string::npos)
        return dataRootFolder();
    if (!endsWith(listPath, kListSuffix)) return listPath;
    return listPath.substr(0, listPath.size() - kListSuffix.size());
}

// A file a list may put back: below the data folder, by no "." or ".." step and through no
// symbolic link, so that a list written by anything else cannot reach another file.
bool staysInDataFolder(const std::string& systemPath) {
    const std::string root = dataRootFolder() + "\\";
    const auto host = DriveMap::instance().hostPath(dataRootFolder());
    if (!host || !systemPath.starts_with(root) || systemPath.size() == root.size()) return false;
    std::filesystem::path at = *host;
    std::string_view rest = std::string_view(systemPath).substr(root.size());
    // Each step takes at least one character of the path, so the steps end with it.
    while (!rest.empty()) {
        const std::size_t cut = std::min(rest.find('\\'), rest.size());
        const std::string_view step = rest.substr(0, cut);
        if (step.empty() || step == "." || step == ".." || step.find('/') != std::string_view::npos)
            return false;
        rest = cut == rest.size() ? std::string_view() : rest.substr(cut + 1);
        at /= std::string(step);
        std::error_code ec;
        const auto status = std::filesystem::symlink_status(at, ec);
        if (std::filesystem::is_symlink(status)) return false;
        if (!rest.empty() && std::filesystem::exists(status) &&
            !std::filesystem::is_directory(status))
            return false;
    }
    return true;
}

std::vector<std::string> pathsOf(const auto& entries) {
    std::vector<std::string> paths;
    for (const auto& entry : entries) paths.push_back(entry.path);
    return paths;
}

// The folders from the drive down to the file's own, which the file is written into.
std::vector<std::string> foldersDownTo(const std::string& systemPath) {
    std::vector<std::string> levels;
    // Each turn moves past one separator, so the turns end with the path.
    for (std::size_t cut = systemPath.find('\\', 3); cut != std::string::npos;
         cut = systemPath.find('\\', cut + 1))
        levels.push_back(systemPath.substr(0, cut));
    return levels;
}

}  // namespace

KeptFiles::KeptFiles(const std::vector<std::string>& systemPaths) {
    keep(systemPaths);
}

void KeptFiles::keep(const std::vector<std::string>& systemPaths) {
    if (std::all_of(systemPaths.begin(), systemPaths.end(),
                    [this](const std::string& path) { return isKept(path); }))
        return;
    if (listPath_.empty()) listPath_ = listPathFor(systemPaths.front());
    const std::size_t keptBefore = files_.size();
    try {
        for (const std::string& path : systemPaths) {
            if (isKept(path)) continue;
            const bool existed = fileExists(path);
            files_.push_back({path, existed, existed ? readFile(path) : std::string()});
        }
        onBehalfOf(shownFor(listPath_), [&] { writeFile(listPath_, listText()); });
    } catch (const RecordError&) {
        files_.resize(keptBefore);  // the list on the disk names these, which is all it needs to
        throw;
    }
    syncPendingFolders();  // the list on the disk before the run changes a file
}

std::string KeptFiles::listText() const {
    std::string list;
    for (const Kept& file : files_) {
        if (!file.existed) {
            list.append(1, kAbsent).append("\t").append(file.path) += "\n";
            continue;
        }
        list.append(1, kExisted).append("\t").append(std::to_string(file.bytes.size()));
        list.append("\t").append(file.path).append("\n").append(file.bytes) += "\n";
    }
    return list + endMarkOf(list, files_.size());
}

bool KeptFiles::isKept(const std::string& systemPath) const {
    return std::any_of(files_.begin(), files_.end(),
                       [&](const Kept& file) { return file.path == systemPath; });
}

std::vector<std::string> KeptFiles::files() const {
    return pathsOf(files_);
}

bool KeptFiles::listStands() const {
    return !listPath_.empty() && fileExists(listPath_);
}

void KeptFiles::restore() {
    putFilesBack();
    discard();
}

std::vector<std::string> KeptFiles::putFilesBack() {
    std::vector<std::string> changed;
    if (files_.empty()) return changed;
    if (!listStands()) {
        onBehalfOf(shownFor(listPath_), [&] { writeFile(listPath_, listText()); });
        syncPendingFolders();  // the list on the disk again before a file changes
    }
    for (const Kept& file : files_) {
        if (file.existed) {
            const std::vector<std::string> folders = foldersDownTo(file.path);
            if (!folders.empty() && !folderExists(folders.back())) createMissingFolders(folders);
            writeFile(file.path, file.bytes);
        } else if (fileExists(file.path)) {
            deleteFile(file.path);
        } else {
            continue;
        }
        changed.push_back(file.path);
    }
    syncPendingFolders();  // every file put back on the disk before the list goes
    return changed;
}

void KeptFiles::discard() {
    syncPendingFolders();  // every change of the run on the disk before its list goes
    if (!listStands()) return;
    onBehalfOf(shownFor(listPath_), [&] { deleteFile(listPath_); });
    syncPendingFolders();  // and the list gone from the disk before the work is told as done
}

bool KeptFiles::isListName(std::string_view fileName) {
    return endsWith(fileName, kListSuffix);
}

std::vector<KeptFiles::Kept> KeptFiles::entriesOf(std::string_view list, bool& whole) {
    whole = false;
    std::vector<Kept> files;
    std::size_t at = 0;
    // Each entry takes at least one line, so the entries end with the list.
    while (at < list.size()) {
        const std::size_t end = list.find('\n', at);
        if (end == std::string_view::npos) return files;
        const std::string_view line = list.substr(at, end - at);
        if (line.starts_with(kEndMark)) {
            whole = end + 1 == list.size() &&
                    std::string(line) + "\n" == endMarkOf(list.substr(0, at), files.size());
            return files;
        }
        at = end + 1;
        if (line.size() < 3 || line[1] != '\t' || (line[0] != kExisted && line[0] != kAbsent))
            return files;
        const std::string_view rest = line.substr(2);
        if (line[0] == kAbsent) {
            files.push_back({std::string(rest), false, std::string()});
            continue;
        }
        const std::size_t tab = rest.find('\t');
        if (tab == std::string_view::npos || !isCount(rest.substr(0, tab))) return files;
        const std::size_t size = std::stoul(std::string(rest.substr(0, tab)));
        if (size > list.size() - at || list.size() - at - size < 1 || list[at + size] != '\n')
            return files;
        files.push_back(
            {std::string(rest.substr(tab + 1)), true, std::string(list.substr(at, size))});
        at += size + 1;
    }
    return files;
}

KeptFiles KeptFiles::leftBy(const std::string& listPath) {
    std::string list;
    try {
        list = readFile(listPath);
    } catch (const RecordError&) {
        throw UnprovenList(kUnreadable, {});
    }
    bool whole = false;
    KeptFiles kept;
    kept.listPath_ = listPath;
    kept.files_ = entriesOf(list, whole);
    if (!whole) throw UnprovenList(kNotWhole, pathsOf(kept.files_));
    for (const Kept& file : kept.files_)
        if (!staysInDataFolder(file.path)) throw UnprovenList(kOutside, pathsOf(kept.files_));
    return kept;
}

void KeptFiles::setAside(const std::string& listPath) {
    onBehalfOf(shownFor(listPath),
               [&] { moveFile(listPath, listPath + std::string(kSetAsideSuffix)); });
}

}  // namespace nencho
