#include "platform/drive_map.h"

#include <cctype>

#include "platform/record_error.h"

namespace nencho {

DriveMap& DriveMap::instance() {
    static DriveMap map;
    return map;
}

void DriveMap::setDrive(char letter, const std::filesystem::path& hostFolder) {
    drives_[static_cast<char>(std::tolower(static_cast<unsigned char>(letter)))] = hostFolder;
}

void DriveMap::clear() {
    drives_.clear();
}

std::vector<char> DriveMap::letters() const {
    std::vector<char> result;
    for (const auto& [letter, folder] : drives_) result.push_back(letter);
    return result;
}

std::optional<std::filesystem::path> DriveMap::driveFolder(char letter) const {
    const auto it =
        drives_.find(static_cast<char>(std::tolower(static_cast<unsigned char>(letter))));
    if (it == drives_.end()) return std::nullopt;
    return it->second;
}

std::optional<std::filesystem::path> DriveMap::hostPath(const std::string& systemPath) const {
    if (systemPath.size() < 2 || systemPath[1] != ':' ||
        !std::isalpha(static_cast<unsigned char>(systemPath[0])))
        return std::nullopt;
    auto folder = driveFolder(systemPath[0]);
    if (!folder) return std::nullopt;
    std::filesystem::path result = *folder;
    std::string component;
    auto flush = [&]() -> bool {
        if (component.empty() || component == ".") {
            component.clear();
            return true;
        }
        if (component == "..") return false;
        result /= std::filesystem::path(component);  // UTF-8 on this platform
        component.clear();
        return true;
    };
    for (std::size_t i = 2; i < systemPath.size(); ++i) {
        const char c = systemPath[i];
        if (c == '\\' || c == '/') {
            if (!flush()) return std::nullopt;
        } else {
            component.push_back(c);
        }
    }
    if (!flush()) return std::nullopt;
    return result;
}

std::optional<std::string> DriveMap::systemPathOf(const std::filesystem::path& hostPath) const {
    for (const auto& [letter, folder] : drives_) {
        const std::filesystem::path rest = hostPath.lexically_relative(folder);
        if (rest.empty() || *rest.begin() == "..") continue;
        std::string path = std::string(1, letter) + ":";
        for (const std::filesystem::path& step : rest)
            if (step != ".") path += "\\" + step.string();
        return path;
    }
    return std::nullopt;
}

std::filesystem::path requireHostPath(const std::string& systemPath) {
    auto host = DriveMap::instance().hostPath(systemPath);
    if (!host) fail(FileErrorKind::PathNotFound, systemPath);
    return *host;
}

}  // namespace nencho
