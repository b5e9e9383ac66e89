#include "records/ui/form12.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <filesystem>
#include <fstream>
#include <map>

#include "platform/volumes.h"
#include "records/backup.h"
#include "records/maintenance_fixture.h"
#include "support/screen_test.h"

namespace nencho::test {
namespace {

namespace fs = std::filesystem;

class Form12Test : public ScreenTest {
  protected:
    void TearDown() override {
        setVolumeRoots({});
        ScreenTest::TearDown();
    }

    // The screen as the main menu leaves it: created by the year's write, year button pressed.
    Screen& open() {
        screens::write("Form12", "Text10", QString::fromStdString(kYear));
        Screen& screen = screens::touch("Form12");
        screen.press("Command36");
        screens::show("Form12");
        return screen;
    }

    static QStringList items(Screen& screen, const QString& list) {
        QStringList rows;
        auto* widget = screen.control<QListWidget>(list);
        for (int row = 0; row < widget->count(); ++row) rows << widget->item(row)->text();
        return rows;
    }

    static void choose(Screen& screen, const QString& list, int row) {
        clickRow(screen.control<QListWidget>(list), row);
    }
};

TEST_F(Form12Test, CompanyAndPersonChoiceListTheCompanysOwnPersons) {
    writeCompany(5, "五社");
    writeCompany(123, "百二十三社");
    writePerson(5, 1, "一郎");
    writePerson(5, 2, "二郎");
    writePerson(5, 4, "四郎");
    writePerson(6, 1, "六社一郎");  // key 601, which company 5 with code 101 would name
    Screen& screen = open();
    EXPECT_EQ(items(screen, "List1"), QStringList({"05 : 五社", "123 : 百二十三社"}));

    choose(screen, "List1", 0);
    EXPECT_EQ(screen.textOf("Text1"), "5");
    for (const char* box : {"Text2", "Text6", "Text7"}) EXPECT_EQ(screen.textOf(box), "五社");
    EXPECT_EQ(items(screen, "List2"), QStringList({"01 : 一郎", "02 : 二郎", "04 : 四郎"}));
    EXPECT_EQ(screen.textOf("Text3"), "");

    choose(screen, "List2", 1);
    EXPECT_EQ(screen.textOf("Text4"), "2");
    EXPECT_EQ(screen.textOf("Text3"), "二郎");

    test::click("Form12", "Command3");  // NEXT to the gap at 3
    EXPECT_EQ(screen.textOf("Text4"), "3");
    EXPECT_EQ(screen.textOf("Text3"), "");
    test::click("Form12", "Command3");
    EXPECT_EQ(screen.textOf("Text3"), "四郎");
    screen.setTextOf("Text4", "100");
    test::click("Form12", "Command3");
    EXPECT_EQ(screen.textOf("Text4"), "101");
    EXPECT_EQ(screen.textOf("Text3"), "");

    screen.setTextOf("Text4", "3");
    test::click("Form12", "Command4");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "個人呼び出し");
}

// Opening the screen and moving through its lists loads nothing until a row is chosen.
TEST_F(Form12Test, TheListsActOnTheUsersChoiceNeverOnTheFocus) {
    writeCompany(5, "五社");
    writeCompany(6, "六社");
    writePerson(5, 1, "一郎");
    writePerson(5, 2, "二郎");
    Screen& screen = open();
    auto* companies = screen.control<QListWidget>("List1");
    auto* persons = screen.control<QListWidget>("List2");

    tabInto(companies);
    EXPECT_EQ(companies->currentRow(), -1);
    for (const char* box : {"Text1", "Text2", "Text3", "Text4"})
        EXPECT_EQ(screen.textOf(box).trimmed(), "") << box;
    EXPECT_EQ(persons->count(), 0);

    pressKeyIn(companies, Qt::Key_Down);
    EXPECT_EQ(screen.textOf("Text1"), "5");
    EXPECT_EQ(screen.textOf("Text2"), "五社");
    ASSERT_EQ(persons->count(), 2);

    tabInto(persons);
    EXPECT_EQ(screen.textOf("Text4"), "");
    EXPECT_EQ(screen.textOf("Text3"), "");
    pressKeyIn(persons, Qt::Key_Down);
    EXPECT_EQ(screen.textOf("Text4"), "1");
    EXPECT_EQ(screen.textOf("Text3"), "一郎");

    pressKeyIn(companies, Qt::Key_Down);
    EXPECT_EQ(screen.textOf("Text2"), "六社");
    EXPECT_EQ(persons->count(), 0);
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(Form12Test, PersonDeletionAsksAboutTheTypedCodeAndDeletesOnlyThatPerson) {
    writeCompany(1, "山田商事");
    writePerson(1, 1, "一郎");
    writePerson(1, 2, "二郎", {1, 2, 3, 4, 5});
    Screen& screen = open();
    choose(screen, "List1", 0);
    choose(screen, "List2", 0);
    ASSERT_EQ(screen.textOf("Text3"), "一郎");
    screen.setTextOf("Text4", "2");  // typed, not loaded

    test::click("Form12", "Command1");

    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "二郎 氏を削除しますか");
    EXPECT_EQ(dialogs->messages[0].prompt, "");
    EXPECT_EQ(dialogs->messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(countExisting(sevenFiles(1, 2)), 0);
    EXPECT_EQ(countExisting(sevenFiles(1, 1)), 7);
    EXPECT_EQ(dialogs->beeps, 1);

    screen.setTextOf("Text4", "1");
    dialogs->answers.push_back(MessageAnswer::Cancel);
    test::click("Form12", "Command1");
    EXPECT_EQ(countExisting(sevenFiles(1, 1)), 7);
    EXPECT_EQ(dialogs->beeps, 2);

    screen.setTextOf("Text4", "2");  // no record any more: refused, nothing asked
    test::click("Form12", "Command1");
    ASSERT_EQ(dialogs->messages.size(), 3u);
    EXPECT_EQ(dialogs->messages[2].buttons, MessageButtons::Ok);
    EXPECT_EQ(dialogs->beeps, 2);
}

// A company or person registered without a name is asked about by its code, never by an empty
// name before the question's words.
TEST_F(Form12Test, TheDeletionQuestionsNameTheCodeOfARecordWithoutAName) {
    writeCompany(3, "");
    writePerson(3, 1, "\u3000");
    Screen& screen = open();
    screen.setTextOf("Text1", "3");
    screen.setTextOf("Text4", "1");
    dialogs->answers = {MessageAnswer::Cancel, MessageAnswer::Cancel};
    test::click("Form12", "Command1");
    test::click("Form12", "Command5");
    ASSERT_EQ(dialogs->messages.size(), 2u);
    EXPECT_EQ(dialogs->messages[0].title, "個人コード 1 の個人データを削除しますか");
    EXPECT_EQ(dialogs->messages[1].title, "会社コード 3 の会社データを削除しますか");
    EXPECT_TRUE(exists(companyFilePath(3)));
    EXPECT_EQ(countExisting(sevenFiles(3, 1)), 7);
}

TEST_F(Form12Test, CompanyDeletionDeletesEveryPersonAndShowsTheNotice) {
    writeCompany(1, "山田商事");
    writeCompany(2, "鈴木工業");
    writePerson(1, 1, "一郎");
    writePerson(1, 3, "三郎", {1, 2});  // a gap at 2 and no ledger
    writePerson(2, 1, "別社一郎");
    Screen& screen = open();
    choose(screen, "List1", 0);
    auto* notice = screen.control<QLabel>("Label3");
    EXPECT_TRUE(notice->isHidden());

    dialogs->answers.push_back(MessageAnswer::Cancel);
    test::click("Form12", "Command5");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "山田商事 を削除しますか");
    EXPECT_TRUE(exists(companyFilePath(1)));
    EXPECT_EQ(countExisting(sevenFiles(1, 1)), 7);

    test::click("Form12", "Command5");

    EXPECT_EQ(dialogs->messages.size(), 2u);
    EXPECT_FALSE(exists(companyFilePath(1)));
    EXPECT_EQ(countExisting(sevenFiles(1, 1)) + countExisting(sevenFiles(1, 3)), 0);
    EXPECT_EQ(countExisting(sevenFiles(2, 1)), 7);
    EXPECT_FALSE(notice->isHidden());
    EXPECT_EQ(notice->text(), "会社・従業員全員の削除が完了しました");
    EXPECT_EQ(screen.textOf("Text1"), "");
    EXPECT_EQ(items(screen, "List1"), QStringList({"02 : 鈴木工業"}));
    EXPECT_TRUE(items(screen, "List2").isEmpty());
}

TEST_F(Form12Test, CopyOntoATakenCodeAsksFirstAndACodeOf100IsRefused) {
    writeCompany(1, "山田商事");
    writePerson(1, 3, "三郎");
    writePerson(1, 5, "五郎");
    Screen& screen = open();
    choose(screen, "List1", 0);
    screen.setTextOf("Text4", "3");
    screen.setTextOf("Text5", "5");
    const std::string before = readBytes(personFile(1, 5));
    const std::string formerResult = readBytes(yearFile(1, 5, 3));

    dialogs->answers.push_back(MessageAnswer::Cancel);
    test::click("Form12", "Command10");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "書き換えますか");
    EXPECT_EQ(readBytes(personFile(1, 5)), before);
    EXPECT_EQ(readBytes(yearFile(1, 5, 3)), formerResult);
    EXPECT_EQ(dialogs->beeps, 0);

    test::click("Form12", "Command10");
    const auto lines = readLines(personFile(1, 5));
    EXPECT_EQ(lines[0], "5");
    EXPECT_EQ(lines[2], "\"三郎\"");
    EXPECT_EQ(readBytes(yearFile(1, 5, 3)), readBytes(yearFile(1, 3, 3)));
    EXPECT_EQ(dialogs->beeps, 1);

    for (const char* refused : {"100", ""}) {
        screen.setTextOf("Text5", refused);
        const std::size_t shown = dialogs->messages.size();
        test::click("Form12", "Command10");
        ASSERT_EQ(dialogs->messages.size(), shown + 1) << refused;
        EXPECT_EQ(dialogs->messages.back().title,
                  "年末調整がまだ完了していません。処理が不可能です。");
        EXPECT_EQ(dialogs->messages.back().buttons, MessageButtons::Ok);
    }
    EXPECT_FALSE(exists(personFilePath(200)));
    EXPECT_EQ(dialogs->beeps, 1);

    const std::size_t shown = dialogs->messages.size();
    screen.setTextOf("Text5", "7");  // a free code: no question
    test::click("Form12", "Command10");
    EXPECT_EQ(dialogs->messages.size(), shown);
    EXPECT_EQ(countExisting(sevenFiles(1, 7)), 7);
    EXPECT_EQ(dialogs->beeps, 2);
}

TEST_F(Form12Test, BackupToAStickAndRestoreFromIt) {
    const fs::path media = drives->root() / "media";
    fs::create_directories(media / "USB");
    setVolumeRoots({media});
    writeCompany(1, "山田商事");
    writePerson(1, 1, "一郎");
    writePerson(1, 2, "二郎", {0, 1, 2, 4, 5});  // the adjustment not run
    writePerson(1, 3, "三郎");
    Screen& screen = open();
    auto* target = screen.control<QComboBox>("Drive1");
    ASSERT_EQ(target->count(), 2);
    EXPECT_EQ(target->itemText(1), "d:");
    choose(screen, "List1", 0);
    target->setCurrentIndex(1);

    test::click("Form12", "Command14");

    EXPECT_EQ(dialogs->beeps, 1);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].prompt.startsWith("2人"));
    EXPECT_TRUE(dialogs->messages[0].prompt.contains("コピーしなかった個人コード: 2"));
    auto* bar = screen.control<QProgressBar>("ProgressBar1");
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(bar->value(), 0);
    EXPECT_TRUE(exists(backupPath("d:", yearFile(1, 3, 4))));
    EXPECT_FALSE(exists(backupPath("d:", personFile(1, 2))));

    const std::string ledger = readBytes(yearFile(1, 1, 0));
    fs::remove_all(drives->host(dataRootFolder()));
    screen.control<QComboBox>("Drive2")->setCurrentIndex(1);
    test::click("Form12", "Command16");

    EXPECT_EQ(dialogs->beeps, 2);
    EXPECT_EQ(readBytes(yearFile(1, 1, 0)), ledger);
    EXPECT_EQ(countExisting(sevenFiles(1, 3)), 7);
    EXPECT_FALSE(screen.control<QProgressBar>("ProgressBar2")->isHidden());
}

// A file of every record under the data drive, with its bytes.
std::map<std::string, std::string> filesUnder(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().string()] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return files;
}

// The program's own drive as the target of a backup or the source of a restore would copy the
// company onto itself: it is refused before anything is written, and no drive is preselected.
TEST_F(Form12Test, TheDataDriveIsNeverABackupTargetOrARestoreSource) {
    const fs::path media = drives->root() / "media";
    fs::create_directories(media / "USB");
    fs::create_directory_symlink(drives->host("c:\\"), media / "SAME");  // c: once more
    setVolumeRoots({media});
    writeCompany(1, "山田商事");
    writePerson(1, 1, "一郎");
    Screen& screen = open();
    choose(screen, "List1", 0);
    const auto before = filesUnder(drives->host("c:\\"));
    ASSERT_FALSE(before.empty());

    struct Case {
        const char* drive;
        const char* button;
        const char* title;
    };
    const Case cases[] = {
        {"c:", "Command14", "ドライブへのリカバリー"},
        {"c:", "Command16", "ドライブよりリストア"},
        {"d:", "Command14", "ドライブへのリカバリー"},  // the volume that is c:'s folder
        {"d:", "Command16", "ドライブよりリストア"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.drive) + " " + c.button);
        auto* list =
            screen.control<QComboBox>(QString(c.button) == "Command14" ? "Drive1" : "Drive2");
        ASSERT_EQ(list->itemText(1), "d:");
        list->setCurrentIndex(list->findText(c.drive));
        dialogs->messages.clear();
        test::click("Form12", c.button);
        ASSERT_EQ(dialogs->messages.size(), 1u);
        EXPECT_EQ(dialogs->messages[0].title, c.title);
        EXPECT_TRUE(dialogs->messages[0].prompt.startsWith(QString(c.drive) + " はこのプログラム"));
        EXPECT_EQ(dialogs->beeps, 0);
        EXPECT_EQ(filesUnder(drives->host("c:\\")), before);
    }
}

TEST_F(Form12Test, NoDriveIsChosenForTheUser) {
    const fs::path media = drives->root() / "media";
    fs::create_directories(media / "USB");
    setVolumeRoots({media});
    writeCompany(1, "山田商事");
    Screen& screen = open();
    for (const char* name : {"Drive1", "Drive2"}) {
        auto* list = screen.control<QComboBox>(name);
        EXPECT_EQ(list->count(), 2) << name;
        EXPECT_EQ(list->currentIndex(), -1) << name;
    }
    choose(screen, "List1", 0);
    test::click("Form12", "Command14");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].prompt, "ドライブ名を選択してください。");
    EXPECT_FALSE(exists(backupPath("d:", companyFilePath(1))));

    // A drive the user chose stays chosen when the screen is opened again.
    screen.control<QComboBox>("Drive1")->setCurrentIndex(1);
    screens::show("Form12");
    EXPECT_EQ(screen.control<QComboBox>("Drive1")->currentText(), "d:");
    EXPECT_EQ(screen.control<QComboBox>("Drive2")->currentIndex(), -1);
}

TEST_F(Form12Test, ABackupWithoutACompanyIsRefused) {
    Screen& screen = open();
    screen.setTextOf("Text1", "");
    test::click("Form12", "Command14");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->beeps, 0);
    EXPECT_TRUE(screen.control<QProgressBar>("ProgressBar1")->isHidden());
}

}  // namespace
}  // namespace nencho::test
