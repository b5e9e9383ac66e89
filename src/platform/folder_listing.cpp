#include "platform/folder_listing.h"

#include <dirent.h>
#include <sys/stat.h>

#include <filesystem>
#include <memory>

#include "platform/drive_map.h"

namespace nencho {

namespace {

bool isRegularFile(const std::filesystem::path& folder, const char* name) {
    struct stat details {};
    return ::lstat((folder / name).c_str(), &details) == 0 && S_ISREG(details.st_mode);
}

}  // namespace

std::vector<std::string> fileNamesIn(const std::string& systemFolder,
                                     const std::function<bool(std::string_view)>& keep) {
    std::vector<std::string> names;
    const auto host = DriveMap::instance().hostPath(systemFolder);
    if (!host) return names;
    // Read with the system's own calls: a year folder holds a file per person and record, tens
    // of thousands at the most, and the standard library's iterator costs ten times as much.
    std::unique_ptr<DIR, int (*)(DIR*)> folder(::opendir(host->c_str()), &::closedir);
    if (!folder) return names;
    // Each entry of the folder is read once; the loop ends at the folder's end or an error.
    while (const dirent* entry = ::readdir(folder.get())) {
        if (keep && !keep(entry->d_name)) continue;
        const bool regular = entry->d_type == DT_REG ||
                             (entry->d_type == DT_UNKNOWN && isRegularFile(*host, entry->d_name));
        if (regular) names.emplace_back(entry->d_name);
    }
    return names;
}

}  // namespace nencho
