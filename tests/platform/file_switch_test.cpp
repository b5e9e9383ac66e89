#include "platform/file_switch.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/file_system.h"
#include "platform/record_error.h"
#include "platform/recovery.h"
#include "support/file_faults.h"
#include "support/temp_drives.h"

namespace nencho {
namespace {

using test::FileFaults;

// In the data root, where a start looks for what was left.
const std::string kReplaced = "c:\\年末調整\\a.txt";
const std::string kCreated = "c:\\年末調整\\b.txt";
const std::string kRemoved = "c:\\年末調整\\c.txt";
const std::string kPlan = FileSwitch::planPathFor(kReplaced);

void setUpFolder() {
    createFolder("c:\\年末調整");
    writeFile(kReplaced, "old a");
    writeFile(kRemoved, "old c");
}

void runSwitch() {
    FileSwitch change(kPlan);
    change.replace(kReplaced, "new a");
    change.replace(kCreated, "new b");
    change.remove(kRemoved);
    change.commit();
}

using Snapshot = std::vector<std::pair<std::string, std::string>>;

// The data files, without the marks of work under way.
Snapshot dataFiles() {
    Snapshot files = test::dataSnapshot();
    std::erase_if(files, [](const auto& file) { return file.first.ends_with(".work-mark"); });
    return files;
}
bool marked() {
    return dataFiles() != test::dataSnapshot();
}

Snapshot oldFiles() {
    return {{"年末調整/a.txt", "old a"}, {"年末調整/c.txt", "old c"}};
}
Snapshot newFiles() {
    return {{"年末調整/a.txt", "new a"}, {"年末調整/b.txt", "new b"}};
}

TEST(FileSwitchTest, AllChangesHappenTogether) {
    test::TempDrives drives;
    setUpFolder();
    runSwitch();
    EXPECT_EQ(test::dataSnapshot(), newFiles());
    EXPECT_FALSE(FileSwitch::finish(kPlan));
}

// Stopped before each step, the files are all old or, once the next start has run, all new;
// nothing of the switch is left over.
TEST(FileSwitchTest, AStopAtAnyStepLeavesTheOldFilesOrTheNextStartFinishesTheSwitch) {
    bool sawOld = false;
    bool sawNew = false;
    for (int step = 1;; ++step) {
        SCOPED_TRACE(step);
        test::TempDrives drives;
        setUpFolder();
        if (!test::runWithFault(FileFaults::Mode::Stop, step, runSwitch)) break;
        const bool planStands = fileExists(kPlan);
        // Stopped only before its mark was removed: the switch is done, the mark stands.
        const bool switched = dataFiles() == newFiles();
        // The mark is the first file written: whatever else is left comes with it.
        const Snapshot left = dataFiles();
        const bool markBeingWritten = std::any_of(left.begin(), left.end(), [](const auto& file) {
            return file.first.find(".work-mark.tmp-") != std::string::npos;
        });
        const bool nothingButTheMark = left == oldFiles();
        EXPECT_TRUE(nothingButTheMark || markBeingWritten || marked());
        if (!planStands && !switched) {
            EXPECT_EQ(test::readBytes(kReplaced), "old a");
            EXPECT_EQ(test::readBytes(kRemoved), "old c");
            EXPECT_FALSE(fileExists(kCreated));
        }

        const RecoveryReport report = test::startAgain();
        const Snapshot after = test::dataSnapshot();
        EXPECT_TRUE(after == oldFiles() || after == newFiles());
        EXPECT_EQ(after == newFiles(), planStands || switched);
        EXPECT_EQ(report.finishedChanges, planStands ? 1 : 0);
        // Nothing to put right: stopped before the mark or right after it, or after the switch.
        EXPECT_EQ(report.empty(), nothingButTheMark || switched);
        sawOld = sawOld || after == oldFiles();
        sawNew = sawNew || after == newFiles();
    }
    EXPECT_TRUE(sawOld);
    EXPECT_TRUE(sawNew);
}

// A failure before the plan leaves the old files and nothing prepared; one after it is told
// apart, and finishing the plan makes every file new.
TEST(FileSwitchTest, AFailureAtAnyStepLeavesTheOldFilesOrAPlanThatFinishes) {
    for (int step = 1;; ++step) {
        SCOPED_TRACE(step);
        test::TempDrives drives;
        setUpFolder();
        bool unfinished = false;
        const bool reached = test::runWithFault(FileFaults::Mode::Fail, step, [&] {
            try {
                runSwitch();
            } catch (const UnfinishedSwitch&) {
                unfinished = true;
            } catch (const RecordError&) {
            }
        });
        if (!reached) break;
        if (!unfinished) {
            // Refused whole; or done, and only its mark could not be removed (the next start
            // removes it).
            const Snapshot now = dataFiles();
            EXPECT_TRUE(now == oldFiles() || (now == newFiles() && marked()));
            continue;
        }
        EXPECT_TRUE(FileSwitch::finish(kPlan));
        EXPECT_EQ(dataFiles(), newFiles());
        EXPECT_TRUE(marked());  // for the next start, which finds nothing more to do
    }
}

}  // namespace
}  // namespace nencho
