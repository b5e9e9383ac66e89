#include "platform/file_system.h"

#include <gtest/gtest.h>

#include "platform/drive_map.h"
#include "platform/record_error.h"
#include "support/temp_drives.h"

namespace nencho {
namespace {

FileErrorKind errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RecordError& error) {
        return error.kind();
    }
    ADD_FAILURE() << "no error";
    return FileErrorKind::WriteFailed;
}

TEST(DriveMapping, SystemPathsMapIntoTheDriveFolders) {
    test::TempDrives drives;
    const auto d = drives.addDrive('d');
    EXPECT_EQ(DriveMap::instance().hostPath("D:\\年末調整\\1.txt"), d / "年末調整" / "1.txt");
    EXPECT_EQ(DriveMap::instance().hostPath("c:/a//b\\"), drives.root() / "c" / "a" / "b");
    EXPECT_FALSE(DriveMap::instance().hostPath("e:\\x"));
    EXPECT_FALSE(DriveMap::instance().hostPath("c:\\..\\escape"));
    EXPECT_FALSE(DriveMap::instance().hostPath("relative\\path"));
}

TEST(FolderOperations, OneLevelAtATimeAndTheWholeTreeOnRequest) {
    test::TempDrives drives;
    EXPECT_EQ(errorOf([] { createFolder("c:\\年末調整\\H17年末調整"); }),
              FileErrorKind::PathNotFound);
    ensureDataTree("H17", true);
    for (const char* folder : {"c:\\年末調整", "c:\\年末調整\\年調法人名", "c:\\年末調整\\個人名",
                               "c:\\年末調整\\H17年末調整", "c:\\年末調整\\源泉簿"})
        EXPECT_TRUE(folderExists(folder)) << folder;
    EXPECT_EQ(errorOf([] { createFolder("c:\\年末調整"); }), FileErrorKind::FileAlreadyExists);
    ensureDataTree("H13");  // only the missing year is added
    EXPECT_TRUE(folderExists("c:\\年末調整\\H13年末調整"));
}

TEST(FileOperations, ExclusiveCreationCopyAndDelete) {
    test::TempDrives drives;
    ensureDataTree("H17");
    const std::string path = "c:\\年末調整\\個人名\\101.txt";
    createNewFile(path, false);
    EXPECT_EQ(errorOf([&] { createNewFile(path, false); }), FileErrorKind::FileAlreadyExists);
    test::writeBytes(path, "x\r\n");
    createNewFile(path, true);
    EXPECT_EQ(test::readBytes(path), "");

    test::writeBytes(path, "data\r\n");
    copyFile(path, "c:\\年末調整\\個人名\\102.txt");
    EXPECT_EQ(test::readBytes("c:\\年末調整\\個人名\\102.txt"), "data\r\n");
    EXPECT_EQ(
        errorOf([] { copyFile("c:\\年末調整\\個人名\\9.txt", "c:\\年末調整\\個人名\\8.txt"); }),
        FileErrorKind::FileNotFound);
    EXPECT_EQ(errorOf([&] { copyFile(path, "c:\\無い\\1.txt"); }), FileErrorKind::PathNotFound);

    deleteFile(path);
    EXPECT_FALSE(fileExists(path));
    EXPECT_EQ(errorOf([&] { deleteFile(path); }), FileErrorKind::FileNotFound);
}

}  // namespace
}  // namespace nencho
