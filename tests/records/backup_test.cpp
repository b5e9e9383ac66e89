#include "records/backup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

#include "common/failure.h"
#include "platform/file_switch.h"
#include "platform/recovery.h"
#include "records/maintenance_fixture.h"
#include "support/file_faults.h"

namespace nencho::test {
namespace {

namespace fs = std::filesystem;

// What is on the stick beside the records: whatever a run cut short leaves (temporary,
// prepared and plan files, the mark of an unfinished backup).
std::vector<std::string> leftOversOn(const fs::path& stick) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(stick))
        if (entry.is_regular_file() && entry.path().extension() != ".txt")
            names.push_back(entry.path().filename().string());
    return names;
}

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
    // The company and person 1, nothing of person 2; the company's backup is marked unfinished.
    EXPECT_EQ(onStickFiles.size(), 9u);
    EXPECT_EQ(leftOversOn(stick), std::vector<std::string>{"1.txt.backup-unfinished"});
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
        test::startAgain();
        for (int person : {1, 2}) EXPECT_NE(whoseIs(person, mine, backedUp), "mixed") << person;

        run(TransferDirection::Restore);
        for (int person : {1, 2}) EXPECT_EQ(whoseIs(person, mine, backedUp), "backup") << person;
    }
}

using Version = std::map<std::string, std::string>;  // the bytes of persons 1 and 2, by path

// Persons 1 and 2 of company 1 written anew, their names telling the version.
Version writeVersion(const std::string& name) {
    Version files;
    for (int person : {1, 2}) {
        writePerson(1, person, name + std::to_string(person));
        for (const std::string& path : sevenFiles(1, person)) files[path] = readBytes(path);
    }
    return files;
}

bool holdsWhole(int person, const Version& version,
                const std::function<std::string(const std::string&)>& where = {}) {
    for (const std::string& path : sevenFiles(1, person)) {
        const std::string at = where ? where(path) : path;
        if (!exists(at) || readBytes(at) != version.at(path)) return false;
    }
    return true;
}

// A backup stopped at any step, onto a stick that held an older backup or none: a restore
// then brings back each person whole, or refuses the company, saying so, and copies nothing.
// The next backup finishes the job and leaves nothing else on the stick.
TEST_F(BackupTest, ABackupCutShortAnywhereIsNeverRestoredHalfAndTheNextOneCleansUp) {
    const std::string refusal = "のバックアップは途中で止まったままのため、リストアできません。";
    for (const bool olderBackup : {true, false}) {
        int refused = 0;
        for (int step = 1;; ++step) {
            SCOPED_TRACE(testing::Message() << "older backup " << olderBackup << ", step " << step);
            TempDrives fresh;
            const fs::path freshStick = fresh.addDrive('d');
            writeCompany(1, "山田商事");
            const Version older = writeVersion("旧");
            if (olderBackup) run(TransferDirection::Backup);
            const Version newer = writeVersion("新");
            if (!runWithFault(FileFaults::Mode::Stop, step,
                              [this] { run(TransferDirection::Backup); }))
                break;
            test::startAgain();  // the program started again

            const Version mine = writeVersion("今");
            const auto before = dataSnapshot();
            try {
                run(TransferDirection::Restore);
            } catch (const Failure& failure) {
                const std::string message = failure.what();
                if (message.find(refusal) != std::string::npos) {
                    ++refused;
                    EXPECT_NE(message.find("会社コード 1 "), std::string::npos);
                    EXPECT_EQ(dataSnapshot(), before);
                }
            }
            for (int person : {1, 2})
                EXPECT_TRUE(holdsWhole(person, mine) || holdsWhole(person, older) ||
                            holdsWhole(person, newer))
                    << "person " << person << " is mixed";

            writeVersion("新");
            EXPECT_EQ(run(TransferDirection::Backup).copiedPersons, 2);
            EXPECT_EQ(leftOversOn(freshStick), std::vector<std::string>{});
            for (int person : {1, 2}) EXPECT_TRUE(holdsWhole(person, newer, onStick)) << person;
        }
        EXPECT_GT(refused, 0);
    }
}

// A person switched half-way on the stick (as an earlier version's backup cut short leaves
// him) stops the restore of his company, and only his; the next backup, of any company, finishes
// him and clears away what else earlier backups left.
TEST_F(BackupTest, AHalfSwitchedPersonStopsHisCompanysRestoreUntilTheNextBackup) {
    writeCompany(1, "山田商事");
    writeCompany(2, "鈴木商店");
    writePerson(1, 1, "一郎");
    writePerson(2, 1, "花子");
    run(TransferDirection::Backup);
    run(TransferDirection::Backup, 2);
    const std::string stickPerson = onStick(personFile(1, 1));
    const std::string stickLedger = onStick(yearFile(1, 1, 0));
    FileSwitch change(FileSwitch::planPathFor(stickPerson));
    change.replace(stickLedger, "新しい源泉徴収簿");
    change.replace(stickPerson, "新しい個人");
    // Stopped when the ledger is in and the person file is to be moved in after it.
    setFileStepHook([&](FileStep step, const fs::path& path) {
        if (step == FileStep::Rename && path == drives.host(stickPerson)) throw ProgramStopped{};
    });
    EXPECT_THROW(change.commit(), ProgramStopped);
    setFileStepHook({});
    ASSERT_EQ(readBytes(stickLedger), "新しい源泉徴収簿");
    fs::create_directories(drives.host(onStick(yearFolder("H16"))));
    writeBytes(onStick(yearFile(2, 1, 0, "H16")) + ".tmp-a1B2c3", "半分");
    writeBytes(FileSwitch::preparedPathOf(onStick(personFile(2, 1))), "始まらなかった");
    const auto before = dataSnapshot();

    try {
        run(TransferDirection::Restore);
        ADD_FAILURE() << "restored";
    } catch (const Failure& failure) {
        EXPECT_EQ(std::string(failure.what()),
                  "0人のデータをコピーしました。\n次の理由で中止しました。\n"
                  "ドライブ d: にある会社コード 1 のバックアップは途中で止まったままのため、"
                  "リストアできません。\nもう一度バックアップを実行してから、リストアして"
                  "ください。");
    }
    EXPECT_EQ(dataSnapshot(), before);
    EXPECT_EQ(run(TransferDirection::Restore, 2).copiedPersons, 1);

    run(TransferDirection::Backup, 2);
    EXPECT_EQ(leftOversOn(stick), std::vector<std::string>{});
    EXPECT_EQ(readBytes(stickPerson), "新しい個人");
    EXPECT_EQ(run(TransferDirection::Restore).copiedPersons, 1);
    EXPECT_EQ(readBytes(personFile(1, 1)), "新しい個人");
}

}  // namespace
}  // namespace nencho::test
