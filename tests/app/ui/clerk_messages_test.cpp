// What the clerk reads when something fails: what is wrong in the clerk's words, never a runtime
// error's words and never a file of the program's own.
#include <QAbstractButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <set>

#include "main_menu_fixture.h"
#include "platform/file_steps.h"
#include "platform/record_error.h"
#include "platform/ui/links.h"
#include "records/maintenance_fixture.h"
#include "support/recording_pages.h"

namespace nencho::test {
namespace {

// Words of the platform's runtime errors, which tell the clerk nothing of the mistake.
const char* const kRuntimeWords[] = {"型が一致しません", "オーバーフロー", "パスが見つかりません",
                                     "ファイルの終わりを越えて"};
// Parts of the names of the program's own working files (marks, prepared files and plans of a
// change of several files, kept copies and their list, temporary files).
const char* const kInternalNames[] = {".work-mark", ".switch-new", ".switch-plan", ".keep",
                                      ".tmp-"};

const QString kNoCompanyTitle =
    "登録された会社を選択してください。または会社登録を先に実行してください。";
const char* const kReadOnly = "書き込みが禁止されたディスクです。";

// The screens a clerk meets; the printer window is left out, since its button changes the
// printer settings of the machine.
const char* const kScreens[] = {"Form1",  "Form2",  "Form3",  "Form4",  "Form5",  "Form6",
                                "Form7",  "Form8",  "Form9",  "Form10", "Form11", "Form12",
                                "Form13", "Form16", "Form17", "Form18"};

class NoOpener : public LinkOpener {
  public:
    bool open(const QString&) override { return false; }
};

// Every change of the disk refused, as on a disk that is read only, the failure naming the
// path the program gave (its drive letter and folders), as the system's own failures do.
class ReadOnlyDisk {
  public:
    explicit ReadOnlyDisk(const TempDrives& drives) {
        setFileStepHook([root = drives.root()](FileStep step, const std::filesystem::path& path) {
            if (step == FileStep::SyncFolder) return;
            std::string systemPath;
            for (const auto& part : path.lexically_relative(root))
                systemPath += systemPath.empty() ? part.string() + ":" : "\\" + part.string();
            fail(FileErrorKind::WriteFailed, systemPath, kReadOnly);
        });
    }
    ~ReadOnlyDisk() { setFileStepHook({}); }
    ReadOnlyDisk(const ReadOnlyDisk&) = delete;
    ReadOnlyDisk& operator=(const ReadOnlyDisk&) = delete;
};

class ClerkMessages : public MainMenuTest {
  protected:
    void SetUp() override {
        MainMenuTest::SetUp();
        setLinkOpener(std::make_unique<NoOpener>());
        writeCompany(1, "一社");
        writePerson(1, 1, "甲");
        menu();
    }
    void TearDown() override {
        setLinkOpener(nullptr);
        MainMenuTest::TearDown();
    }

    // What is wrong with a message the clerk was shown, or nothing.
    std::string faultOf(const ShownMessage& message) const {
        const QString text = message.title + "\n" + message.prompt;
        for (const char* word : kRuntimeWords)
            if (text.contains(QString::fromUtf8(word))) return std::string("runtime words ") + word;
        for (const char* name : kInternalNames)
            if (text.contains(QString::fromUtf8(name))) return std::string("internal file ") + name;
        if (text.contains(QString::fromStdString(drives->root().string())))
            return "a path of the machine instead of the program's";
        return {};
    }

    // Every message shown so far; each fault is reported with what led to it.
    void expectClerkWords(const std::string& during) {
        for (const ShownMessage& message : dialogs->messages) {
            const std::string fault = faultOf(message);
            EXPECT_TRUE(fault.empty()) << fault << " after " << during << ":\n"
                                       << message.title.toStdString() << "\n"
                                       << message.prompt.toStdString();
        }
        shown_ += dialogs->messages.size();
        dialogs->messages.clear();
    }

    // Types the text into every box of the screen but its year, then presses each of its
    // buttons and switches each of its options, the hidden ones too (other screens press them),
    // and looks at every message that comes.
    void walk(const char* form, const QString& typed) {
        static const QRegularExpression year("^H\\d\\d$");
        QStringList buttons;
        for (const QAbstractButton* button : screens::touch(form).findChildren<QAbstractButton*>())
            if (!button->objectName().isEmpty()) buttons << button->objectName();
        for (const QString& name : buttons) {
            // An END button may have unloaded the screen: it is found again by its name.
            Screen& screen = screens::touch(form);
            for (QLineEdit* box : screen.findChildren<QLineEdit*>())
                if (!year.match(box->text()).hasMatch()) box->setText(typed);
            auto* button = screen.findChild<QAbstractButton*>(name);
            if (!button) continue;
            dialogs->inputs.assign(4, std::nullopt);  // any input box is cancelled
            if (qobject_cast<QRadioButton*>(button) || button->isCheckable())
                button->setChecked(!button->isChecked());
            else
                screen.press(name);
            expectClerkWords(std::string(form) + "." + name.toStdString() + " with \"" +
                             typed.toStdString() + "\"");
        }
    }

    std::size_t shown_ = 0;
};

// A clerk registering a person before choosing a company is told to choose one; the title is
// the screen's own.
TEST_F(ClerkMessages, RegisteringAPersonWithoutACompanyAsksForTheCompanyFirst) {
    click("Command13");  // 個人登録, no company chosen
    Screen& person = screens::touch("Form6");
    person.setTextOf("Text5", "1");
    person.setTextOf("Text7", "山田太郎");
    test::click("Form6", "Command3");  // 登録実行
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].prompt, "会社を選んでから個人登録してください");
    EXPECT_EQ(dialogs->messages[0].title, kNoCompanyTitle);
    EXPECT_FALSE(exists(personFilePath(1)));
}

// On a disk that is read only, the data maintenance's copy and the ledger's deletion say that
// the disk refuses, naming the data folder, not the mark the program leaves there.
TEST_F(ClerkMessages, AReadOnlyDiskIsToldOfWithoutTheProgramsOwnFiles) {
    writeLines(personFilePath(101), personLines(1, "甲"));
    typeCodes("1", "1");
    click("Command11");
    click("Command16");  // データ
    Screen& maintenance = screens::touch("Form12");
    maintenance.setTextOf("Text1", "1");
    maintenance.setTextOf("Text4", "1");
    maintenance.setTextOf("Text5", "2");
    dialogs->messages.clear();
    {
        const ReadOnlyDisk readOnly(*drives);
        test::click("Form12", "Command10");  // に、個人コードを変更する
        click("Command1");                   // 源泉徴収簿
        test::click("Form2", "Command59");   // データ削除
    }
    ASSERT_GE(dialogs->messages.size(), 2u);
    for (const ShownMessage& message : dialogs->messages) {
        if (message.buttons == MessageButtons::OkCancel) continue;  // the deletion's question
        EXPECT_TRUE(message.prompt.contains(kReadOnly)) << message.prompt.toStdString();
        EXPECT_TRUE(message.prompt.contains("c:\\年末調整")) << message.prompt.toStdString();
    }
    expectClerkWords("a copy and a deletion on a read-only disk");
}

// Every action of every screen, with each kind of text a clerk may leave in the boxes, and on
// a read-only disk: no message names a runtime error or a file of the program's own.
TEST_F(ClerkMessages, NoActionOfAnyScreenShowsRuntimeWordsOrInternalFiles) {
    const RecordedPrinting printing;
    for (const char* typed : {"", "abc", "99999999999", "40000", "0", "1"}) {
        for (const char* form : kScreens) walk(form, typed);
    }
    {
        const ReadOnlyDisk readOnly(*drives);
        for (const char* form : kScreens) walk(form, "1");
    }
    // The walk met failures enough to mean something.
    EXPECT_GT(shown_, 100u);
}

}  // namespace
}  // namespace nencho::test
