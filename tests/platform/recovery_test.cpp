#include "platform/recovery.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "common/paths.h"
#include "platform/file_switch.h"
#include "platform/file_system.h"
#include "platform/folder_listing.h"
#include "platform/kept_files.h"
#include "platform/piece_of_work.h"
#include "support/file_faults.h"
#include "support/temp_drives.h"

namespace nencho {
namespace {

namespace fs = std::filesystem;

const std::string kLedger = "c:\\年末調整\\H17年末調整\\1020.txt";
const std::string kJanuary = "c:\\年末調整\\H17年末調整\\1020001.txt";
// The mark of a run's work of several files, left in the data root.
const std::string kMark = "c:\\年末調整\\1-1.work-mark";

class RecoveryTest : public ::testing::Test {
  protected:
    void SetUp() override { ensureDataTree("H17"); }

    // A file as the run before this one left it.
    void leave(const std::string& path, const std::string& bytes) {
        test::writeBytes(path, bytes);
        fs::last_write_time(drives.host(path), runStart - std::chrono::hours(1));
    }

    test::TempDrives drives;
    const fs::file_time_type runStart = fs::file_time_type::clock::now();
};

TEST_F(RecoveryTest, NothingLeftNothingToSay) {
    test::writeBytes(kLedger, "ledger");
    EXPECT_TRUE(recoverUnfinishedWork(runStart).empty());
}

TEST_F(RecoveryTest, TemporaryFilesOfEarlierRunsAreRemovedAndThoseOfThisRunKept) {
    leave(kMark, "");  // work of several files was cut short: every folder is looked through
    leave(kLedger + ".tmp-a1B2c3", "half");
    leave(kLedger + ".tmp-copy", "half");
    leave("c:\\年末調整\\個人名\\102.txt.tmp-zzzzzz", "half");
    leave("c:\\年末調整\\個人名\\102.txt", "person");
    // Only files are cleared away: a folder that happens to bear such a name stays.
    fs::create_directories(drives.host(kLedger + ".tmp-f0ld3r"));
    test::writeBytes(kJanuary + ".tmp-q1w2e3", "being written now");
    fs::last_write_time(drives.host(kJanuary + ".tmp-q1w2e3"), runStart + std::chrono::seconds(1));

    const RecoveryReport report = recoverUnfinishedWork(runStart);

    EXPECT_EQ(report.removedTemporaryFiles, 3);
    EXPECT_TRUE(report.problems.empty());
    EXPECT_EQ(test::dataSnapshot(),
              (std::vector<std::pair<std::string, std::string>>{
                  {"年末調整/H17年末調整/1020001.txt.tmp-q1w2e3", "being written now"},
                  {"年末調整/個人名/102.txt", "person"}}));
    EXPECT_NE(recoveryMessage(report).find("一時ファイル 3 個"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(drives.host(kLedger + ".tmp-f0ld3r")));
}

// With no mark of unfinished work only the data root is read at the start; a save's temporary
// file cut short in a folder goes when that folder is next written.
TEST_F(RecoveryTest, WithoutAMarkOnlyTheDataRootIsLookedAtAndAFolderIsSweptWhenNextWritten) {
    leave("c:\\年末調整\\a.txt.tmp-r0o0t0", "half");
    leave(kLedger + ".tmp-a1B2c3", "half");
    leave("c:\\年末調整\\個人名\\102.txt.tmp-zzzzzz", "half");
    leave(FileSwitch::planPathFor("c:\\年末調整\\個人名\\102.txt"), "replace\tc:\\x\n");

    const RecoveryReport report = recoverUnfinishedWork(runStart);
    EXPECT_EQ(report.removedTemporaryFiles, 1);  // the one in the data root
    EXPECT_EQ(report.finishedChanges, 0);
    EXPECT_TRUE(fileExists(kLedger + ".tmp-a1B2c3"));

    writeFile(kJanuary, "january");
    EXPECT_FALSE(fileExists(kLedger + ".tmp-a1B2c3"));
    EXPECT_TRUE(fileExists("c:\\年末調整\\個人名\\102.txt.tmp-zzzzzz"));  // not written yet
}

// A mark is removed once its work is put right, so the start after finds nothing.
// A working file that cannot be cleared away is told of by its folder: the clerk never reads
// the name of one of the program's own files.
TEST_F(RecoveryTest, WhatCannotBeClearedAwayIsToldByItsFolder) {
    leave(kMark, "");
    leave(kLedger + ".tmp-a1B2c3", "half");
    RecoveryReport report;
    {
        const test::FileFaults faults(test::FileFaults::Mode::Fail, 1);
        report = recoverUnfinishedWork(runStart);
    }
    ASSERT_EQ(report.problems.size(), 1u);
    const std::string message = recoveryMessage(report);
    EXPECT_NE(message.find("c:\\年末調整\\H17年末調整\n"), std::string::npos) << message;
    for (const char* internal : {".tmp-", ".work-mark"})
        EXPECT_EQ(message.find(internal), std::string::npos) << message;
    EXPECT_TRUE(fileExists(kMark));  // left for the next start
}

TEST_F(RecoveryTest, AMarkGoesOnceItsWorkIsPutRight) {
    leave(kMark, "");
    leave(kLedger + ".tmp-a1B2c3", "half");
    EXPECT_EQ(recoverUnfinishedWork(runStart).removedTemporaryFiles, 1);
    EXPECT_FALSE(fileExists(kMark));
    EXPECT_TRUE(test::startAgain().empty());
}

TEST_F(RecoveryTest, ARunThatSetFilesAsideAndDidNotEndIsPutBack) {
    test::writeBytes(kLedger, "ledger before");
    {
        KeptFiles kept({kLedger, kJanuary});        // January had no record
        writeFile(kLedger, "ledger half deleted");  // the run replaces files, as the program does
        writeFile(kJanuary, "zeros");
        // The program ends here: neither restore nor discard.
    }
    const RecoveryReport report = test::startAgain();

    EXPECT_EQ(report.restoredFiles, (std::vector<std::string>{kLedger, kJanuary}));
    EXPECT_EQ(test::dataSnapshot(), (std::vector<std::pair<std::string, std::string>>{
                                        {"年末調整/H17年末調整/1020.txt", "ledger before"}}));
    const std::string message = recoveryMessage(report);
    EXPECT_NE(message.find(kLedger), std::string::npos);
    EXPECT_TRUE(test::startAgain().empty());  // once
}

TEST_F(RecoveryTest, AStopWhileTheListIsRemovedEndsAllOldOrAllNew) {
    test::writeBytes(kLedger, "ledger before");
    // Stopped at each step of the discard: after the list went, copies alone are left.
    for (int step = 1;; ++step) {
        SCOPED_TRACE(step);
        test::writeBytes(kLedger, "ledger before");
        KeptFiles kept({kLedger});
        writeFile(kLedger, "deleted");
        if (!test::runWithFault(test::FileFaults::Mode::Stop, step, [&] { kept.discard(); })) break;
        test::startAgain();
        const auto files = test::dataSnapshot();
        ASSERT_EQ(files.size(), 1u);
        // Stopped before the list went, the run counts as not ended and is put back.
        EXPECT_EQ(files[0].second, step == 1 ? "ledger before" : "deleted");
    }
}

// The keep list a run left in the data root, or an empty path.
std::string leftList() {
    const auto names = fileNamesIn(dataRootFolder(), KeptFiles::isListName);
    return names.size() == 1 ? dataRootFolder() + "\\" + names.front() : std::string();
}

// A run that kept the ledger and January's record (which it had not), rewrote both and ended
// there, as a kill would end it. Returns its list.
std::string leaveHalfDoneRun() {
    test::writeBytes(kLedger, "ledger before");
    {
        KeptFiles kept({kLedger, kJanuary});
        writeFile(kLedger, "ledger half deleted");
        writeFile(kJanuary, "zeros");
    }
    PieceOfWork::forgetRun();
    return leftList();
}

bool halfDone() {
    return test::readBytes(kLedger) == "ledger half deleted" &&
           test::readBytes(kJanuary) == "zeros";
}

// Whatever is wrong with a list, nothing is put back from it: the user is told once which records
// to look at, and the list is set aside under a name no start acts on.
TEST_F(RecoveryTest, AListThatDoesNotProveItselfWholeChangesNoRecord) {
    const auto cutAfter = [](std::string_view what) {
        return [what](std::string list) { return list.substr(0, list.find(what) + what.size()); };
    };
    const struct {
        const char* damage;
        std::function<std::string(std::string)> damaged;
        bool namesTheRecords;
    } cases[] = {
        {"empty", [](std::string) { return std::string(); }, false},
        {"cut at an entry's end", cutAfter("ledger before\n"), true},
        {"cut before its end mark", cutAfter("1020001.txt\n"), true},
        {"a changed byte in a kept record",
         [](std::string list) { return list.replace(list.find("before"), 1, "B"); }, true},
        {"more after its end mark", [](std::string list) { return list + "0\tc:\\x\n"; }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.damage);
        fs::remove_all(drives.host(dataRootFolder()));
        ensureDataTree("H17");
        const std::string list = leaveHalfDoneRun();
        ASSERT_FALSE(list.empty());
        test::writeBytes(list, c.damaged(test::readBytes(list)));

        const RecoveryReport report = test::startAgain();
        EXPECT_TRUE(halfDone());
        EXPECT_TRUE(report.restoredFiles.empty());
        ASSERT_EQ(report.problems.size(), 1u);
        const std::string message = recoveryMessage(report);
        EXPECT_EQ(message.find(kLedger) != std::string::npos, c.namesTheRecords) << message;
        EXPECT_NE(message.find("確かめてください"), std::string::npos) << message;
        EXPECT_EQ(message.find(".keep"), std::string::npos) << message;
        EXPECT_TRUE(leftList().empty());
        EXPECT_TRUE(fileExists(list + ".set-aside"));  // kept for a look
        EXPECT_TRUE(test::startAgain().empty());       // told once
    }
}

// A list names only files below the data folder, reached through no link: one naming anything
// else is a list the program did not write, and nothing is written or deleted for it.
TEST_F(RecoveryTest, AListNamingAFileOutsideTheDataFolderChangesNothing) {
    const fs::path outside = drives.root() / "outside";
    fs::create_directories(outside);
    fs::create_symlink(outside, drives.host("c:\\年末調整\\link"));
    const std::string corporate = "c:\\法人税\\法人名\\21.txt";
    fs::create_directories(drives.host("c:\\法人税\\法人名"));
    for (const std::string& target :
         {std::string("c:\\evil.txt"), corporate, std::string("c:\\年末調整\\link\\x.txt")}) {
        SCOPED_TRACE(target);
        test::writeBytes(corporate, "corporate before");
        fs::remove(drives.host("c:\\evil.txt"));
        test::writeBytes(kLedger, "ledger before");
        {
            KeptFiles kept({kLedger, target});
            writeFile(kLedger, "ledger half deleted");
            test::writeBytes(target, "written since");
        }
        PieceOfWork::forgetRun();

        const RecoveryReport report = test::startAgain();
        EXPECT_EQ(test::readBytes(kLedger), "ledger half deleted");
        EXPECT_EQ(test::readBytes(target), "written since");
        EXPECT_EQ(report.problems.size(), 1u);
        EXPECT_TRUE(leftList().empty());
    }
}

// The clock of the machine may stand behind the times a run gave its files: a list of a run that
// has ended is put back all the same.
TEST_F(RecoveryTest, AListOfARunThatEndedIsPutBackWhateverItsTime) {
    const std::string list = leaveHalfDoneRun();
    fs::last_write_time(drives.host(list),
                        fs::file_time_type::clock::now() + std::chrono::hours(2));

    const RecoveryReport report = test::startAgain();
    EXPECT_EQ(report.restoredFiles, (std::vector<std::string>{kLedger, kJanuary}));
    EXPECT_EQ(test::readBytes(kLedger), "ledger before");
    EXPECT_FALSE(fileExists(kJanuary));
}

// A start whose putting back fails at any of its steps, or cannot make one of them durable, says
// which records may be part old, part new, or that they are back, and holds the list as this
// run's: a save of one of its records in the same run puts them all back first, so the next start
// leaves the save as it stands.
TEST_F(RecoveryTest, AListAStartCouldNotSettleNeverUndoesALaterSave) {
    using Mode = test::FileFaults::Mode;
    for (const Mode mode : {Mode::Fail, Mode::FailFrom, Mode::FailFolderSync}) {
        for (int step = 1;; ++step) {
            SCOPED_TRACE(testing::Message() << static_cast<int>(mode) << " at step " << step);
            fs::remove_all(drives.host(dataRootFolder()));
            ensureDataTree("H17");
            leaveHalfDoneRun();
            RecoveryReport report;
            {
                const test::FileFaults faults(mode, step);
                report = recoverUnfinishedWork(fs::file_time_type::clock::now());
                if (!faults.reached()) break;
            }
            ASSERT_EQ(report.problems.size(), 1u);
            const std::string message = recoveryMessage(report);
            if (report.restoredFiles.empty()) {
                EXPECT_NE(message.find("一部が古く一部が新しい"), std::string::npos) << message;
                EXPECT_NE(message.find(kJanuary), std::string::npos) << message;
            } else {
                EXPECT_EQ(report.restoredFiles, (std::vector<std::string>{kLedger, kJanuary}));
                EXPECT_NE(message.find("記録はすべて止まった処理の前の状態に戻っています"),
                          std::string::npos)
                    << message;
            }

            writeFile(kLedger, "ledger saved later");
            test::startAgain();
            EXPECT_EQ(test::readBytes(kLedger), "ledger saved later");
            EXPECT_FALSE(fileExists(kJanuary));
            EXPECT_TRUE(leftList().empty());
        }
    }
}

// A record kept in a year folder that is gone since is put back into that folder made anew; one
// that was not there, in a folder that is not there, is nothing to put back.
TEST_F(RecoveryTest, ARecordWhoseFolderIsGoneIsPutBackIntoTheFolderMadeAnew) {
    const std::string gone = "c:\\年末調整\\H18年末調整\\1020.txt";
    const std::string never = "c:\\年末調整\\H16年末調整\\1020.txt";
    test::writeBytes(kLedger, "ledger before");
    test::writeBytes(gone, "H18 ledger before");
    {
        KeptFiles kept({kLedger, gone, never});
        writeFile(kLedger, "ledger half deleted");
    }
    PieceOfWork::forgetRun();
    fs::remove_all(drives.host("c:\\年末調整\\H18年末調整"));

    const RecoveryReport report = test::startAgain();
    EXPECT_TRUE(report.problems.empty()) << recoveryMessage(report);
    EXPECT_EQ(report.restoredFiles, (std::vector<std::string>{kLedger, gone}));
    EXPECT_EQ(test::readBytes(kLedger), "ledger before");
    EXPECT_EQ(test::readBytes(gone), "H18 ledger before");
    EXPECT_FALSE(fs::exists(drives.host("c:\\年末調整\\H16年末調整")));
    EXPECT_TRUE(leftList().empty());
    EXPECT_TRUE(test::startAgain().empty());
}

// A start follows no link in the data root: the work files in a folder a link points to, and a
// list that is itself a link, stay as they are, and so does what such a list names.
TEST_F(RecoveryTest, AStartTouchesNothingReachedThroughALink) {
    const fs::path outside = drives.root() / "outside";
    fs::create_directories(outside);
    const std::vector<std::string> workFiles{"x.txt.tmp-a1b2c3", "x.txt.switch-new",
                                             "x.txt.tmp-copy", "1-1-1.keep-list"};
    const auto old = runStart - std::chrono::hours(1);
    for (const std::string& name : workFiles) {
        std::ofstream(outside / name) << "outside";
        fs::last_write_time(outside / name, old);
    }
    fs::create_directory_symlink(outside, drives.host("c:\\年末調整\\link"));
    const std::string list = leaveHalfDoneRun();
    const fs::path listOutside = outside / "2-2-2.keep-list";
    fs::rename(drives.host(list), listOutside);
    fs::create_symlink(listOutside, drives.host(list));
    leave(kMark, "");  // every folder of the data root is looked through

    const RecoveryReport report = test::startAgain();
    EXPECT_TRUE(halfDone());
    EXPECT_TRUE(report.restoredFiles.empty());
    for (const std::string& name : workFiles) EXPECT_TRUE(fs::exists(outside / name)) << name;
    EXPECT_TRUE(fs::exists(listOutside));
    EXPECT_TRUE(fs::is_symlink(drives.host(list)));
}

}  // namespace
}  // namespace nencho
