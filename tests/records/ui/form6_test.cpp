#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "platform/ui/screen.h"
#include "records/person_fixture.h"
#include "support/screen_test.h"

namespace nencho {
namespace {

using test::quoted;
using Kind = ScreenEvent::Kind;

const char* const kYearFolder = "c:\\年末調整\\H17年末調整\\";

std::string yearFile(int key, int kind) {
    return kYearFolder + std::to_string(key * 10 + kind) + ".txt";
}

class Form6Test : public test::ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        screens::touch("Form1");  // start-up: working year H17 and the data tree
        screens::write("Form6", "Text1", "1");
        screens::show("Form6");
        clearEvents();
    }

    Screen& form() { return screens::touch("Form6"); }
    QString text(const char* box) { return form().textOf(box); }
    void type(const char* box, const QString& value) { form().setTextOf(box, value); }
    void choose(const char* option) { form().control<QRadioButton>(option)->setChecked(true); }
    bool selected(const char* option, const char* screen = "Form6") {
        return screens::touch(screen).control<QRadioButton>(option)->isChecked();
    }
    void tick(const char* box) { form().control<QCheckBox>(box)->setChecked(true); }
    bool ticked(const char* box) { return form().control<QCheckBox>(box)->isChecked(); }
    void click(const char* button) { test::click("Form6", button); }

    void loadPerson(int code) {
        type("Text5", QString::number(code));
        click("Command4");
    }

    std::vector<QString> titles() const {
        std::vector<QString> result;
        for (const auto& message : dialogs->messages) result.push_back(message.title);
        return result;
    }

    std::size_t personFileCount() const {
        const auto folder = drives->host("c:\\年末調整\\個人名");
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                      std::filesystem::directory_iterator()));
    }
};

TEST_F(Form6Test, NewPersonIsWrittenWithNotesAndSpouseZerosAndTheNextCodeIsOffered) {
    for (int code = 1; code <= 4; ++code) test::writePerson(1, code, "先の人");
    type("Text5", "5");
    type("Text6", "ヤマダ　タロウ");
    type("Text7", "山田　太郎");
    type("Text8", "東京都千代田区1-2");
    type("Text15", "青葉ビル3F");
    type("Text9", "45");
    type("Text10", "3");
    type("Text11", "12");
    choose("Option7");
    choose("Option13");
    tick("Check6");
    tick("Check3");
    choose("Option20");
    type("Text13", "4");
    type("Text14", "1");
    choose("Option27");
    type("Text20", "前職 株式会社ABC, 3月退職");
    EXPECT_TRUE(selected("Option1", "Form5"));

    click("Command3");

    EXPECT_EQ(test::readBytes("c:\\年末調整\\個人名\\105.txt"),
              test::goldenBytes("person_105.txt"));
    EXPECT_EQ(test::readLines(yearFile(105, 4)),
              (std::vector<std::string>{quoted("前職 株式会社ABC, 3月退職"), quoted("")}));
    EXPECT_EQ(test::readBytes(yearFile(105, 5)), test::goldenBytes("spouse_housing_zeros.txt"));
    const auto presses = eventsOf(Kind::Press);
    const std::vector<QString> clears{"Form2.Command3", "Form4.Command3", "Form5.Command10"};
    EXPECT_NE(std::search(presses.begin(), presses.end(), clears.begin(), clears.end()),
              presses.end());
    EXPECT_EQ(text("Text5"), "6");
    for (const char* box : {"Text6", "Text7", "Text8", "Text15", "Text9", "Text16", "Text20"})
        EXPECT_EQ(text(box), "") << box;
    EXPECT_EQ(text("Text12"), "17");
    EXPECT_TRUE(selected("Option9"));
    EXPECT_TRUE(selected("Option22"));
    EXPECT_TRUE(selected("Option24"));
    EXPECT_FALSE(ticked("Check6"));
    EXPECT_FALSE(selected("Option1", "Form5"));
    EXPECT_TRUE(selected("Option27"));  // the pay kind carries over to the next person
    EXPECT_EQ(dialogs->beeps, 1);
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(Form6Test, LoadingThenRegisteringUnchangedRewritesTheSameLines) {
    test::writePerson(1, 3, "鈴木　花子",
                      {{2, quoted("スズキ　ハナコ")},
                       {4, quoted("住所の上")},
                       {5, quoted("平成")},
                       {6, "5"},
                       {7, "11"},
                       {8, "30"},
                       {9, quoted("取締役")},
                       {13, quoted("寡婦")},
                       {17, quoted("夫あり")},
                       {21, quoted("就　職")},
                       {22, quoted("退　職")},
                       {23, quoted("16")},
                       {24, quoted("4")},
                       {25, quoted("1")},
                       {26, quoted("乙欄")},
                       {27, quoted("災害者")},
                       {31, quoted("専従者給与")},
                       {32, quoted("住所の下")}});
    test::writeLines(yearFile(103, 4), {quoted("前職あり"), quoted("二行目")});
    const auto stored = test::readLines(test::personPath(1, 3));

    loadPerson(3);

    ASSERT_GE(events.size(), 3u);
    EXPECT_EQ(events[0].control + "=" + events[0].text, "Text161=1");
    EXPECT_EQ(events[1].control + "=" + events[1].text, "Text162=3");
    EXPECT_EQ(events[2].form + "." + events[2].control, "Form2.Command2");
    EXPECT_EQ(text("Text7"), "鈴木　花子");
    EXPECT_EQ(text("Text16"), "取締役");
    EXPECT_EQ(text("Text12"), "16");
    EXPECT_EQ(text("Text20"), "前職あり");
    for (const char* option : {"Option4", "Option7", "Option13", "Option21", "Option28"})
        EXPECT_TRUE(selected(option)) << option;
    EXPECT_TRUE(selected("Option1", "Form5"));
    for (const char* box : {"Check1", "Check3", "Check5"}) EXPECT_TRUE(ticked(box)) << box;

    clearEvents();
    click("Command3");

    const auto rewritten = test::readLines(test::personPath(1, 3));
    ASSERT_EQ(rewritten.size(), 43u);
    EXPECT_EQ(std::vector(rewritten.begin(), rewritten.begin() + 32),
              std::vector(stored.begin(), stored.begin() + 32));
    EXPECT_EQ(titles(), (std::vector<QString>{"同じコード名があります", "書き換えますか"}));
    EXPECT_EQ(dialogs->messages[1].buttons, MessageButtons::OkCancel);
    for (const QString& press : eventsOf(Kind::Press)) EXPECT_FALSE(press.startsWith("Form2"));
    EXPECT_EQ(text("Text5"), "1");  // the first free code: person 1 has no record
    EXPECT_EQ(text("Text7"), "");
    EXPECT_EQ(dialogs->beeps, 1);
}

TEST_F(Form6Test, CancellingTheRewriteKeepsTheRecordAndTheScreen) {
    test::writePerson(1, 2, "元の名前");
    const std::string before = test::readBytes(test::personPath(1, 2));
    type("Text5", "2");
    type("Text7", "新しい名前");
    dialogs->answers = {MessageAnswer::Ok, MessageAnswer::Cancel};

    click("Command3");

    EXPECT_EQ(test::readBytes(test::personPath(1, 2)), before);
    EXPECT_FALSE(test::exists(yearFile(102, 4)));
    EXPECT_EQ(text("Text5"), "2");
    EXPECT_EQ(text("Text7"), "新しい名前");
    EXPECT_TRUE(eventsOf(Kind::Press).empty());
    EXPECT_EQ(dialogs->beeps, 0);
}

TEST_F(Form6Test, CodesOutsideOneToNinetyNineAreRefusedAndNothingIsWritten) {
    test::writePerson(2, 5, "別の会社の人");
    for (const char* code : {"100", "105", "0", "-1", "99.6"}) {
        dialogs->messages.clear();
        type("Text5", code);
        type("Text7", "名前");
        click("Command3");
        ASSERT_EQ(dialogs->messages.size(), 1u) << code;
        EXPECT_EQ(dialogs->messages[0].title, "個人登録") << code;
        EXPECT_EQ(text("Text5"), code);
        EXPECT_EQ(text("Text7"), "名前");
    }
    EXPECT_EQ(personFileCount(), 1u);
    EXPECT_EQ(test::readLines(test::personPath(2, 5))[2], quoted("別の会社の人"));
    EXPECT_EQ(dialogs->beeps, 0);
}

TEST_F(Form6Test, WithoutACompanyTheRegistrationSaysSoAndWritesNothing) {
    type("Text1", "");
    type("Text5", "5");
    click("Command3");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title,
              "登録された会社を選択してください。または会社登録を先に実行してください。");
    EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(personFileCount(), 0u);
}

TEST_F(Form6Test, AnEmptyPersonCodeOffersTheFreeCodeAndWritesNothing) {
    test::writePerson(1, 1, "一");
    test::writePerson(1, 2, "二");
    type("Text6", "ア");
    type("Text7", "名");
    type("Text8", "上");
    type("Text9", "45");
    type("Text15", "下");
    type("Text20", "メモ");
    click("Command3");
    EXPECT_EQ(text("Text5"), "3");
    for (const char* box : {"Text6", "Text7", "Text8", "Text9", "Text20"})
        EXPECT_EQ(text(box), "") << box;
    EXPECT_EQ(text("Text15"), "下");
    EXPECT_EQ(personFileCount(), 2u);
    EXPECT_EQ(dialogs->beeps, 1);
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(Form6Test, TypedTextsAreStoredAsTypedAndBadBirthNumbersAsZero) {
    type("Text5", "1");
    type("Text9", "S45");
    type("Text10", "");
    type("Text11", "12");
    type("Text16", "部長");
    click("Command3");
    const auto lines = test::readLines(test::personPath(1, 1));
    EXPECT_EQ(std::vector(lines.begin() + 4, lines.begin() + 9),
              (std::vector<std::string>{quoted("昭和"), "0", "0", "12", quoted("部長")}));
    EXPECT_EQ(lines[22], quoted("17"));  // the proposed year, though neither 就職 nor 退職
}

TEST_F(Form6Test, AStoreThatCannotHoldATextReportsItAndWritesNothing) {
    type("Text5", "1");
    type("Text7", "山田\"太郎");
    click("Command3");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "個人登録");
    EXPECT_EQ(personFileCount(), 0u);
    EXPECT_EQ(text("Text7"), "山田\"太郎");
}

TEST_F(Form6Test, AFailedNotesStoreIsReportedAndThePersonStaysStored) {
    // A folder standing where the notes record goes makes its store fail.
    std::filesystem::create_directories(drives->host(yearFile(101, 4)));
    type("Text5", "1");
    type("Text7", "名");
    click("Command3");
    EXPECT_TRUE(test::exists(test::personPath(1, 1)));
    EXPECT_EQ(titles(), std::vector<QString>{"特記事項登録"});
    EXPECT_EQ(text("Text5"), "2");
    EXPECT_EQ(dialogs->beeps, 1);
}

TEST_F(Form6Test, RegistrationMakesEveryMissingFolderOfTheDataTree) {
    std::filesystem::remove_all(drives->host("c:\\年末調整\\H17年末調整"));
    type("Text5", "1");
    click("Command3");
    EXPECT_TRUE(test::exists(test::personPath(1, 1)));
    EXPECT_TRUE(test::exists(yearFile(101, 4)));
    EXPECT_TRUE(test::exists(yearFile(101, 5)));
}

TEST_F(Form6Test, AnExistingSpouseAndHousingRecordSurvivesRegistration) {
    const std::vector<std::string> entered{
        "120000", "500000", "0", "0", quoted("ヤマダ　ハナコ"), quoted("山田　花子"),
        "0",      "0",      "0", "0"};
    test::writePerson(1, 1, "一");  // registered earlier: his record is rewritten
    test::writeLines(yearFile(101, 5), entered);
    type("Text5", "1");
    click("Command3");
    EXPECT_EQ(titles(), (std::vector<QString>{"同じコード名があります", "書き換えますか"}));
    EXPECT_EQ(test::readLines(yearFile(101, 5)), entered);
}

// Year files at a code without a person belong to someone whose deletion was cut short: the
// new person takes over none of them, and the clerk is told.
TEST_F(Form6Test, ANewPersonTakesOverNothingLeftAtHisCode) {
    for (int kind : {0, 2, 3, 4, 5})
        test::writeLines(yearFile(102, kind), {"1020", quoted("前の人のデータ")});
    type("Text5", "2");
    type("Text7", "新しい人");
    type("Text20", "新しいメモ");
    click("Command3");

    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "個人登録");
    EXPECT_EQ(dialogs->messages[0].prompt,
              "個人コード 2 に残っていた以前の個人のデータ（ファイル 5 個）を削除してから"
              "登録しました。");
    EXPECT_EQ(test::readLines(test::personPath(1, 2))[2], quoted("新しい人"));
    for (int kind : {0, 2, 3}) EXPECT_FALSE(test::exists(yearFile(102, kind))) << kind;
    EXPECT_EQ(test::readLines(yearFile(102, 4))[0], quoted("新しいメモ"));
    EXPECT_EQ(test::readLines(yearFile(102, 5)), std::vector<std::string>(10, "0"));
}

TEST_F(Form6Test, NotesAndStatusBoxesDoNotCarryOverToTheNextPerson) {
    test::writePerson(1, 1, "一", {{17, quoted("夫あり")}, {19, quoted("死亡退職")}});
    test::writeLines(yearFile(101, 4), {quoted("一の前職"), quoted("一の二行目")});
    test::writePerson(1, 2, "二");

    loadPerson(1);
    EXPECT_EQ(text("Text20"), "一の前職");
    EXPECT_TRUE(ticked("Check1"));
    EXPECT_TRUE(ticked("Check4"));

    loadPerson(2);
    EXPECT_EQ(text("Text20"), "");
    EXPECT_EQ(text("Text21"), "");
    EXPECT_FALSE(ticked("Check1"));
    EXPECT_FALSE(ticked("Check4"));

    click("Command3");  // unchanged, after "書き換えますか" answered OK
    const auto lines = test::readLines(test::personPath(1, 2));
    EXPECT_EQ(lines[16], quoted(""));
    EXPECT_EQ(lines[18], quoted(""));
    EXPECT_EQ(test::readLines(yearFile(102, 4)),
              (std::vector<std::string>{quoted(""), quoted("")}));
}

TEST_F(Form6Test, EraPositionAndPayKindOfThePersonBeforeAreNotShownForThePersonLoaded) {
    test::writePerson(1, 1, "一",
                      {{5, quoted("平成")}, {9, quoted("取締役")}, {28, quoted("役員報酬")}});
    // No era, position or pay kind the options know: a free position, the rest empty.
    test::writePerson(1, 2, "二", {{5, quoted("")}, {9, quoted("部長")}});
    const auto stored = test::readLines(test::personPath(1, 2));

    loadPerson(1);
    for (const char* option : {"Option4", "Option7", "Option5"})
        ASSERT_TRUE(selected(option)) << option;

    loadPerson(2);
    for (const char* option : {"Option1", "Option2", "Option3", "Option4", "Option6", "Option7",
                               "Option8", "Option9", "Option5", "Option26", "Option27", "Option28"})
        EXPECT_FALSE(selected(option)) << option;
    EXPECT_EQ(text("Text16"), "部長");

    click("Command3");  // unchanged, after "書き換えますか" answered OK
    const auto rewritten = test::readLines(test::personPath(1, 2));
    ASSERT_EQ(rewritten.size(), 43u);
    EXPECT_EQ(std::vector(rewritten.begin(), rewritten.begin() + 32),
              std::vector(stored.begin(), stored.begin() + 32));
}

TEST_F(Form6Test, OwnConditionsAndPayKindsMapBothWaysThroughTheScreen) {
    struct Own {
        const char* option;
        int line;
        const char* word;
        const char* dependantsOption;
    };
    const Own conditions[] = {
        {"Option11", 10, "特別障害者", "Option2"}, {"Option12", 11, "障害者", "Option1"},
        {"Option10", 12, "老年者", "Option7"},     {"Option13", 13, "寡婦", "Option1"},
        {"Option14", 14, "特別寡婦", "Option12"},  {"Option15", 15, "寡夫", "Option1"},
        {"Option16", 16, "勤労学生", "Option1"},
    };
    const std::pair<const char*, const char*> payKinds[] = {{"Option5", "役員報酬"},
                                                            {"Option26", "給与賞与"},
                                                            {"Option27", "給与"},
                                                            {"Option28", "専従者給与"}};
    int code = 0;
    for (const Own& own : conditions) {
        ++code;
        const auto& [payOption, payWord] = payKinds[code % 4];
        type("Text5", QString::number(code));
        choose(own.option);
        choose(payOption);
        click("Command3");

        const auto lines = test::readLines(test::personPath(1, code));
        for (int line = 10; line <= 16; ++line)
            EXPECT_EQ(lines[line - 1], quoted(line == own.line ? own.word : "")) << own.word;
        for (int kind = 0; kind < 4; ++kind)
            EXPECT_EQ(lines[27 + kind], quoted(kind == code % 4 ? payWord : "")) << payWord;

        choose(payKinds[(code + 1) % 4].first);
        loadPerson(code);
        EXPECT_TRUE(selected(own.option)) << own.word;
        EXPECT_TRUE(selected(own.dependantsOption, "Form5")) << own.word;
        EXPECT_TRUE(selected(payOption)) << payWord;
        click("Command6");
    }
}

TEST_F(Form6Test, SteppingLoadsTheNeighboursAndClearsAtPersonZero) {
    test::writePerson(1, 1, "一");
    test::writePerson(1, 2, "二");
    test::writePerson(1, 3, "三");
    type("Text5", "2");

    click("Command16");
    EXPECT_EQ(text("Text7"), "三");
    const auto hidden = eventsOf(Kind::Hide);
    for (const char* screen : {"Form2", "Form3", "Form4", "Form5", "Form7", "Form8", "Form9",
                               "Form10", "Form11", "Form12", "Form13"})
        EXPECT_NE(std::find(hidden.begin(), hidden.end(), screen), hidden.end()) << screen;
    EXPECT_EQ(eventsOf(Kind::Show), (std::vector<QString>{"Form1", "Form6"}));

    click("Command15");
    click("Command15");
    EXPECT_EQ(text("Text7"), "一");
    EXPECT_EQ(screens::read("Form2", "Text162"), "1");

    click("Command15");
    EXPECT_EQ(text("Text5"), "");
    EXPECT_EQ(text("Text7"), "");

    type("Text5", "x");
    click("Command16");
    EXPECT_EQ(text("Text5"), "x");
}

TEST_F(Form6Test, LastNumberOffersTheGapAndEndsWithoutACompanyOrOnLoopingCodes) {
    for (int code : {1, 2, 3, 5}) test::writePerson(1, code, "人");
    click("Command14");
    EXPECT_EQ(text("Text5"), "4");
    EXPECT_EQ(text("Text4"), "3");

    type("Text1", "");
    click("Command14");
    EXPECT_EQ(text("Text5"), "1");

    // Person 1 of company 2 stores code 0, which would send the search back to 1 for ever.
    test::writeLines(test::personPath(2, 1), test::personRecordLines(0, "戻る人"));
    type("Text1", "2");
    click("Command14");
    EXPECT_EQ(text("Text5"), "1");
}

TEST_F(Form6Test, DataLoadsTheChosenPersonAndShowsTheWorkingYear) {
    test::writePerson(1, 2, "二", {{23, quoted("16")}});
    type("Text2", "2");
    click("Command1");
    EXPECT_EQ(text("Text5"), "2");
    EXPECT_EQ(text("Text7"), "二");
    EXPECT_EQ(text("Text12"), "17");
    EXPECT_EQ(text("Text9"), "0");  // a stored zero birth date shows as 0

    type("Text2", "");
    click("Command1");
    EXPECT_EQ(text("Text7"), "");
}

TEST_F(Form6Test, EnterMovesOnFromTheTypingBoxesAndAnyKeyOnTheButtonRegisters) {
    auto key = [this](const char* control, Qt::Key code, const QString& typed) {
        QKeyEvent event(QEvent::KeyPress, code, Qt::NoModifier, typed);
        QCoreApplication::sendEvent(form().controlWidget(control), &event);
    };
    key("Text7", Qt::Key_Return, "\r");
    key("Text21", Qt::Key_Enter, "\r");
    EXPECT_EQ(dialogs->tabs, 2);
    key("Text16", Qt::Key_Return, "\r");
    key("Text13", Qt::Key_Return, "\r");
    key("Text7", Qt::Key_A, "a");
    EXPECT_EQ(dialogs->tabs, 2);

    key("Command3", Qt::Key_A, "a");  // an empty code: the free code is offered, with a beep
    EXPECT_EQ(text("Text5"), "1");
    EXPECT_EQ(dialogs->beeps, 1);
}

// A clerk types person after person with the keys alone: Enter from box to box, one key on
// 登録実行, and at once the next person's code.
TEST_F(Form6Test, AKeyTypedRightAfterARegistrationStartsTheNextPersonAndRegistersNobody) {
    test::tabInto(form().controlWidget("Text5"));
    auto enter = [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); };
    // Digits come from the keys, Japanese text from the input method's commit.
    auto typeAndEnter = [&](const QString& text) {
        QWidget* box = QApplication::focusWidget();
        if (text.front().unicode() < 0x80) {
            QTest::keyClicks(box, text);
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(box, &commit);
        }
        enter();
    };
    auto typePerson = [&](const QString& reading, const QString& name) {
        for (const QString& text :
             {reading, name, QString("東京都"), QString("45"), QString("3"), QString("12")})
            typeAndEnter(text);
        enter();  // no notes
        enter();
        ASSERT_EQ(QApplication::focusWidget()->objectName(), "Command3");
    };

    typeAndEnter("1");
    typePerson("ヤマダ", "山田");
    enter();  // 登録実行
    ASSERT_EQ(personFileCount(), 1u);
    EXPECT_EQ(test::readLines(test::personPath(1, 1))[2], quoted("山田"));
    auto* code = form().control<QLineEdit>("Text5");
    EXPECT_EQ(QApplication::focusWidget(), code);
    EXPECT_EQ(code->selectedText(), "2");  // the code offered, replaced by the code typed

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_2, Qt::NoModifier);
    EXPECT_EQ(personFileCount(), 1u);
    EXPECT_EQ(text("Text5"), "2");
    enter();
    typePerson("スズキ", "鈴木");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);  // any key registers
    ASSERT_EQ(personFileCount(), 2u);
    EXPECT_EQ(test::readLines(test::personPath(1, 2))[2], quoted("鈴木"));
    EXPECT_EQ(QApplication::focusWidget(), code);
    EXPECT_EQ(text("Text5"), "3");

    // An empty code registers nobody and offers the free code: the keys go there too.
    test::tabInto(form().controlWidget("Command3"));
    type("Text5", "");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(personFileCount(), 2u);
    EXPECT_EQ(QApplication::focusWidget(), code);
    EXPECT_EQ(text("Text5"), "3");
}

// What the clerk enters beyond the fifteen characters of an address box is cut from the end of
// what was entered, with a beep; what the box held stays.
TEST_F(Form6Test, AnOverlongPasteOrInputMethodCommitKeepsItsFirstCharactersWithABeep) {
    const QString sixteen = "東京都千代田区丸の内一丁目一番地";
    ASSERT_EQ(sixteen.size(), 16);
    const QString fourteen = sixteen.left(14);
    enum class Entry { Paste, Commit };
    struct Case {
        Entry how;
        QString before;
        int cursor;
        QString entered;
        QString after;
        int beeps;
    };
    const Case cases[] = {
        {Entry::Paste, "", 0, sixteen, sixteen.left(15), 1},
        {Entry::Commit, "", 0, sixteen, sixteen.left(15), 1},
        {Entry::Commit, "", 0, sixteen.left(15), sixteen.left(15), 0},
        {Entry::Paste, fourteen, 14, "青葉ビル", fourteen + "青", 1},
        {Entry::Commit, fourteen, 2, "青葉ビル", fourteen.left(2) + "青" + fourteen.mid(2), 1},
        {Entry::Paste, sixteen.left(15), 15, "3F", sixteen.left(15), 1},
    };
    int row = 0;
    for (const Case& c : cases) {
        for (const char* name : {"Text8", "Text15"}) {
            auto* box = form().control<QLineEdit>(name);
            type(name, c.before);
            box->setCursorPosition(c.cursor);
            const int beeps = dialogs->beeps;
            if (c.how == Entry::Paste) {
                QApplication::clipboard()->setText(c.entered);
                QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            } else {
                QInputMethodEvent commit;
                commit.setCommitString(c.entered);
                QApplication::sendEvent(box, &commit);
            }
            EXPECT_EQ(box->text(), c.after) << "case " << row << " " << name;
            EXPECT_EQ(dialogs->beeps - beeps, c.beeps) << "case " << row << " " << name;
        }
        ++row;
    }

    // A longer stored address is shown whole; the clerk may shorten it, never lengthen it.
    const QString stored = "北海道札幌市中央区北一条西二丁目三番地";
    auto* box = form().control<QLineEdit>("Text8");
    type("Text8", stored);
    box->setCursorPosition(static_cast<int>(stored.size()));
    const int beeps = dialogs->beeps;
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), stored.chopped(1));
    QTest::keyClicks(box, "ab");
    EXPECT_EQ(box->text(), stored.chopped(1) + "a");
    EXPECT_EQ(dialogs->beeps - beeps, 1);
}

TEST_F(Form6Test, AddressBoxesTakeFifteenTypedCharactersButShowALongerStoredAddress) {
    const QString fifteen = "東京都千代田区丸の内一丁目一番";
    ASSERT_EQ(fifteen.size(), 15);
    for (const char* box : {"Text8", "Text15"}) {
        type(box, fifteen.left(14));
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
        QCoreApplication::sendEvent(form().controlWidget(box), &typed);
        EXPECT_EQ(text(box), fifteen.left(14) + "a") << box;
        QCoreApplication::sendEvent(form().controlWidget(box), &typed);
        EXPECT_EQ(text(box), fifteen.left(14) + "a") << box;
    }

    const std::string longer = "北海道札幌市中央区北一条西二丁目三番地";
    test::writePerson(1, 1, "一", {{4, quoted(longer)}});
    loadPerson(1);
    EXPECT_EQ(text("Text8").toStdString(), longer);
    click("Command3");
    EXPECT_EQ(test::readLines(test::personPath(1, 1))[3], quoted(longer));
}

TEST_F(Form6Test, AFreshScreenStartsWithShowaAndTheCloseBoxKeepsItsState) {
    EXPECT_TRUE(selected("Option3"));
    for (const char* option : {"Option9", "Option22", "Option24", "Option26"})
        EXPECT_FALSE(selected(option)) << option;
    EXPECT_EQ(text("Text12"), "17");

    type("Text7", "入力中");
    Screen* before = &form();
    form().close();
    EXPECT_EQ(ScreenRegistry::instance().existing("Form6"), before);
    EXPECT_EQ(text("Text7"), "入力中");
}

}  // namespace
}  // namespace nencho
