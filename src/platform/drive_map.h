#pragma once
// Drive-letter paths ("c:\年末調整\1.txt") mapped to host folders. Every path of the system
// passes through here; separators and drive letters are handled nowhere else.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace nencho {

class DriveMap {
  public:
    static DriveMap& instance();

    void setDrive(char letter, const std::filesystem::path& hostFolder);
    void clear();
    std::vector<char> letters() const;
    std::optional<std::filesystem::path> driveFolder(char letter) const;

    // The host path of a system path; no value for an unmapped drive, a path without a drive
    // or one that climbs out of its drive ("..").
    std::optional<std::filesystem::path> hostPath(const std::string& systemPath) const;
    // The system path of a host path below a drive's folder ("c:\年末調整" for the folder behind
    // it), or none.
    std::optional<std::string> systemPathOf(const std::filesystem::path& hostPath) const;

  private:
    std::map<char, std::filesystem::path> drives_;
};

// The host path, or a PathNotFound error naming the system path.
std::filesystem::path requireHostPath(const std::string& systemPath);

}  // namespace nencho
