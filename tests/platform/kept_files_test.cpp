#include "platform/kept_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "common/paths.h"
#include "platform/file_system.h"
#include "platform/piece_of_work.h"
#include "platform/record_error.h"
#include "platform/recovery.h"
#include "support/file_faults.h"
#include "support/temp_drives.h"

namespace nencho {
namespace {

const std::string kOld = "c:\\d\\old.txt";
const std::string kNew = "c:\\d\\new.txt";

class KeptFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        createFolder("c:\\d");
        test::writeBytes(kOld, "old\r\n");
    }
    // What the run writes, replacing each file as every write of the program does.
    static void rewrite() {
        writeFile(kOld, "rewritten\r\n");
        writeFile(kNew, "made by the run\r\n");
    }
    std::vector<std::string> filesInFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(drives.host("c:\\d")))
            if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    test::TempDrives drives;
};

TEST_F(KeptFilesTest, RestorePutsBackTheBytesAndRemovesFilesThatWereNotThere) {
    KeptFiles kept({kOld, kNew});
    EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"old.txt", "old.txt.keep-list"}));
    rewrite();

    kept.restore();
    EXPECT_EQ(test::readBytes(kOld), "old\r\n");
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"old.txt"});
}

TEST_F(KeptFilesTest, DiscardKeepsTheRunsFilesAndRemovesTheList) {
    KeptFiles kept({kOld, kNew});
    rewrite();

    kept.discard();
    EXPECT_EQ(test::readBytes(kOld), "rewritten\r\n");
    EXPECT_EQ(test::readBytes(kNew), "made by the run\r\n");
    EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"new.txt", "old.txt"}));
}

TEST_F(KeptFilesTest, AListThatCannotBeWrittenLeavesEveryFileAsItWas) {
    test::writeBytes(kNew, "new\r\n");
    createFolder(kOld + ".keep-list");  // a folder where the list should go
    EXPECT_THROW(KeptFiles({kOld, kNew}), RecordError);
    EXPECT_EQ(test::readBytes(kOld), "old\r\n");
    EXPECT_EQ(test::readBytes(kNew), "new\r\n");
    EXPECT_EQ(filesInFolder(), (std::vector<std::string>{"new.txt", "old.txt"}));
}

// A run of an earlier version kept copies beside its files and named them in its list.
TEST_F(KeptFilesTest, ARunOfAnEarlierVersionIsPutBackFromItsCopies) {
    writeFile(kOld, "rewritten\r\n");
    writeFile(KeptFiles::copyPathOf(kOld), "old\r\n");
    writeFile(kNew, "made by the run\r\n");
    const std::string list = kOld + ".keep-list";
    writeFile(list, "1\t" + kOld + "\n0\t" + kNew + "\n");
    EXPECT_EQ(KeptFiles::copiesNamedBy(list),
              std::vector<std::string>{KeptFiles::copyPathOf(kOld)});

    EXPECT_EQ(KeptFiles::restoreLeftRun(list), (std::vector<std::string>{kOld, kNew}));
    EXPECT_EQ(test::readBytes(kOld), "old\r\n");
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"old.txt"});
}

// A piece of work begun inside another joins it, bringing a file the outer piece had not kept,
// and leaves the end to the outer piece: stopped at any step and followed by a start, both files
// are as before the outer piece or as it leaves them.
TEST(PieceOfWorkTest, APieceBegunInsideAnotherJoinsItAndAStopAnywhereEndsAllOldOrAllNew) {
    test::TempDrives drives;
    const std::string ledger = "c:\\年末調整\\H17年末調整\\1020.txt";
    const std::string dependants = "c:\\年末調整\\H17年末調整\\1022.txt";
    const auto fresh = [&] {
        std::filesystem::remove_all(drives.host(dataRootFolder()));
        ensureDataTree("H17");
        writeFile(ledger, "ledger before");
        return test::dataSnapshot();
    };
    const auto work = [&] {
        PieceOfWork outer({ledger});
        EXPECT_FALSE(outer.joined());
        writeFile(ledger, "ledger half way");
        {
            PieceOfWork inner({ledger, dependants});
            EXPECT_TRUE(inner.joined());
            writeFile(dependants, "dependants after");
            inner.done();
        }
        writeFile(ledger, "ledger after");
        outer.done();
    };
    const auto before = fresh();
    work();
    const auto after = test::dataSnapshot();
    ASSERT_EQ(after.size(), 2u);
    int sawOld = 0;
    for (int step = 1;; ++step) {
        SCOPED_TRACE(step);
        ASSERT_EQ(fresh(), before);
        if (!test::runWithFault(test::FileFaults::Mode::Stop, step, work)) break;
        recoverUnfinishedWork(std::filesystem::file_time_type::clock::now());
        const auto outcome = test::dataSnapshot();
        sawOld += outcome == before;
        EXPECT_TRUE(outcome == before || outcome == after) << testing::PrintToString(outcome);
    }
    EXPECT_GT(sawOld, 0);
    // Removing the keep list is the run's last step: a stop at any step puts it all back.
}

}  // namespace
}  // namespace nencho
