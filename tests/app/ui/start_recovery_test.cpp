// What the start of the program puts right after a run that ended half-way, and tells once.
#include "app/ui/application.h"
#include "common/paths.h"
#include "platform/file_system.h"
#include "platform/kept_files.h"
#include "platform/piece_of_work.h"
#include "support/screen_test.h"

namespace nencho::test {
namespace {

namespace fs = std::filesystem;

class StartRecovery : public ScreenTest {};

TEST_F(StartRecovery, StaleTemporaryFilesAndAnUnfinishedRunArePutRightAndToldOnce) {
    ensureDataTree("H17");
    const std::string ledger = *yearFilePath("H17", 102, YearFileKind::Ledger);
    writeBytes(ledger, "ledger before");
    {
        KeptFiles kept({ledger});  // a ledger deletion that never ended
        nencho::writeFile(ledger, "half deleted");
    }
    PieceOfWork::forgetRun();  // the program ended here
    const std::string stale = ledger + ".tmp-a1b2c3";
    writeBytes(stale, "half");
    const auto runStart = fs::file_time_type::clock::now();
    const std::string current = personFilePath(102) + ".tmp-x9y8z7";
    writeBytes(current, "being written by this run");
    fs::last_write_time(drives->host(current), runStart + std::chrono::seconds(1));

    recoverAtStart(runStart);
    recoverAtStart(runStart);

    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "前回の作業の片付け");
    EXPECT_TRUE(dialogs->messages[0].prompt.contains("一時ファイル 1 個"));
    EXPECT_TRUE(dialogs->messages[0].prompt.contains(QString::fromStdString(ledger)));
    EXPECT_EQ(readBytes(ledger), "ledger before");
    EXPECT_FALSE(exists(stale));
    EXPECT_TRUE(exists(current));
}

TEST_F(StartRecovery, ACleanDataFolderSaysNothing) {
    ensureDataTree("H17");
    recoverAtStart(fs::file_time_type::clock::now());
    EXPECT_TRUE(dialogs->messages.empty());
}

}  // namespace
}  // namespace nencho::test
