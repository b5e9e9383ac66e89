#include "records/backup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "records/maintenance_fixture.h"

namespace nencho::test {
namespace {

namespace fs = std::filesystem;

class BackupTest : public ::testing::Test {
  protected:
    void SetUp() override { stick = drives.addDrive('d'); }

    TransferResult run(TransferDirection direction, std::int64_t company = 1,
                       const std::string& drive = "d:") {
        return transferCompany({direction, kYear, company, drive},
                               [this](int percent) { progress.push_back(percent); });
    }

    TempDrives drives;
    fs::path stick;
    std::vector<int> progress;
};

std::string onStick(const std::string& path) {
    return backupPath("d:", path);
}

TEST_F(BackupTest, BackupCopiesCompletePersonsIntoANewTreeAndNamesTheSkippedOnes) {
    writeCompany(1, "山田商事");
    writePerson(1, 1, "一郎");
    writePerson(1, 2, "二郎", {0, 1, 2, 4, 5});  // the adjustment not run
    writePerson(1, 3, "三郎");
    writePerson(2, 1, "別社一郎");
    const std::string payRecord = *monthlyPayRecordPath(kYear, 101, 1);
    writeLines(payRecord, {"1"});

    const TransferResult result = run(TransferDirection::Backup);

    EXPECT_TRUE(result.complete()) << result.failure;
    EXPECT_EQ(result.copiedPersons, 2);
    EXPECT_EQ(result.skippedCodes, std::vector<int>{2});
    EXPECT_EQ(readBytes(onStick(companyFilePath(1))), readBytes(companyFilePath(1)));
    for (int person : {1, 3})
        for (const std::string& path : sevenFiles(1, person))
            EXPECT_EQ(readBytes(onStick(path)), readBytes(path)) << path;
    std::vector<std::string> skipped;
    for (const std::string& path : sevenFiles(1, 2)) skipped.push_back(onStick(path));
    EXPECT_EQ(countExisting(skipped), 0);
    EXPECT_FALSE(exists(onStick(personFile(2, 1))));
    EXPECT_FALSE(exists(onStick(payRecord)));
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), 100);
}

TEST_F(BackupTest, RestoreIntoAnEmptyDataFolderRecreatesTheTreeByteForByte) {
    writeCompany(1, "山田商事");
    writePerson(1, 1, "一郎");
    writePerson(1, 3, "三郎");
    ASSERT_TRUE(run(TransferDirection::Backup).complete());
    std::map<std::string, std::string> saved{{companyFilePath(1), readBytes(companyFilePath(1))}};
    for (int person : {1, 3})
        for (const std::string& path : sevenFiles(1, person)) saved[path] = readBytes(path);
    fs::remove_all(drives.host(dataRootFolder()));

    const TransferResult result = run(TransferDirection::Restore);

    EXPECT_TRUE(result.complete()) << result.failure;
    EXPECT_EQ(result.copiedPersons, 2);
    EXPECT_TRUE(result.skippedCodes.empty());
    for (const auto& [path, bytes] : saved) EXPECT_EQ(readBytes(path), bytes) << path;
}

TEST_F(BackupTest, RestoreReplacesThePersonsOfTheBackupAndLeavesOthers) {
    writeCompany(1, "山田商事");
    writePerson(1, 1, "一郎");
    writePerson(1, 2, "二郎");
    ASSERT_TRUE(run(TransferDirection::Backup).complete());
    writePerson(1, 1, "一郎改");
    writePerson(1, 5, "五郎");
    fs::remove(drives.host(onStick(yearFile(1, 2, 3))));  // an incomplete person in the backup

    const TransferResult result = run(TransferDirection::Restore);

    EXPECT_EQ(result.copiedPersons, 1);
    EXPECT_EQ(result.skippedCodes, std::vector<int>{2});
    EXPECT_EQ(readLines(personFile(1, 1))[2], "\"一郎\"");
    EXPECT_EQ(countExisting(sevenFiles(1, 5)), 7);
}

TEST_F(BackupTest, RunsThatCannotStartSayWhyAndCopyNothing) {
    writeCompany(1, "山田商事");
    writePerson(1, 1, "一郎");
    struct Case {
        const char* title;
        TransferRequest request;
    };
    const Case cases[] = {
        {"company without a record", {TransferDirection::Backup, kYear, 9, "d:"}},
        {"drive not mounted", {TransferDirection::Backup, kYear, 1, "f:"}},
        {"no drive chosen", {TransferDirection::Backup, kYear, 1, ""}},
        {"no working year", {TransferDirection::Backup, "", 1, "d:"}},
        {"nothing backed up yet", {TransferDirection::Restore, kYear, 1, "d:"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        const TransferResult result = transferCompany(c.request);
        EXPECT_FALSE(result.complete());
        EXPECT_EQ(result.copiedPersons, 0);
    }
    EXPECT_TRUE(fs::is_empty(stick));
}

TEST_F(BackupTest, AFailureStopsTheRunWithoutHalfAPerson) {
    writeCompany(1, "山田商事");
    writePerson(1, 1, "一郎");
    writePerson(1, 2, "二郎");
    ensureDataTree(kYear);
    // On the stick a folder stands where person 2's notes would go.
    fs::create_directories(drives.host(onStick(yearFile(1, 2, 4))));

    const TransferResult result = run(TransferDirection::Backup);

    EXPECT_FALSE(result.complete());
    EXPECT_EQ(result.copiedPersons, 1);
    EXPECT_EQ(readBytes(onStick(personFile(1, 1))), readBytes(personFile(1, 1)));
    for (const std::string& path : sevenFiles(1, 2)) {
        if (path == yearFile(1, 2, 4)) continue;
        EXPECT_FALSE(exists(onStick(path))) << path;
    }
}

}  // namespace
}  // namespace nencho::test
