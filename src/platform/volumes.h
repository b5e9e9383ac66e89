#pragma once
// The drives the clerk can back up to: "c:" and one letter from "d:" on for each mounted
// volume (a USB stick, a card), in the sorted order of the volumes' folders.
#include <filesystem>
#include <string>
#include <vector>

namespace nencho {

class DriveMap;

// Where the desktop mounts removable volumes for a user: /media/<user>, /run/media/<user>, /mnt.
std::vector<std::filesystem::path> standardVolumeRoots(const std::string& userName);
// The name of the user running the program (empty when the system cannot tell).
std::string currentUserName();

// Every folder directly under the roots, sorted; a root that is missing adds nothing. A root
// that is there but cannot be read throws a Failure naming it.
std::vector<std::filesystem::path> mountedVolumes(const std::vector<std::filesystem::path>& roots);

// Maps "d:", "e:", … to the volumes in order (as far as the letters go, up to "z:") and returns
// the entries of a drive list: "c:" first, then one per mapped volume.
std::vector<std::string> mapVolumeDrives(DriveMap& map,
                                         const std::vector<std::filesystem::path>& volumes);

// The roots this run of the program scans for volumes; none until the program sets them, so a
// drive list then offers "c:" alone.
void setVolumeRoots(std::vector<std::filesystem::path> roots);
const std::vector<std::filesystem::path>& volumeRoots();

}  // namespace nencho
