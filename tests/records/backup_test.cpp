#include "records/backup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "common/failure.h"
#include "platform/recovery.h"
#include "records/maintenance_fixture.h"
#include "support/file_faults.h"

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

    EXPECT_EQ(result.copiedPersons, 2);
    EXPECT_EQ(result.skippedCodes, std::vector<int>{2});
    EXPECT_EQ(describeTransfer(result),
              "2人のデータをコピーしました。\n"
              "年末調整を実行していないため、コピーしなかった個人コード: 2");
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
    run(TransferDirection::Backup);
    std::map<std::string, std::string> saved{{companyFilePath(1), readBytes(companyFilePath(1))}};
    for (int person : {1, 3})
        for (const std::string& path : sevenFiles(1, person)) saved[path] = readBytes(path);
    fs::remove_all(drives.host(dataRootFolder()));

    const TransferResult result = run(TransferDirection::Restore);

    EXPECT_EQ(result.copiedPersons, 2);
    EXPECT_TRUE(result.skippedCodes.empty());
    for (const auto& [path, bytes] : saved) EXPECT_EQ(readBytes(path), bytes) << path;
}

TEST_F(BackupTest, RestoreReplacesThePersonsOfTheBackupAndLeavesOthers) {
    writeCompany(1, "山田商事");
    writePerson(1, 1, "一郎");
    writePerson(1, 2, "二郎");
    run(TransferDirection::Backup);
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
        {"backup onto the program's own drive", {TransferDirection::Backup, kYear, 1, "c:"}},
        {"restore from the program's own drive", {TransferDirection::Restore, kYear, 1, "C:"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        EXPECT_THROW(transferCompany(c.request), Failure);
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

    try {
        run(TransferDirection::Backup);
        ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_TRUE(std::string(failure.what())
                        .starts_with("1人のデータをコピーしました。\n次の理由で中止しました。\n"))
            << failure.what();
    }
    EXPECT_EQ(readBytes(onStick(personFile(1, 1))), readBytes(personFile(1, 1)));
    std::vector<std::string> onStickFiles;
    for (const auto& entry : fs::recursive_directory_iterator(stick))
        if (entry.is_regular_file()) onStickFiles.push_back(entry.path().filename().string());
    EXPECT_EQ(onStickFiles.size(), 8u);  // the company and person 1, nothing of person 2
}

// Whether each of persons 1 and 2 in the data root is wholly the backup's or wholly his own.
std::string whoseIs(int person, const std::map<std::string, std::string>& mine,
                    const std::map<std::string, std::string>& backedUp) {
    bool isMine = true;
    bool isBackedUp = true;
    for (const std::string& path : sevenFiles(1, person)) {
        const std::string bytes = exists(path) ? readBytes(path) : "";
        isMine = isMine && bytes == mine.at(path);
        isBackedUp = isBackedUp && bytes == backedUp.at(path);
    }
    return isMine ? "mine" : isBackedUp ? "backup" : "mixed";
}

// A restore stopped at any step and started again leaves each person whole, his own or the
// backup's; a second restore then brings back every one.
TEST_F(BackupTest, ARestoreCutShortAnywhereLeavesEveryPersonWhole) {
    for (int step = 1;; ++step) {
        SCOPED_TRACE(step);
        TempDrives fresh;
        fresh.addDrive('d');
        writeCompany(1, "山田商事");
        writePerson(1, 1, "一郎");
        writePerson(1, 2, "二郎");
        run(TransferDirection::Backup);
        std::map<std::string, std::string> backedUp;
        for (int person : {1, 2})
            for (const std::string& path : sevenFiles(1, person)) backedUp[path] = readBytes(path);
        writePerson(1, 1, "一郎改");
        writePerson(1, 2, "二郎改");
        std::map<std::string, std::string> mine;
        for (int person : {1, 2})
            for (const std::string& path : sevenFiles(1, person)) mine[path] = readBytes(path);

        if (!runWithFault(FileFaults::Mode::Stop, step,
                          [this] { run(TransferDirection::Restore); }))
            break;
        recoverUnfinishedWork(fs::file_time_type::clock::now());
        for (int person : {1, 2}) EXPECT_NE(whoseIs(person, mine, backedUp), "mixed") << person;

        run(TransferDirection::Restore);
        for (int person : {1, 2}) EXPECT_EQ(whoseIs(person, mine, backedUp), "backup") << person;
    }
}

}  // namespace
}  // namespace nencho::test
