// What the clerk is told of, or asked about, stands on the disk: every folder an action wrote
// into is synced before any dialog, and an action syncs each such folder once, at its end.
#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/failure.h"
#include "platform/file_system.h"
#include "platform/ui/action_guard.h"
#include "platform/ui/screen.h"
#include "support/file_faults.h"
#include "support/screen_test.h"

namespace nencho::test {
namespace {

// The folders whose last change before this point has no sync after it.
std::vector<std::string> foldersNotSynced(
    const std::vector<std::pair<FileStep, std::string>>& steps) {
    std::vector<std::string> waiting;
    for (const auto& [step, path] : steps) {
        if (step == FileStep::SyncFolder) {
            std::erase(waiting, path);
            continue;
        }
        if (step != FileStep::Rename && step != FileStep::Delete) continue;
        const std::string folder = std::filesystem::path(path).parent_path().string();
        if (std::find(waiting.begin(), waiting.end(), folder) == waiting.end())
            waiting.push_back(folder);
    }
    return waiting;
}

// Notes, as each dialog comes up, the folders changed and not yet synced.
class SyncCheckingDialogs : public ScriptedDialogs {
  public:
    explicit SyncCheckingDialogs(const std::unique_ptr<FileFaults>& steps) : steps_(steps) {}
    MessageAnswer messageBox(const QString& prompt, const QString& title, MessageIcon icon,
                             MessageButtons buttons) override {
        unsyncedAtDialogs.push_back(foldersNotSynced(steps_->seen()));
        return ScriptedDialogs::messageBox(prompt, title, icon, buttons);
    }
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override {
        unsyncedAtDialogs.push_back(foldersNotSynced(steps_->seen()));
        return ScriptedDialogs::inputBox(prompt, title, defaultText);
    }
    std::vector<std::vector<std::string>> unsyncedAtDialogs;

  private:
    const std::unique_ptr<FileFaults>& steps_;
};

class Saving : public Screen {
  public:
    Saving() : Screen("Saving") {
        setWindowTitle("保存");
        addButton("Command1", "保存する", 0, 0, 1500, 400, [this] { action(); });
        addButton("Command2", "中で保存する", 0, 400, 1500, 400, [this] {
            press("Command1");
            writeFile("c:\\年末調整\\個人名\\103.txt", "record");
        });
    }
    std::function<void()> action;
};

class ActionSyncTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ensureDataTree("H17");
        steps = std::make_unique<FileFaults>(FileFaults::Mode::Fail, 0);
        auto host = std::make_unique<SyncCheckingDialogs>(steps);
        checking = host.get();
        dialogs = host.get();
        setDialogHost(std::move(host));
        ScreenRegistry::instance().registerFactory("Saving",
                                                   [] { return std::make_unique<Saving>(); });
        screen = static_cast<Saving*>(&screens::touch("Saving"));
        screen->show();
    }
    void TearDown() override {
        steps.reset();
        ScreenTest::TearDown();
    }
    std::vector<std::string> folderSyncs() const {
        std::vector<std::string> syncs;
        for (const auto& [step, path] : steps->seen())
            if (step == FileStep::SyncFolder) syncs.push_back(path);
        return syncs;
    }

    std::unique_ptr<FileFaults> steps;
    SyncCheckingDialogs* checking = nullptr;
    Saving* screen = nullptr;
};

const char* const kYearRecord = "c:\\年末調整\\H17年末調整\\1020.txt";
const char* const kPersonRecord = "c:\\年末調整\\個人名\\102.txt";

TEST_F(ActionSyncTest, NoDialogComesBeforeTheFoldersTheActionWroteAreSynced) {
    const struct {
        const char* name;
        std::function<void()> tell;
    } cases[] = {
        {"message", [] { showMessage("保存しました。", "保存"); }},
        {"question", [] { confirm("続けますか", "保存"); }},
        {"input box", [] { nencho::dialogs().inputBox("何人ですか", "保存", {}); }},
        {"failure shown by the guard", [] { throw Failure("途中で失敗しました。"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        checking->unsyncedAtDialogs.clear();
        checking->inputs.push_back(QString("1"));
        screen->action = [&] {
            writeFile(kYearRecord, "record");
            writeFile(kPersonRecord, "record");
            deleteFile(kPersonRecord);
            c.tell();
        };
        click("Saving", "Command1");
        ASSERT_EQ(checking->unsyncedAtDialogs.size(), 1u);
        EXPECT_EQ(checking->unsyncedAtDialogs[0], std::vector<std::string>{});
        checking->inputs.clear();
    }
}

// Three records in one folder and one in another: each folder is synced once, after the last
// change in it, and an action pressed by another syncs with the outer one.
TEST_F(ActionSyncTest, AnActionSyncsEachFolderItWroteOnceAtItsEnd) {
    const std::string year = drives->host("c:\\年末調整\\H17年末調整").string();
    const std::string persons = drives->host("c:\\年末調整\\個人名").string();
    screen->action = [] {
        for (const char* name : {"1020.txt", "1021.txt", "1022.txt"})
            writeFile(std::string("c:\\年末調整\\H17年末調整\\") + name, "record");
        writeFile(kPersonRecord, "record");
    };
    click("Saving", "Command1");
    EXPECT_EQ(folderSyncs(), (std::vector<std::string>{year, persons}));
    EXPECT_EQ(foldersNotSynced(steps->seen()), std::vector<std::string>{});

    const auto before = steps->seen().size();
    click("Saving", "Command2");
    std::vector<std::string> syncs;
    for (auto step = steps->seen().begin() + static_cast<std::ptrdiff_t>(before);
         step != steps->seen().end(); ++step)
        if (step->first == FileStep::SyncFolder) syncs.push_back(step->second);
    EXPECT_EQ(syncs, (std::vector<std::string>{year, persons}));
    EXPECT_EQ(steps->seen().back().first, FileStep::SyncFolder);
}

// A folder that cannot be synced is a write the disk refused: the clerk reads it under the
// action's title, and before any message of the action that would speak of the write as done.
TEST_F(ActionSyncTest, AFolderThatCannotBeSyncedIsToldAsAFailedWrite) {
    const struct {
        const char* name;
        std::function<void()> tell;
        std::vector<QString> titles;
    } cases[] = {
        {"no message of its own", [] {}, {"保存する"}},
        {"a message after the write", [] { showMessage("保存しました。", "保存"); }, {"", "保存"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs->messages.clear();
        steps.reset();  // its end takes its hook away
        steps = std::make_unique<FileFaults>(FileFaults::Mode::FailFolderSync, 1);
        screen->action = [&] {
            writeFile(kYearRecord, "record");
            c.tell();
        };
        click("Saving", "Command1");
        ASSERT_EQ(dialogs->messages.size(), c.titles.size());
        for (std::size_t i = 0; i < c.titles.size(); ++i)
            EXPECT_EQ(dialogs->messages[i].title, c.titles[i]) << i;
        EXPECT_TRUE(dialogs->messages[0].prompt.startsWith("ファイルに書き込めませんでした。\n"))
            << dialogs->messages[0].prompt.toStdString();
    }
}

}  // namespace
}  // namespace nencho::test
