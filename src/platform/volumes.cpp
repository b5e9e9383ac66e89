#include "platform/volumes.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "common/failure.h"
#include "platform/drive_map.h"

namespace nencho {

namespace fs = std::filesystem;

namespace {

std::vector<fs::path>& rootsSlot() {
    static std::vector<fs::path> roots;
    return roots;
}

constexpr char kFirstVolumeLetter = 'd';
constexpr char kLastVolumeLetter = 'z';

}  // namespace

std::vector<fs::path> standardVolumeRoots(const std::string& userName) {
    std::vector<fs::path> roots;
    if (!userName.empty()) {
        roots.push_back(fs::path("/media") / userName);
        roots.push_back(fs::path("/run/media") / userName);
    }
    roots.push_back("/mnt");
    return roots;
}

std::string currentUserName() {
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_name)
        return entry->pw_name;
    const char* user = std::getenv("USER");
    return user ? user : "";
}

std::vector<fs::path> mountedVolumes(const std::vector<fs::path>& roots) {
    std::vector<fs::path> volumes;
    for (const fs::path& root : roots) {
        std::error_code ec;
        if (!fs::exists(root, ec) && !ec) continue;
        fs::directory_iterator it(root, ec);
        for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
            std::error_code entryError;
            if (it->is_directory(entryError)) volumes.push_back(it->path());
        }
        if (ec)
            throw Failure("ドライブの一覧を作れませんでした。" + root.string() + " を読めません。");
    }
    std::sort(volumes.begin(), volumes.end());
    volumes.erase(std::unique(volumes.begin(), volumes.end()), volumes.end());
    return volumes;
}

std::vector<std::string> mapVolumeDrives(DriveMap& map, const std::vector<fs::path>& volumes) {
    std::vector<std::string> entries{"c:"};
    char letter = kFirstVolumeLetter;
    for (const fs::path& volume : volumes) {
        if (letter > kLastVolumeLetter) break;
        map.setDrive(letter, volume);
        entries.push_back(std::string(1, letter) + ":");
        ++letter;
    }
    return entries;
}

void setVolumeRoots(std::vector<fs::path> roots) {
    rootsSlot() = std::move(roots);
}

const std::vector<fs::path>& volumeRoots() {
    return rootsSlot();
}

}  // namespace nencho
