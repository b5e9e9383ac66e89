// A ledger save that changes what it feeds (the insurance and dependants records), and a monthly
// calculation (its pay record, the fed records and the ledger), each stopped at every file step
// and followed by a start, or failing at every file step while the program goes on: the
// person's records are all as before or all as after, and what the user was told was saved
// stays saved.
#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "app/ui/application.h"
#include "common/paths.h"
#include "ledger/ledger_grid.h"
#include "ledger/ui/form2_controls.h"
#include "ledger_screen_test.h"
#include "platform/file_steps.h"
#include "platform/piece_of_work.h"
#include "platform/recovery.h"
#include "support/file_faults.h"

namespace nencho::test {
namespace {

using Snapshot = std::vector<std::pair<std::string, std::string>>;

const std::string kLedger = "年末調整/H17年末調整/1020.txt";
const std::string kDependants = "年末調整/H17年末調整/1022.txt";
const std::string kDecemberRecord = "年末調整/H17年末調整/1020012.txt";

std::string recordIn(const Snapshot& files, const std::string& name) {
    const auto found = std::find_if(files.begin(), files.end(),
                                    [&](const auto& file) { return file.first == name; });
    return found == files.end() ? std::string() : found->second;
}

class SaveCutShort : public LedgerScreenTest {
  protected:
    // The known ledger of company 1, person 2, saved once so that it has fed its insurance and
    // dependants records, and a December pay record of an earlier calculation.
    Snapshot freshPerson() {
        TearDown();
        SetUp();
        writeLines(*monthlyPayRecordPath("H17", 102, 12),
                   {"12", "261000", "12000", "15000", "0", "5120", "32120", "228880"});
        openKnownLedger();
        ledger().press(form2::kSaveButton);
        clearEvents();
        return dataSnapshot();
    }

    // December's social insurance 90,000 and two dependants typed, then the month totals, which
    // end in the save.
    void saveChangingItsFeed() {
        type(ledgerBox(12, LedgerColumn::SocialInsurance), "90,000");
        type(ledgerBox(12, LedgerColumn::Dependants), "2");
        ledger().press(form2::kMonthTotalsButton);
    }
    // December computed with two dependants.
    void calculateDecember() {
        screens::setOption("Form8", "optFu2", true);
        click("Form2", form2::monthComputeButton(12));
        click("Form8", "Command1");
    }

    // Runs the action whole once, then stopped at each of its steps from the state before it,
    // each followed by a start's clean-up: every outcome is the one before or the one after.
    void expectAllOldOrAllNew(const std::function<void()>& action,
                              const std::vector<std::string>& changedRecords) {
        const Snapshot before = freshPerson();
        action();
        const Snapshot after = dataSnapshot();
        for (const std::string& record : changedRecords)
            ASSERT_NE(recordIn(before, record), recordIn(after, record)) << record;
        int sawOld = 0;
        for (int step = 1;; ++step) {
            SCOPED_TRACE(testing::Message() << "stopped at step " << step);
            ASSERT_EQ(freshPerson(), before);
            if (!runWithFault(FileFaults::Mode::Stop, step, action)) break;
            test::startAgain();
            const Snapshot outcome = dataSnapshot();
            sawOld += outcome == before;
            EXPECT_TRUE(outcome == before || outcome == after);
        }
        EXPECT_GT(sawOld, 0);
        // Removing the keep list is the run's last step: a stop at any step puts it all back.
    }

    // A write failing at each step (or the disk refusing every write from that step on, or a
    // folder's sync failing): the user reads one message and the person is all as before, and
    // stays so after a start. Once the disk takes writes again, the same work saves, and no start
    // undoes it.
    void expectFailuresToPutAllBack(const std::function<void()>& action, const char* title) {
        const Snapshot before = freshPerson();
        action();
        const Snapshot after = dataSnapshot();
        const struct {
            FileFaults::Mode mode;
            const char* how;
        } faults[] = {{FileFaults::Mode::Fail, "failed at step "},
                      {FileFaults::Mode::FailFrom, "failing from step "},
                      {FileFaults::Mode::FailFolderSync, "a folder's sync failed at "}};
        for (const auto& [mode, how] : faults) {
            for (int step = 1;; ++step) {
                SCOPED_TRACE(testing::Message() << how << step);
                ASSERT_EQ(freshPerson(), before);
                dialogs->messages.clear();
                if (!runWithFault(mode, step, action)) break;
                ASSERT_EQ(dialogs->messages.size(), 1u);
                EXPECT_EQ(dialogs->messages[0].title, title);
                const QString told = dialogs->messages[0].prompt;
                EXPECT_TRUE(told.contains("保存できませんでした")) << told.toStdString();
                EXPECT_FALSE(told.contains(".keep")) << told.toStdString();
                if (mode != FileFaults::Mode::FailFrom) {
                    EXPECT_EQ(dataSnapshot(), before);
                }

                action();  // the disk takes writes again
                EXPECT_EQ(dataSnapshot(), after);
                startAgain();
                EXPECT_EQ(dataSnapshot(), after);
            }
        }
    }
};

// December's social insurance 90,000 and two dependants typed, then the month totals, which end
// in the save: the dependants record, the insurance record and the ledger change together.
TEST_F(SaveCutShort, ASaveThatChangesItsFeedIsAllOldOrAllNewAfterAStart) {
    expectAllOldOrAllNew([this] { saveChangingItsFeed(); }, {kLedger, kDependants});
}

// December computed with two dependants: its pay record, the fed records and the ledger.
TEST_F(SaveCutShort, AMonthlyCalculationIsAllOldOrAllNewAfterAStart) {
    expectAllOldOrAllNew([this] { calculateDecember(); }, {kLedger, kDependants, kDecemberRecord});
}

TEST_F(SaveCutShort, AFailedWriteInASaveThatChangesItsFeedPutsItAllBackAndSaysSoOnce) {
    expectFailuresToPutAllBack([this] { saveChangingItsFeed(); }, "メモリー不足により登録不可");
}

TEST_F(SaveCutShort, AFailedWriteInAMonthlyCalculationPutsItAllBackAndSaysSoOnce) {
    expectFailuresToPutAllBack([this] { calculateDecember(); }, "毎月の給与計算");
}

// The save cut short at its last step, its list still there, then a start that cannot put the
// person back, failing at each of its steps (or failing from there on, or a folder's sync
// failing): the clerk is told, saves the person again in the same run, and the next start leaves
// that save as it stands.
TEST_F(SaveCutShort, AStartThatCannotPutThePersonBackNeverUndoesTheNextSave) {
    const Snapshot before = freshPerson();
    int steps = 0;
    {
        const FileFaults counter(FileFaults::Mode::Fail, 0);
        saveChangingItsFeed();
        steps = counter.steps();
    }
    const Snapshot after = dataSnapshot();
    for (const FileFaults::Mode mode :
         {FileFaults::Mode::Fail, FileFaults::Mode::FailFrom, FileFaults::Mode::FailFolderSync}) {
        for (int step = 1;; ++step) {
            SCOPED_TRACE(testing::Message() << static_cast<int>(mode) << " at step " << step);
            ASSERT_EQ(freshPerson(), before);
            ASSERT_TRUE(
                runWithFault(FileFaults::Mode::Stop, steps, [this] { saveChangingItsFeed(); }));
            dialogs->messages.clear();
            PieceOfWork::forgetRun();  // the program ended there and starts again
            bool reached = false;
            {
                const FileFaults faults(mode, step);
                recoverAtStart(std::filesystem::file_time_type::clock::now());
                reached = faults.reached();
            }
            if (!reached) break;
            ASSERT_EQ(dialogs->messages.size(), 1u);
            EXPECT_EQ(dialogs->messages[0].title, "前回の作業の片付け");
            EXPECT_TRUE(dialogs->messages[0].prompt.contains("片付けられませんでした"));

            saveChangingItsFeed();
            EXPECT_EQ(dataSnapshot(), after);
            startAgain();
            EXPECT_EQ(dataSnapshot(), after);
        }
    }
}

// A fault of the program in the middle of a save puts the person back at once, and the clerk
// reads that the save did not happen, then the fault.
TEST_F(SaveCutShort, AFaultInTheMiddleOfASavePutsThePersonBackAtOnceAndSaysSo) {
    const Snapshot before = freshPerson();
    // The fault comes before one of the writes after the keep list's: some records rewritten,
    // others not yet.
    const auto writesIn = [](const FileFaults& faults) {
        return std::count_if(faults.seen().begin(), faults.seen().end(), [](const auto& step) {
            return step.first == FileStep::WriteTemporary;
        });
    };
    long writes = 0;
    {
        const FileFaults counter(FileFaults::Mode::Fail, 0);
        saveChangingItsFeed();
        writes = writesIn(counter);
    }
    ASSERT_GT(writes, 2);
    for (long write = 2; write <= writes; ++write) {
        SCOPED_TRACE(testing::Message() << "a fault before write " << write);
        ASSERT_EQ(freshPerson(), before);
        dialogs->messages.clear();
        long seen = 0;
        setFileStepHook([&](FileStep kind, const std::filesystem::path&) {
            if (kind == FileStep::WriteTemporary && ++seen == write)
                throw std::logic_error("集計の途中で予期しない状態になりました。");
        });
        saveChangingItsFeed();
        setFileStepHook({});
        EXPECT_EQ(dataSnapshot(), before);
        ASSERT_EQ(dialogs->messages.size(), 1u);
        const QString told = dialogs->messages[0].prompt;
        EXPECT_TRUE(
            told.startsWith("源泉徴収簿を保存できませんでした。\nこの操作で変えた記録は、"
                            "すべて操作の前の状態に戻しました。"))
            << told.toStdString();
        EXPECT_TRUE(told.endsWith("\n集計の途中で予期しない状態になりました。"))
            << told.toStdString();
    }
}

}  // namespace
}  // namespace nencho::test
