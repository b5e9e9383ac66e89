#include "platform/folder_listing.h"

#include <filesystem>
#include <system_error>

#include "platform/drive_map.h"

namespace nencho {

std::vector<std::string> fileNamesIn(const std::string& systemFolder) {
    std::vector<std::string> names;
    const auto host = DriveMap::instance().hostPath(systemFolder);
    if (!host) return names;
    std::error_code error;
    std::filesystem::directory_iterator entries(*host, error);
    if (error) return names;
    // The iterator visits each entry of the folder once and ends at its end or at an error.
    for (; entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        if (error) break;
        std::error_code typeError;
        if (entries->is_regular_file(typeError))
            names.push_back(
                reinterpret_cast<const char*>(entries->path().filename().u8string().c_str()));
    }
    return names;
}

}  // namespace nencho
