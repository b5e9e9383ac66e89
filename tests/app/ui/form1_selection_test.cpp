// The main window's company and person lists, the company load and the clears.
#include "main_menu_fixture.h"

namespace nencho::test {
namespace {

using Kind = ScreenEvent::Kind;

class CompanySelection : public MainMenuTest {};

TEST_F(CompanySelection, CompanyListShowsEveryReadableCompanyInCodeOrder) {
    writeCompany(5, "五社");
    writeCompany(1, "一社");
    writeCompany(100, "百社");
    writeCompany(2, "二社");
    writeLines(companyFilePath(7), {"7", "0", "13"});  // short: skipped, probing goes on
    EXPECT_EQ(rows("List1"), (QStringList{"01 : 一社", "02 : 二社", "05 : 五社", "100 : 百社"}));
}

TEST_F(CompanySelection, ChoosingACompanyLoadsItAndListsItsPersonsUpToTheFirstGap) {
    writeCompany(1, "一社");
    writeCompany(3, "三社");
    writePerson(3, 1, "甲");
    writePerson(3, 2, "乙");
    writePerson(3, 4, "丁");
    menu();
    clearEvents();
    choose("List1", 1);
    EXPECT_EQ(menu().textOf("Text161"), "3");
    EXPECT_EQ(menu().textOf("Command12"), "三社");
    EXPECT_EQ(menu().currentCompanyCode(), 3);
    EXPECT_EQ(rows("List2"), (QStringList{"01 : 甲", "02 : 乙"}));
    EXPECT_EQ(writesInto("Text161"),
              (std::vector<QString>{"Form7.Text161=3", "Form2.Text161=3", "Form3.Text161=3",
                                    "Form4.Text161=3", "Form5.Text161=3", "Form7.Text161=3",
                                    "Form13.Text161=3", "Form16.Text161=3"}));
    EXPECT_EQ(writesInto("Text1"), std::vector<QString>{"Form6.Text1=3"});
    EXPECT_EQ(writesInto("Text23"), std::vector<QString>{"Form11.Text23=3"});
    EXPECT_EQ(writesInto("Text4"), std::vector<QString>{"Form13.Text4=三社"});

    click("Command25");
    EXPECT_EQ(rows("List2"), (QStringList{"01 : 甲", "02 : 乙", "04 : 丁"}));
}

TEST_F(CompanySelection, AnotherCompanysPersonsNeverShowUnderTheChosenOne) {
    writeCompany(1, "一社");
    writeCompany(2, "二社");
    writePerson(1, 1, "甲");
    writePerson(1, 2, "乙");
    writePerson(2, 1, "二社の甲");  // key 201: person 101 of company 1 as a key
    writePerson(1, 3, "他人", 7);   // a record that stores another person's code
    writePerson(1, 5, "戊");
    menu();
    choose("List1", 0);
    click("Command25");
    EXPECT_EQ(rows("List2"), (QStringList{"01 : 甲", "02 : 乙", "05 : 戊"}));

    // Typed in by hand, the other company's person is refused as well.
    typeCodes("1", "101");
    clearEvents();
    click("Command11");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "個人呼び出し");
    EXPECT_TRUE(events.empty());
}

TEST_F(CompanySelection, ARowWithCodeZeroGivesAnEmptyBoxAndNoPersons) {
    writeCompany(4, "零社", 0);
    writePerson(0, 1, "甲");
    menu();
    EXPECT_EQ(rows("List1"), QStringList{"00 : 零社"});
    choose("List1", 0);
    EXPECT_EQ(menu().textOf("Text161"), "");
    EXPECT_EQ(list("List2")->count(), 0);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "会社呼び出し");
}

TEST_F(CompanySelection, AFailedCompanyLoadSaysSoAndLeavesTheScreensAlone) {
    writeCompany(1, "一社");
    menu();
    choose("List1", 0);
    clearEvents();
    menu().setTextOf("Text161", "9");
    click("Command12");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "会社呼び出し");
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(menu().textOf("Command12"), "一社");
    EXPECT_EQ(screens::read("Form7", "Text161"), "1");
}

TEST_F(CompanySelection, AnotherCompanyHidesTheWorkScreensTheSameOneDoesNot) {
    writeCompany(1, "一社");
    writeCompany(2, "二社");
    writePerson(1, 1, "甲");
    menu();
    choose("List1", 0);
    choose("List2", 0);
    ASSERT_TRUE(visible("Form2"));
    screens::show("Form16");

    clearEvents();
    click("Command12");  // the same company again
    EXPECT_TRUE(eventsOf(Kind::Hide).empty());
    EXPECT_TRUE(visible("Form2"));

    choose("List1", 1);
    EXPECT_EQ(eventsOf(Kind::Hide),
              (std::vector<QString>{"Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8",
                                    "Form9", "Form16"}));
    EXPECT_FALSE(visible("Form2"));
    EXPECT_FALSE(visible("Form16"));
    EXPECT_EQ(screens::read("Form2", "Text161"), "2");
}

TEST_F(CompanySelection, ClearingThePersonAndTheCompany) {
    writeCompany(1, "一社");
    writePerson(1, 1, "甲");
    menu();
    choose("List1", 0);
    choose("List2", 0);
    ASSERT_EQ(menu().textOf("Command11"), "甲");

    clearEvents();
    click("Command9");
    EXPECT_EQ(menu().textOf("Text162"), "");
    EXPECT_EQ(menu().textOf("Command11"), "個人名");
    EXPECT_EQ(eventsOf(Kind::Hide), (std::vector<QString>{"Form2", "Form3", "Form4", "Form5",
                                                          "Form6", "Form7", "Form8", "Form9"}));

    menu().setTextOf("Text162", "1");
    clearEvents();
    click("Command10");
    EXPECT_EQ(menu().textOf("Text161"), "");
    EXPECT_EQ(menu().textOf("Command12"), "法人名");
    EXPECT_EQ(menu().textOf("Text162"), "1");
    EXPECT_EQ(list("List1")->currentRow(), -1);
    EXPECT_EQ(rows("List2"), QStringList{"01 : 甲"});
    EXPECT_EQ(eventsOf(Kind::Hide),
              (std::vector<QString>{"Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8",
                                    "Form9", "Form16", "Form17", "Form18"}));
    // Taking the selection away chose no company.
    EXPECT_TRUE(eventsOf(Kind::Write).empty());
    EXPECT_TRUE(dialogs->messages.empty());
}

// Tab into a list shows its rows and chooses nothing; a key or a click there chooses.
TEST_F(CompanySelection, TheListsActOnTheUsersChoiceNeverOnTheFocus) {
    writeCompany(1, "一社");
    writeCompany(2, "二社");
    writePerson(1, 1, "甲");
    writePerson(1, 2, "乙");
    menu();
    clearEvents();
    tabInto(list("List1"));
    EXPECT_EQ(menu().textOf("Text161"), "");
    EXPECT_EQ(list("List1")->currentRow(), -1);
    EXPECT_TRUE(eventsOf(Kind::Write).empty());
    EXPECT_TRUE(dialogs->messages.empty());

    pressKeyIn(list("List1"), Qt::Key_Down);  // the first row
    EXPECT_EQ(menu().textOf("Text161"), "1");
    EXPECT_EQ(rows("List2"), (QStringList{"01 : 甲", "02 : 乙"}));

    clearEvents();
    tabInto(list("List2"));
    EXPECT_EQ(menu().textOf("Text162"), "");
    EXPECT_TRUE(events.empty());
    EXPECT_FALSE(visible("Form2"));

    pressKeyIn(list("List2"), Qt::Key_Down);
    EXPECT_EQ(menu().textOf("Command11"), "甲");
    EXPECT_TRUE(visible("Form2"));
    pressKeyIn(list("List2"), Qt::Key_Down);
    EXPECT_EQ(menu().textOf("Command11"), "乙");

    // Enter chooses the current row again, here after the person box was typed over.
    menu().setTextOf("Text162", "1");
    pressKeyIn(list("List2"), Qt::Key_Return);
    EXPECT_EQ(menu().textOf("Text162"), "2");
    EXPECT_TRUE(dialogs->messages.empty());

    // A row set from code is no choice.
    clearEvents();
    list("List1")->setCurrentRow(1);
    EXPECT_EQ(menu().textOf("Text161"), "1");
    EXPECT_TRUE(events.empty());
}

TEST_F(CompanySelection, StartScreenButtonsRefillTheCompanyList) {
    writeCompany(1, "一社");
    menu();
    writeCompany(2, "二社");
    for (const char* button : {"Command17", "Command18"}) {
        click(button);
        EXPECT_EQ(rows("List1"), (QStringList{"01 : 一社", "02 : 二社"})) << button;
    }
    EXPECT_TRUE(visible("Form1"));
}

}  // namespace
}  // namespace nencho::test

namespace nencho::test {
namespace {

// A code beyond 32 bits is one failure, and the main menu, the company screen and data
// maintenance say the same of it.
TEST_F(CompanySelection, ACodeBeyondThirtyTwoBitsGetsOneMessageOnEveryScreen) {
    const QString code = "99999999999";
    menu().setTextOf("Text161", code);
    click("Command12");
    screens::write("Form11", "Text1", code);
    screens::press("Form11", "Command6");
    screens::write("Form11", "Text1", code);
    screens::press("Form11", "Command4");
    screens::write("Form12", "Text1", code);
    screens::press("Form12", "Command1");
    screens::write("Form12", "Text1", code);
    screens::press("Form12", "Command10");

    ASSERT_EQ(dialogs->messages.size(), 5u);
    for (const ShownMessage& message : dialogs->messages)
        EXPECT_EQ(message.prompt, "会社コードが大きすぎます") << message.title.toStdString();
}

// Input methods type full-width digits; the code box reads them as the code.
TEST_F(CompanySelection, AFullWidthCodeLoadsItsCompany) {
    writeCompany(12, "十二社");
    menu().setTextOf("Text161", "１２");
    click("Command12");
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(menu().textOf("Command12"), "十二社");

    screens::write("Form11", "Text1", "１３");
    screens::write("Form11", "Text3", "十三社");
    screens::press("Form11", "Command4");
    EXPECT_EQ(readLines(companyFilePath(13))[0], "13");
    EXPECT_FALSE(exists(companyFilePath(999)));
}

}  // namespace
}  // namespace nencho::test
