#include "records/ui/form11.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <map>

#include "common/paths.h"
#include "platform/ui/screen.h"
#include "support/screen_test.h"

namespace nencho {
namespace {

using test::exists;
using test::goldenBytes;
using test::readBytes;
using test::readLines;
using test::writeBytes;
using test::writeLines;

const std::vector<std::string> kStoredCompany3 = {"3",
                                                  "10000000",
                                                  "14",
                                                  "4",
                                                  "16",
                                                  "15",
                                                  "3",
                                                  "31",
                                                  "\"ヤマダショウジ\"",
                                                  "\"山田商事\"",
                                                  "\"東京都千代田区神田1-2-3\"",
                                                  "\"ヤマダタロウ\"",
                                                  "\"山田太郎\"",
                                                  "\"東京都港区1-1\"",
                                                  "\"小売業\"",
                                                  "\"神田\"",
                                                  "\"03-1234-5678\"",
                                                  "15",
                                                  "5",
                                                  "30",
                                                  "\"予備1\"",
                                                  "\"予備2\"",
                                                  "\"予備3\"",
                                                  "\"予備4\"",
                                                  "\"予備5\"",
                                                  "\"予備6\"",
                                                  "\"予備7\"",
                                                  "\"予備8\"",
                                                  "\"予備9\"",
                                                  "\"予備10\"",
                                                  "\"予備11\"",
                                                  "\"予備12\""};

// Company 3 as the boxes show it after a load.
const std::map<QString, QString> kCompany3Boxes = {
    {"Text1", "3"},
    {"Text11", "  10,000,000"},
    {"Text13", "14"},
    {"Text14", "4"},
    {"Text15", "16"},
    {"Text17", "15"},
    {"Text18", "3"},
    {"Text19", "31"},
    {"Text21", "15"},
    {"Text20", "5"},
    {"Text4", "30"},
    {"Text2", "ヤマダショウジ"},
    {"Text3", "山田商事"},
    {"Text5", "東京都千代田区神田1-2-3"},
    {"Text6", "ヤマダタロウ"},
    {"Text25", "山田太郎"},
    {"Text7", "東京都港区1-1"},
    {"Text8", "小売業"},
    {"Text9", "神田"},
    {"Text12", "03-1234-5678"},
};

class Form11Test : public test::ScreenTest {
  protected:
    // As the main menu opens the screen: the year button, then the clear.
    Screen& open(const QString& year = "H17") {
        Screen& screen = screens::touch("Form11");
        screen.setTextOf("Text24", year);
        screen.press("Command36");
        screen.press("Command9");
        screens::show("Form11");
        return screen;
    }

    void type(Screen& screen, const QString& code, const QString& name, const QString& place,
              const QString& phone) {
        screen.setTextOf("Text1", code);
        screen.setTextOf("Text3", name);
        screen.setTextOf("Text5", place);
        screen.setTextOf("Text12", phone);
    }

    void registerNew(Screen& screen) {
        type(screen, "5", "山田商事 ", "東京都千代田区神田1-2-3, 4階", "03-1234-5678");
        test::click("Form11", "Command4");
    }

    void expectBoxes(Screen& screen, const std::map<QString, QString>& boxes) {
        for (const auto& [box, text] : boxes)
            EXPECT_EQ(screen.textOf(box).toStdString(), text.toStdString()) << box.toStdString();
    }
};

TEST_F(Form11Test, FirstRegistrationCreatesTheDataTreeAndWritesTheCompanyFile) {
    Screen& screen = open();
    ASSERT_FALSE(exists("c:\\年末調整"));
    clearEvents();
    registerNew(screen);

    EXPECT_EQ(readBytes(companyFilePath(5)), goldenBytes("company_new.txt"));
    for (const char* folder : {"c:\\年末調整\\年調法人名", "c:\\年末調整\\個人名",
                               "c:\\年末調整\\源泉簿", "c:\\年末調整\\H17年末調整"})
        EXPECT_TRUE(exists(folder)) << folder;
    // A registration ends silently and touches no other screen.
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(dialogs->beeps, 0);
    EXPECT_TRUE(eventsOf(ScreenEvent::Kind::Write).empty());
    EXPECT_TRUE(eventsOf(ScreenEvent::Kind::Press).empty());
}

TEST_F(Form11Test, FirstRegistrationWithoutAYearMakesTheBareYearFolder) {
    registerNew(open(""));
    EXPECT_TRUE(exists("c:\\年末調整\\年末調整"));
    EXPECT_TRUE(exists(companyFilePath(5)));
}

TEST_F(Form11Test, RegistrationStoresAnIndividualsYearWhateverALoadShowed) {
    writeLines(companyFilePath(3), kStoredCompany3);
    Screen& screen = open();
    screen.setTextOf("Text1", "3");
    test::click("Form11", "Command6");
    screen.setTextOf("Text1", "8");
    test::click("Form11", "Command4");

    EXPECT_EQ(readBytes(companyFilePath(8)), goldenBytes("company_from_stored.txt"));
    expectBoxes(screen, {{"Text11", "0"},
                         {"Text13", "13"},
                         {"Text14", "1"},
                         {"Text15", "16"},
                         {"Text17", "13"},
                         {"Text18", "12"},
                         {"Text19", "31"},
                         {"Text21", "0"},
                         {"Text20", "0"},
                         {"Text4", "0"},
                         {"Text1", "8"}});
}

TEST_F(Form11Test, AnExistingCodeIsRewrittenOnlyAfterOk) {
    for (const MessageAnswer answer : {MessageAnswer::Ok, MessageAnswer::Cancel}) {
        SCOPED_TRACE(answer == MessageAnswer::Ok ? "OK" : "Cancel");
        Screen& screen = open();
        registerNew(screen);
        const std::string before = readBytes(companyFilePath(5));
        dialogs->messages.clear();
        dialogs->answers = {MessageAnswer::Ok, answer};
        screen.setTextOf("Text3", "鈴木商店");
        test::click("Form11", "Command4");

        ASSERT_EQ(dialogs->messages.size(), 2u);
        const test::ShownMessage& warning = dialogs->messages[0];
        EXPECT_EQ(warning.title, "同じコード名があります");
        EXPECT_TRUE(warning.prompt.contains("既に存在します"));
        EXPECT_EQ(warning.icon, MessageIcon::Exclamation);
        EXPECT_EQ(warning.buttons, MessageButtons::Ok);
        const test::ShownMessage& question = dialogs->messages[1];
        EXPECT_EQ(question.title, "書き換えますか");
        EXPECT_TRUE(question.prompt.isEmpty());
        EXPECT_EQ(question.icon, MessageIcon::Question);
        EXPECT_EQ(question.buttons, MessageButtons::OkCancel);

        if (answer == MessageAnswer::Ok) {
            const std::vector<std::string> lines = readLines(companyFilePath(5));
            ASSERT_EQ(lines.size(), 32u);
            EXPECT_EQ(lines[9], "\"鈴木商店\"");
        } else {
            EXPECT_EQ(readBytes(companyFilePath(5)), before);
        }
        TearDown();
        SetUp();
    }
}

TEST_F(Form11Test, TheCodeBoxNamesTheCompany) {
    const std::pair<QString, std::int64_t> registered[] = {{"", 999}, {"007", 7}};
    for (const auto& [box, code] : registered) {
        Screen& screen = open();
        type(screen, box, "山田商事", "", "");
        test::click("Form11", "Command4");
        ASSERT_TRUE(exists(companyFilePath(code))) << box.toStdString();
        EXPECT_EQ(readLines(companyFilePath(code)).front(), std::to_string(code));
    }
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(Form11Test, CodesNoListWouldShowAreRefused) {
    for (const QString box : {"0", "-5", "1000", "12345678901"}) {
        Screen& screen = open();
        type(screen, box, "山田商事", "", "");
        test::click("Form11", "Command4");
        ASSERT_EQ(dialogs->messages.size(), 1u) << box.toStdString();
        EXPECT_EQ(dialogs->messages.back().title, "会社登録");
        dialogs->messages.clear();
    }
    EXPECT_FALSE(exists(companyFolder()));
}

TEST_F(Form11Test, AFolderThatCannotBeMadeIsReportedAndNothingWritten) {
    writeBytes("c:\\年末調整", "");  // a file where the data root belongs
    registerNew(open());
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "会社登録");
    EXPECT_FALSE(exists(companyFilePath(5)));
}

TEST_F(Form11Test, AMissingCompanyFolderBelowAnExistingRootIsMade) {
    writeBytes("c:\\年末調整\\個人名\\1.txt", "");
    registerNew(open());
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(readBytes(companyFilePath(5)), goldenBytes("company_new.txt"));
    EXPECT_TRUE(exists("c:\\年末調整\\源泉簿"));
}

TEST_F(Form11Test, ANameTheFileCannotHoldIsRefusedBeforeAnyQuestion) {
    Screen& screen = open();
    registerNew(screen);
    const std::string before = readBytes(companyFilePath(5));
    screen.setTextOf("Text3", "山田\"商事\"");
    test::click("Form11", "Command4");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "会社登録");
    EXPECT_EQ(readBytes(companyFilePath(5)), before);
}

TEST_F(Form11Test, LoadFillsEveryBoxFromTheStoredFile) {
    writeLines(companyFilePath(3), kStoredCompany3);
    Screen& screen = open();
    screen.setTextOf("Text1", "003");
    test::click("Form11", "Command6");
    expectBoxes(screen, kCompany3Boxes);
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(Form11Test, AFailedLoadEmptiesTheFieldsSaysWhyAndLeavesLaterLoadsWorking) {
    writeLines(companyFilePath(3), kStoredCompany3);
    std::vector<std::string> shortFile(kStoredCompany3.begin(), kStoredCompany3.begin() + 19);
    shortFile[0] = "6";
    writeLines(companyFilePath(6), shortFile);
    std::vector<std::string> mistyped = kStoredCompany3;
    mistyped[0] = "7";
    mistyped[2] = "\"平成\"";
    writeLines(companyFilePath(7), mistyped);

    Screen& screen = open();
    // What is wrong, in the clerk's words; a damaged record is named by its file.
    const std::pair<QString, QString> cases[] = {
        {"4", "会社コード 4 の会社は登録されていません"},
        {"", "会社コードを入力してください"},
        {"x", "会社コードには数字を入力してください"},
        {"6", "記録が途中で終わっています。\nc:\\年末調整\\年調法人名\\6.txt"},
        {"7",
         "数字であるはずのところに数字でないものがあります。\n"
         "c:\\年末調整\\年調法人名\\7.txt"},
    };
    for (const auto& [code, prompt] : cases) {
        SCOPED_TRACE(code.toStdString());
        screen.setTextOf("Text1", "3");
        test::click("Form11", "Command6");
        dialogs->messages.clear();
        screen.setTextOf("Text1", code);
        test::click("Form11", "Command6");
        for (const auto& [box, text] : kCompany3Boxes)
            EXPECT_EQ(screen.textOf(box), box == "Text15" ? text : "") << box.toStdString();
        ASSERT_EQ(dialogs->messages.size(), 1u);
        EXPECT_EQ(dialogs->messages[0].title, "会社呼出");
        EXPECT_EQ(dialogs->messages[0].prompt, prompt);
    }
    screen.setTextOf("Text1", "3");
    test::click("Form11", "Command6");
    expectBoxes(screen, kCompany3Boxes);
}

TEST_F(Form11Test, DataLoadsTheCompanyChosenInTheMainMenu) {
    writeLines(companyFilePath(3), kStoredCompany3);
    Screen& screen = open();
    screen.setTextOf("Text23", "3");
    test::click("Form11", "Command7");
    expectBoxes(screen, kCompany3Boxes);
}

TEST_F(Form11Test, DataWithoutAChosenCompanySaysSoAndChangesNothing) {
    Screen& screen = open();
    screen.setTextOf("Text3", "山田");
    test::click("Form11", "Command7");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title,
              "登録された会社を選択してください。または会社登録を先に実行してください。");
    EXPECT_EQ(screen.textOf("Text3"), "山田");
}

TEST_F(Form11Test, PrefillMapsTheCorporateTaxFileAndKeepsTheRepresentativesName) {
    writeLines(
        corporateTaxCompanyFilePath(12),
        {"21", "10000000", "14", "4", "1", "15", "3", "31", "\"カブシキガイシャアオバ\"",
         "\"株式会社青葉\"", "\"仙台市青葉区1-1\"", "\"アオバイチロウ\"", "\"仙台市泉区2-2\"",
         "\"製造業\"", "\"仙台北\"", "\"022-123-4567\"", "15", "5", "31"});
    Screen& screen = open();
    screen.setTextOf("Text25", "青葉一郎");
    screen.setTextOf("Text1", "12");
    test::click("Form11", "Command11");
    expectBoxes(screen, {{"Text1", "21"},
                         {"Text11", "  10,000,000"},
                         {"Text13", "14"},
                         {"Text14", "4"},
                         {"Text15", "1"},
                         {"Text17", "15"},
                         {"Text18", "3"},
                         {"Text19", "31"},
                         {"Text21", "15"},
                         {"Text20", "5"},
                         {"Text4", "31"},
                         {"Text2", "カブシキガイシャアオバ"},
                         {"Text3", "株式会社青葉"},
                         {"Text5", "仙台市青葉区1-1"},
                         {"Text6", "アオバイチロウ"},
                         {"Text7", "仙台市泉区2-2"},
                         {"Text8", "製造業"},
                         {"Text9", "仙台北"},
                         {"Text12", "022-123-4567"},
                         {"Text25", "青葉一郎"}});
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(Form11Test, PrefillWithoutAFileEmptiesOnlyTheCodeBox) {
    Screen& screen = open();
    type(screen, "12", "山田商事", "東京都", "03");
    test::click("Form11", "Command11");
    expectBoxes(screen, {{"Text1", ""},
                         {"Text3", "山田商事"},
                         {"Text5", "東京都"},
                         {"Text12", "03"},
                         {"Text15", "1"}});
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "法人税ファイルより呼出");
    EXPECT_EQ(dialogs->messages[0].prompt,
              "法人税のデータに会社コード 12 の会社はありません\nc:\\法人税\\法人名\\12.txt");
}

TEST_F(Form11Test, LegalFormButtonsReplaceTheWholeName) {
    Screen& screen = open();
    for (const auto& [button, name] :
         {std::pair{"Command1", "株式会社"}, {"Command2", "有限会社"}}) {
        screen.setTextOf("Text3", "山田商事");
        test::click("Form11", button);
        EXPECT_EQ(screen.textOf("Text3"), name);
    }
}

TEST_F(Form11Test, ClearEmptiesTheFieldsButKeepsStartDayCarriersAndMarks) {
    writeLines(companyFilePath(3), kStoredCompany3);
    Screen& screen = open();
    screen.setTextOf("Text23", "3");
    test::click("Form11", "Command7");
    test::click("Form11", "Command9");
    for (const auto& [box, text] : kCompany3Boxes)
        EXPECT_EQ(screen.textOf(box), box == "Text15" ? text : "") << box.toStdString();
    expectBoxes(screen, {{"Text23", "3"}, {"Text24", "H17"}, {"Text26", "*"}, {"Text30", "*"}});
}

// After a registration the keys go to the code box, its code selected: the next company's code
// typed replaces it, and no key is lost on the button.
TEST_F(Form11Test, AfterARegistrationTheCodeTypedGoesIntoTheCodeBox) {
    Screen& screen = open();
    QApplication::processEvents();
    registerNew(screen);
    auto* code = screen.control<QLineEdit>("Text1");
    EXPECT_EQ(QApplication::focusWidget(), code);
    QTest::keyClicks(QApplication::focusWidget(), "6");
    EXPECT_EQ(screen.textOf("Text1"), "6");
    EXPECT_EQ(screen.textOf("Text3"), "山田商事 ");  // the boxes still show what was registered
    EXPECT_FALSE(exists(companyFilePath(6)));
}

// The screen opens in the code box; Enter walks the four boxes and ends on 登録実行, where the
// space bar registers, as on any button.
TEST_F(Form11Test, EnterMovesFromCodeToNameToTaxPlaceToPhoneThenToTheRegistration) {
    open();
    QApplication::processEvents();
    const char* order[] = {"Text1", "Text3", "Text5", "Text12", "Command4"};
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), order[0]);
    QTest::keyClicks(QApplication::focusWidget(), "5");
    for (int i = 1; i < 5; ++i) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(focused, &enter);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), order[i]);
    }
    EXPECT_EQ(dialogs->tabs, 4);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(exists(companyFilePath(5)));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), order[0]);
}

}  // namespace
}  // namespace nencho
