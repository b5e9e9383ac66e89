#include "platform/kept_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "common/paths.h"
#include "platform/file_steps.h"
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

// A list without its end mark, as lists of earlier builds were written, proves nothing about
// itself: nothing is put back from it.
TEST_F(KeptFilesTest, AListOfAnEarlierFormatIsNotActedOn) {
    writeFile(kOld, "rewritten\r\n");
    const std::string list = kOld + ".keep-list";
    writeFile(list, "1\t" + kOld + "\n0\t" + kNew + "\n");
    EXPECT_THROW(KeptFiles::leftBy(list), UnprovenList);
    EXPECT_EQ(test::readBytes(kOld), "rewritten\r\n");
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
            EXPECT_TRUE(inner.end().stands());
        }
        writeFile(ledger, "ledger after");
        EXPECT_TRUE(outer.end().stands());
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
        test::startAgain();
        const auto outcome = test::dataSnapshot();
        sawOld += outcome == before;
        EXPECT_TRUE(outcome == before || outcome == after) << testing::PrintToString(outcome);
    }
    EXPECT_GT(sawOld, 0);
    // Removing the keep list is the run's last step: a stop at any step puts it all back.
}

// A change the disk refuses inside a piece of work, even one handled on the way, ends the work
// with every record put back. Where the list cannot be removed, or the records not put back, the
// run keeps the list in hand: it is settled before a record of it changes again, by a later
// piece or by any other write, so no start puts back an older state over later work.
TEST(PieceOfWorkTest, AListLeftInARunThatGoesOnNeverUndoesLaterWork) {
    const std::string ledger = "c:\\年末調整\\H17年末調整\\1020.txt";
    const std::string dependants = "c:\\年末調整\\H17年末調整\\1022.txt";
    const struct {
        const char* how;
        // Which step of the piece's end the disk refuses.
        std::function<bool(FileStep, const std::string&)> refuses;
        bool putBackNow;
    } endings[] = {
        {"the list cannot be removed",
         [](FileStep step, const std::string& path) {
             return step == FileStep::Delete && path.ends_with(".keep-list");
         },
         true},
        {"nothing can be written any more", [](FileStep, const std::string&) { return true; },
         false},
    };
    const struct {
        const char* how;
        std::function<void()> work;
    } laterWork[] = {
        {"a later piece of work",
         [&] {
             PieceOfWork later({ledger, dependants});
             writeFile(ledger, "ledger saved later");
             EXPECT_TRUE(later.end().stands());
         }},
        {"a write of one of its records", [&] { writeFile(ledger, "ledger saved later"); }},
    };
    for (const auto& ending : endings) {
        for (const auto& later : laterWork) {
            SCOPED_TRACE(testing::Message() << ending.how << ", then " << later.how);
            test::TempDrives drives;
            ensureDataTree("H17");
            writeFile(ledger, "ledger before");
            PieceOfWork piece({ledger, dependants});
            writeFile(ledger, "ledger saved");
            writeFile(dependants, "dependants saved");
            bool refusing = false;
            setFileStepHook([&](FileStep step, const std::filesystem::path& path) {
                if (refusing && ending.refuses(step, path.string()))
                    fail(FileErrorKind::WriteFailed, path.string(),
                         "ディスクの読み書きに失敗しました。");
            });
            refusing = true;
            const PieceOfWork::Ending end = piece.end();
            refusing = false;
            EXPECT_FALSE(end.stands());
            // Put back, the records wait for nothing more; the list alone goes later.
            EXPECT_EQ(end.putBackLater.has_value(), !ending.putBackNow);
            if (ending.putBackNow) {
                EXPECT_EQ(test::readBytes(ledger), "ledger before");
                EXPECT_FALSE(test::exists(dependants));
            }

            later.work();
            setFileStepHook({});
            EXPECT_EQ(test::readBytes(ledger), "ledger saved later");
            EXPECT_FALSE(test::exists(dependants));
            test::startAgain();
            EXPECT_EQ(test::readBytes(ledger), "ledger saved later");
            EXPECT_FALSE(test::exists(dependants));
        }
    }
}

// A fault of the program that leaves a piece of work puts its records back at once, before the
// screens, a printout or a backup can see them half-way; what the disk refuses on the way back is
// put back before the records change again.
TEST(PieceOfWorkTest, APieceLeftByAnExceptionPutsItsRecordsBackAtOnce) {
    const std::string ledger = "c:\\年末調整\\H17年末調整\\1020.txt";
    const std::string dependants = "c:\\年末調整\\H17年末調整\\1022.txt";
    for (const bool diskRefuses : {false, true}) {
        SCOPED_TRACE(diskRefuses ? "the disk refuses the way back" : "the way back is open");
        test::TempDrives drives;
        ensureDataTree("H17");
        writeFile(ledger, "ledger before");
        try {
            PieceOfWork piece({ledger, dependants});
            writeFile(ledger, "ledger half way");
            writeFile(dependants, "dependants half way");
            if (diskRefuses)
                setFileStepHook([](FileStep, const std::filesystem::path& path) {
                    fail(FileErrorKind::WriteFailed, path.string(),
                         "ディスクの読み書きに失敗しました。");
                });
            throw std::logic_error("a fault of the program");
        } catch (const std::logic_error&) {
        }
        setFileStepHook({});
        if (diskRefuses) {
            EXPECT_EQ(test::readBytes(ledger), "ledger half way");
            writeFile(dependants,
                      "dependants saved later");  // a change of one of them settles first
        }
        EXPECT_EQ(test::readBytes(ledger), "ledger before");
        EXPECT_EQ(test::exists(dependants), diskRefuses);
        test::startAgain();
        EXPECT_EQ(test::readBytes(ledger), "ledger before");
    }
}

// A change of two files asks the hook of each before it is made, though settling on the first
// removes the hook: a move of a record this run holds to put back settles it first.
TEST(PieceOfWorkTest, AMoveOfARecordHeldToBePutBackSettlesItFirst) {
    test::TempDrives drives;
    ensureDataTree("H17");
    const std::string ledger = "c:\\年末調整\\H17年末調整\\1020.txt";
    const std::string moved = "c:\\年末調整\\H17年末調整\\1020.txt.moved";
    writeFile(ledger, "ledger before");
    {
        PieceOfWork piece({ledger});
        writeFile(ledger, "ledger saved");
        test::FileFaults faults(test::FileFaults::Mode::FailFrom, 1);
        EXPECT_TRUE(piece.end().putBackLater);
    }
    EXPECT_NO_THROW(moveFile(ledger, moved));
    EXPECT_EQ(test::readBytes(moved), "ledger before");
    test::startAgain();
    EXPECT_EQ(test::readBytes(moved), "ledger before");
    EXPECT_FALSE(test::exists(ledger));
}

// A piece whose list cannot be written changes nothing and tells of the data folder, never of the
// program's own file.
TEST(PieceOfWorkTest, APieceWhoseListCannotBeWrittenChangesNothing) {
    test::TempDrives drives;
    ensureDataTree("H17");
    const std::string ledger = "c:\\年末調整\\H17年末調整\\1020.txt";
    writeFile(ledger, "ledger before");
    test::FileFaults faults(test::FileFaults::Mode::Fail, 1);
    try {
        PieceOfWork piece({ledger});
        ADD_FAILURE() << "the piece began";
    } catch (const RecordError& error) {
        const std::string told = error.what();
        EXPECT_NE(told.find("c:\\年末調整"), std::string::npos) << told;
        EXPECT_EQ(told.find(".keep"), std::string::npos) << told;
    }
    EXPECT_EQ(test::readBytes(ledger), "ledger before");
}

}  // namespace
}  // namespace nencho
