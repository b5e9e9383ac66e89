#include "platform/volumes.h"

#include <gtest/gtest.h>

#include <fstream>

#include "common/failure.h"
#include "platform/drive_map.h"
#include "support/temp_drives.h"

namespace nencho::test {
namespace {

namespace fs = std::filesystem;

TEST(VolumesTest, EveryVolumeFolderUnderTheRootsInSortedOrder) {
    TempDrives drives;
    const fs::path media = drives.root() / "media";
    const fs::path mnt = drives.root() / "mnt";
    for (const fs::path& folder : {media / "USB_B", media / "USB_A", mnt / "CARD"})
        fs::create_directories(folder);
    std::ofstream(media / "not-a-volume.txt") << "x";

    const auto volumes = mountedVolumes({media, drives.root() / "missing", mnt});

    EXPECT_EQ(volumes, (std::vector<fs::path>{media / "USB_A", media / "USB_B", mnt / "CARD"}));
}

TEST(VolumesTest, ARootThatIsThereButCannotBeListedIsAFailure) {
    TempDrives drives;
    const fs::path file = drives.root() / "media";
    std::ofstream(file) << "x";
    EXPECT_THROW(mountedVolumes({file}), Failure);
}

TEST(VolumesTest, VolumesGetTheLettersFromDOn) {
    TempDrives drives;
    const std::vector<fs::path> volumes{drives.root() / "a", drives.root() / "b"};

    const auto entries = mapVolumeDrives(DriveMap::instance(), volumes);

    EXPECT_EQ(entries, (std::vector<std::string>{"c:", "d:", "e:"}));
    EXPECT_EQ(DriveMap::instance().hostPath("e:\\年末調整"), volumes[1] / "年末調整");
    EXPECT_EQ(mapVolumeDrives(DriveMap::instance(), {}), std::vector<std::string>{"c:"});
}

TEST(VolumesTest, NoMoreVolumesThanLettersToZ) {
    TempDrives drives;
    std::vector<fs::path> volumes(30, drives.root());
    const auto entries = mapVolumeDrives(DriveMap::instance(), volumes);
    ASSERT_EQ(entries.size(), 24u);
    EXPECT_EQ(entries.back(), "z:");
}

TEST(VolumesTest, StandardRootsOfAUser) {
    EXPECT_EQ(standardVolumeRoots("hana"),
              (std::vector<fs::path>{"/media/hana", "/run/media/hana", "/mnt"}));
}

}  // namespace
}  // namespace nencho::test
