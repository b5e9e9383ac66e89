#include "platform/file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/drive_map.h"
#include "platform/file_switch.h"
#include "platform/record_error.h"
#include "platform/record_file.h"
#include "support/failing_writes.h"
#include "support/file_faults.h"
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
    // And back, as a folder the disk refused to sync is told to the user.
    EXPECT_EQ(DriveMap::instance().systemPathOf(d / "年末調整" / "H17年末調整"),
              "d:\\年末調整\\H17年末調整");
    EXPECT_EQ(DriveMap::instance().systemPathOf(drives.root() / "c"), "c:");
    EXPECT_FALSE(DriveMap::instance().systemPathOf(drives.root() / "elsewhere"));
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
    writeNewFile(path, "new\r\n");
    EXPECT_EQ(errorOf([&] { writeNewFile(path, "again\r\n"); }), FileErrorKind::FileAlreadyExists);
    EXPECT_EQ(test::readBytes(path), "new\r\n");

    writeFile(path, "data\r\n");
    copyFile(path, "c:\\年末調整\\個人名\\102.txt");
    EXPECT_EQ(test::readBytes("c:\\年末調整\\個人名\\102.txt"), "data\r\n");
    EXPECT_EQ(
        errorOf([] { copyFile("c:\\年末調整\\個人名\\9.txt", "c:\\年末調整\\個人名\\8.txt"); }),
        FileErrorKind::FileNotFound);
    EXPECT_EQ(errorOf([&] { copyFile(path, "c:\\無い\\1.txt"); }), FileErrorKind::PathNotFound);
    EXPECT_EQ(errorOf([] { readFile("c:\\年末調整\\個人名\\9.txt"); }),
              FileErrorKind::FileNotFound);
    EXPECT_EQ(errorOf([] { readFile("c:\\無い\\9.txt"); }), FileErrorKind::PathNotFound);

    deleteFile(path);
    EXPECT_FALSE(fileExists(path));
    EXPECT_EQ(errorOf([&] { deleteFile(path); }), FileErrorKind::FileNotFound);
}

// The files of a host folder, by name.
std::vector<std::string> namesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t modeOf(const std::filesystem::path& host) {
    struct stat status {};
    EXPECT_EQ(::stat(host.c_str(), &status), 0) << host;
    return status.st_mode & 07777;
}

// Restores the umask a test changed.
class PermissiveUmask {
  public:
    PermissiveUmask() : former_(::umask(0)) {}
    ~PermissiveUmask() { ::umask(former_); }

  private:
    mode_t former_;
};

TEST(FileOperations, RecordsAreOwnerOnlyAndSoAreTheFoldersTheProgramMakes) {
    test::TempDrives drives;
    PermissiveUmask umask;
    const auto e = drives.root() / "e" / "stick";  // a drive whose folder is not there yet
    DriveMap::instance().setDrive('e', e);
    createMissingFolders({"e:\\年末調整"});
    ensureDataTree("H17", true);
    for (const std::filesystem::path& folder :
         {e, drives.host("e:\\年末調整"), drives.host("c:\\年末調整"),
          drives.host("c:\\年末調整\\個人名"), drives.host("c:\\年末調整\\年調法人名"),
          drives.host("c:\\年末調整\\H17年末調整"), drives.host("c:\\年末調整\\源泉簿")})
        EXPECT_EQ(modeOf(folder), 0700u) << folder;

    const std::string record = "c:\\年末調整\\個人名\\101.txt";
    RecordWriter().text("給与").saveNew(record);
    EXPECT_EQ(modeOf(drives.host(record)), 0600u);
    ::chmod(drives.host(record).c_str(), 0644);  // as earlier versions left it
    RecordWriter().text("給与改").save(record);
    EXPECT_EQ(modeOf(drives.host(record)), 0600u);
    copyFile(record, "e:\\年末調整\\101.txt");
    EXPECT_EQ(modeOf(drives.host("e:\\年末調整\\101.txt")), 0600u);
}

// A record is written to a temporary file, which is synced before it is renamed over the old
// one, and then the folder is synced. A failure at any step up to the rename leaves the old file
// and no temporary file.
TEST(FileOperations, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    test::TempDrives drives;
    ensureDataTree("H17");
    const std::string path = "c:\\年末調整\\個人名\\101.txt";
    const std::string newPath = "c:\\年末調整\\個人名\\102.txt";
    const auto folder = drives.host("c:\\年末調整\\個人名");
    {
        test::FileFaults counting(test::FileFaults::Mode::Fail, 0);
        writeFile(path, "old\r\n");
        writeNewFile(newPath, "new\r\n");
        const std::string file = drives.host(path).string();
        const std::string newFile = drives.host(newPath).string();
        const std::vector<std::pair<FileStep, std::string>> order = {
            {FileStep::WriteTemporary, file},
            {FileStep::Sync, file},
            {FileStep::Rename, file},
            {FileStep::SyncFolder, folder.string()},
            {FileStep::WriteTemporary, newFile},
            {FileStep::Sync, newFile},
            {FileStep::Rename, newFile},
            {FileStep::SyncFolder, folder.string()},
        };
        EXPECT_EQ(counting.seen(), order);
    }
    std::filesystem::remove(drives.host(newPath));
    for (int step : {1, 2, 3}) {  // writing the temporary file, syncing it, renaming it
        SCOPED_TRACE(step);
        EXPECT_TRUE(test::runWithFault(test::FileFaults::Mode::Fail, step, [&] {
            EXPECT_EQ(errorOf([&] { writeFile(path, "new\r\n"); }), FileErrorKind::WriteFailed);
        }));
        EXPECT_EQ(test::readBytes(path), "old\r\n");
        EXPECT_EQ(namesIn(folder), std::vector<std::string>{"101.txt"});
    }

    // A full disk: the system refuses the bytes once the temporary file is there.
    const std::string record(100, 'x');
    FileErrorKind kind;
    FileErrorKind newKind;
    {
        test::FailingWrites full;
        full.arm();
        kind = errorOf([&] { writeFile(path, record); });
        newKind = errorOf([&] { writeNewFile(path + ".2", record); });
    }
    EXPECT_EQ(kind, FileErrorKind::WriteFailed);
    EXPECT_EQ(newKind, FileErrorKind::WriteFailed);
    EXPECT_EQ(test::readBytes(path), "old\r\n");
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"101.txt"});
}

// Within an action the records it writes into one folder share one folder sync, made after the
// last rename; a switch of several files still syncs between its steps.
TEST(FileOperations, AnActionSyncsEachFolderOnceAndASwitchBetweenItsSteps) {
    test::TempDrives drives;
    ensureDataTree("H17");
    const std::string year = "c:\\年末調整\\H17年末調整\\";
    const auto folder = drives.host("c:\\年末調整\\H17年末調整").string();
    const auto root = drives.host("c:\\年末調整").string();
    auto stepsOf = [](const test::FileFaults& faults, FileStep kind) {
        std::vector<std::string> seen;
        for (const auto& [step, path] : faults.seen())
            if (step == kind) seen.push_back(path);
        return seen;
    };
    {
        test::FileFaults counting(test::FileFaults::Mode::Fail, 0);
        {
            const FolderSyncBatch action;
            for (const char* name : {"1020.txt", "1021.txt", "1022.txt"})
                writeFile(year + name, "record");
            EXPECT_TRUE(stepsOf(counting, FileStep::SyncFolder).empty());
        }
        EXPECT_EQ(stepsOf(counting, FileStep::SyncFolder), std::vector<std::string>{folder});
        EXPECT_EQ(counting.seen().back().first, FileStep::SyncFolder);
    }
    test::FileFaults counting(test::FileFaults::Mode::Fail, 0);
    {
        const FolderSyncBatch action;
        FileSwitch change(FileSwitch::planPathFor(year + "1020.txt"));
        change.replace(year + "1020.txt", "new");
        change.replace(year + "1021.txt", "new");
        change.commit();
    }
    // Each step of the switch stands on the disk before the next: its mark, its prepared
    // files, its plan, its targets, and the plan's and the mark's removal.
    std::vector<FileStep> order;
    for (const auto& [step, path] : counting.seen())
        if (step == FileStep::Rename || step == FileStep::Delete || step == FileStep::SyncFolder)
            if (order.empty() || order.back() != step) order.push_back(step);
    EXPECT_EQ(order, (std::vector<FileStep>{FileStep::Rename, FileStep::SyncFolder,  // mark
                                            FileStep::Rename, FileStep::SyncFolder,  // prepared
                                            FileStep::Rename, FileStep::SyncFolder,  // plan
                                            FileStep::Rename, FileStep::SyncFolder,  // targets
                                            FileStep::Delete, FileStep::SyncFolder,  // plan gone
                                            FileStep::Delete, FileStep::SyncFolder}));
    EXPECT_EQ(stepsOf(counting, FileStep::SyncFolder).back(), root);
}

TEST(FileOperations, ANewFileStoppedBeforeItsRenameIsNotThereAtAll) {
    test::TempDrives drives;
    ensureDataTree("H17");
    const std::string path = "c:\\年末調整\\個人名\\101.txt";
    EXPECT_TRUE(test::runWithFault(test::FileFaults::Mode::Stop, 3,  // the rename
                                   [&] { writeNewFile(path, "record\r\n"); }));
    EXPECT_FALSE(fileExists(path));  // not empty, not half written: not there
    const auto names = namesIn(drives.host("c:\\年末調整\\個人名"));
    ASSERT_EQ(names.size(), 1u);
    EXPECT_TRUE(isTemporaryFileName(names[0])) << names[0];
}

TEST(FileOperations, TheProgramKnowsItsOwnTemporaryFiles) {
    const std::pair<const char*, bool> cases[] = {
        {"101.txt.tmp-a1B2c3", true},   {"101.txt.tmp-copy", true},
        {"101.txt.tmp-undo", true},     {"101.txt", false},
        {".tmp-a1B2c3", false},         {"101.txt.tmp-a1B2c", false},
        {"101.txt.tmp-a1B2c3d", false}, {"101.txt.tmp-a1.2c3", false},
    };
    for (const auto& [name, temporary] : cases)
        EXPECT_EQ(isTemporaryFileName(name), temporary) << name;
}

}  // namespace
}  // namespace nencho
