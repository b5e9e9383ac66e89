#include "platform/recovery.h"

#include <gtest/gtest.h>

#include "common/paths.h"
#include "platform/file_switch.h"
#include "platform/file_system.h"
#include "platform/kept_files.h"
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
    EXPECT_TRUE(recoverUnfinishedWork(fs::file_time_type::clock::now()).empty());
}

TEST_F(RecoveryTest, ARunThatSetFilesAsideAndDidNotEndIsPutBack) {
    test::writeBytes(kLedger, "ledger before");
    {
        KeptFiles kept({kLedger, kJanuary});        // January had no record
        writeFile(kLedger, "ledger half deleted");  // the run replaces files, as the program does
        writeFile(kJanuary, "zeros");
        // The program ends here: neither restore nor discard.
    }
    const RecoveryReport report = recoverUnfinishedWork(fs::file_time_type::clock::now());

    EXPECT_EQ(report.restoredFiles, (std::vector<std::string>{kLedger, kJanuary}));
    EXPECT_EQ(test::dataSnapshot(), (std::vector<std::pair<std::string, std::string>>{
                                        {"年末調整/H17年末調整/1020.txt", "ledger before"}}));
    const std::string message = recoveryMessage(report);
    EXPECT_NE(message.find(kLedger), std::string::npos);
    EXPECT_TRUE(recoverUnfinishedWork(fs::file_time_type::clock::now()).empty());  // once
}

TEST_F(RecoveryTest, CopiesOfARunThatEndedAreRemovedAndItsFilesKept) {
    test::writeBytes(kLedger, "ledger before");
    // Stopped at each step of the discard: after the list went, copies alone are left.
    for (int step = 1;; ++step) {
        SCOPED_TRACE(step);
        test::writeBytes(kLedger, "ledger before");
        KeptFiles kept({kLedger});
        writeFile(kLedger, "deleted");
        if (!test::runWithFault(test::FileFaults::Mode::Stop, step, [&] { kept.discard(); })) break;
        recoverUnfinishedWork(fs::file_time_type::clock::now());
        const auto files = test::dataSnapshot();
        ASSERT_EQ(files.size(), 1u);
        // Stopped before the list went, the run counts as not ended and is put back.
        EXPECT_EQ(files[0].second, step == 1 ? "ledger before" : "deleted");
    }
}

}  // namespace
}  // namespace nencho
