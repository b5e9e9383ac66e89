// The main menu's buttons that open the work screens, the year-end replay and the links.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <stdexcept>

#include "app/link_addresses.h"
#include "common/failure.h"
#include "main_menu_fixture.h"
#include "platform/ui/links.h"
#include "yearend/ui/form3_controls.h"

namespace nencho::test {
namespace {

using Kind = ScreenEvent::Kind;

class ScreenEntry : public MainMenuTest {
  protected:
    void SetUp() override {
        MainMenuTest::SetUp();
        writeCompany(1, "一社");
        writePerson(1, 1, "甲");
        writePerson(1, 2, "乙");
        menu();
        clearEvents();
    }
};

TEST_F(ScreenEntry, EachMenuButtonPressesItsScreensButtonsInOrderAndShowsIt) {
    struct Case {
        const char* button;
        const char* form;
        std::vector<QString> presses;
    };
    const Case cases[] = {
        {"Command1", "Form2", {"Form2.Command36", "Form2.Command3", "Form2.Command2"}},
        {"Command3",
         "Form4",
         {"Form4.Command36", "Form4.Command3", "Form4.Command2", "Form4.Command5"}},
        {"Command4",
         "Form5",
         {"Form5.Command36", "Form5.Command10", "Form5.Command9", "Form5.Command22"}},
        {"Command21", "Form16", {"Form16.Command36", "Form16.Command10", "Form16.Command5"}},
        {"Command6",
         "Form7",
         {"Form7.Command7", "Form7.Command36", "Form7.Command5", "Form7.Command3",
          "Form7.Command8"}},
        {"Command20", "Form13", {"Form13.Command36", "Form13.Command5"}},
        {"Command5", "Form11", {"Form11.Command36", "Form11.Command9"}},
        {"Command13", "Form6", {"Form6.Command36", "Form6.Command6", "Form6.Command2"}},
        {"Command30", "Form19", {}},
    };
    for (const Case& c : cases) {
        // Opening twice gives the same: each opening clears and loads again.
        for (int round = 0; round < 2; ++round) {
            clearEvents();
            click(c.button);
            EXPECT_EQ(eventsOf(Kind::Press), c.presses) << c.button;
            EXPECT_EQ(eventsOf(Kind::Show), std::vector<QString>{c.form}) << c.button;
        }
    }
}

// The screen a menu button shows is the window the keys go to, also when it was open already
// behind another one.
TEST_F(ScreenEntry, AScreenShownFromTheMenuWhileAnotherIsInFrontBecomesTheActiveWindow) {
    const std::pair<const char*, const char*> openings[] = {
        {"Command3", "Form4"},  {"Command5", "Form11"}, {"Command3", "Form4"},
        {"Command13", "Form6"}, {"Command1", "Form2"},  {"Command5", "Form11"},
    };
    for (const auto& [button, form] : openings) {
        click(button);
        QApplication::processEvents();
        EXPECT_EQ(QApplication::activeWindow(), &screens::touch(form)) << button;
    }
}

// The company and person screens opened from the menu start in their code box, wherever the
// clerk left the focus: a code typed at once is the code, not the name.
TEST_F(ScreenEntry, TheCompanyAndPersonScreensOpenInTheirCodeBoxEveryTime) {
    struct Case {
        const char* button;
        const char* form;
        const char* codeBox;
        const char* nameBox;
        bool hiddenBetween;  // closed by the menu's work before it is opened again, or left open
    };
    const Case cases[] = {
        {"Command5", "Form11", "Text1", "Text3", false},
        {"Command5", "Form11", "Text1", "Text3", true},
        {"Command13", "Form6", "Text5", "Text7", false},
        {"Command13", "Form6", "Text5", "Text7", true},
    };
    for (const Case& c : cases) {
        click(c.button);
        Screen& screen = screens::touch(c.form);
        tabInto(screen.controlWidget(c.nameBox));
        if (c.hiddenBetween) screens::hide(c.form);
        click(c.button);
        QApplication::processEvents();
        QTest::keyClicks(QApplication::focusWidget(), "999");
        EXPECT_EQ(screen.textOf(c.codeBox), "999") << c.form << (c.hiddenBetween ? " hidden" : "");
        EXPECT_EQ(screen.textOf(c.nameBox), "") << c.form << (c.hiddenBetween ? " hidden" : "");
    }
}

TEST_F(ScreenEntry, DataMaintenanceIsEmptiedBeforeItTakesTheYear) {
    screens::write("Form12", "Text1", "5");
    clearEvents();
    click("Command16");
    EXPECT_FALSE(
        screens::touch("Form12").controlWidget("Label3")->isVisibleTo(&screens::touch("Form12")));
    EXPECT_EQ(writesInto("Text1").size() + writesInto("Text2").size(), 2u);
    std::vector<QString> order;
    for (const ScreenEvent& event : events)
        if (event.kind == Kind::Write) order.push_back(event.control + "=" + event.text);
    EXPECT_EQ(order,
              (std::vector<QString>{"Text1=", "Text2=", "Text3=", "Text4=", "Text7=", "Text6="}));
    EXPECT_EQ(eventsOf(Kind::Press), std::vector<QString>{"Form12.Command36"});
    EXPECT_EQ(eventsOf(Kind::Show), std::vector<QString>{"Form12"});
}

TEST_F(ScreenEntry, ALedgerFailureBeepsAndLeavesTheLedgerHidden) {
    auto* load = screens::touch("Form2").control<QPushButton>("Command2");
    QObject::connect(load, &QPushButton::clicked, [] { throw Failure("読めません"); });
    clearEvents();
    click("Command1");
    EXPECT_EQ(dialogs->beeps, 1);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].prompt, "読めません");
    EXPECT_EQ(dialogs->messages[0].title, "源泉徴収簿");
    EXPECT_TRUE(eventsOf(Kind::Show).empty());
    EXPECT_FALSE(visible("Form2"));
}

// A fault in the program is not taken for a ledger that could not be read: the action guard
// reports it as unexpected, under the menu button's caption, and the ledger stays hidden.
TEST_F(ScreenEntry, AProgrammingErrorBehindTheLedgerIsReportedAsSuchAndLeavesItHidden) {
    auto* load = screens::touch("Form2").control<QPushButton>("Command2");
    QObject::connect(load, &QPushButton::clicked,
                     [] { throw std::logic_error("no control Form2.Text999"); });
    clearEvents();
    menu().press("Command1");
    EXPECT_EQ(dialogs->beeps, 0);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].prompt, "no control Form2.Text999");
    EXPECT_EQ(dialogs->messages[0].title, menu().textOf("Command1"));
    EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(eventsOf(Kind::Show).empty());
    EXPECT_FALSE(visible("Form2"));
}

class AdjustmentReplay : public ScreenEntry {
  protected:
    void storeDecision(int person, const std::string& status) {
        std::vector<std::string> lines(25, "0");
        lines.push_back("\"" + status + "\"");
        writeYearFile(1, person, YearFileKind::AdjustmentResult, lines);
    }
};

// The menu opens the sheet on the person it loaded and asks it to replay what is stored; the
// sheet decides what that is.
TEST_F(AdjustmentReplay, TheSheetReplaysTheStoredDecisionBeforeItIsShown) {
    const struct {
        const char* status;  // nullptr: no stored decision
        bool replayed;
    } cases[] = {
        {"年末調整実行", true},
        {"年調しない", true},
        {"調整中", false},
        {nullptr, false},
    };
    typeCodes("1", "1");
    click("Command11");
    click("Command2");  // the sheet takes up the person
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status ? c.status : "none");
        if (c.status)
            storeDecision(1, c.status);
        else
            std::filesystem::remove(
                drives->host(*yearFilePath("H17", 101, YearFileKind::AdjustmentResult)));
        screens::write(form3::kForm, form3::kStatusBox, "前");
        clearEvents();
        click("Command2");
        EXPECT_EQ(eventsOf(Kind::Press),
                  (std::vector<QString>{"Form3.Command6", "Form3.Command10",
                                        "Form3." + QString(form3::kReplayStoredButton)}));
        EXPECT_EQ(screens::read(form3::kForm, form3::kStatusBox),
                  c.replayed ? QString(c.status) : QString("前"));
        EXPECT_EQ(writesInto("Text161"), std::vector<QString>{"Form3.Text161=1"});
        EXPECT_EQ(writesInto("Text162"), std::vector<QString>{"Form3.Text162=1"});
        EXPECT_EQ(eventsOf(Kind::Show), std::vector<QString>{"Form3"});
    }
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(AdjustmentReplay, UsesThePersonOfTheLastLoadNotTheTypedBoxes) {
    storeDecision(1, "年調しない");
    typeCodes("1", "1");
    click("Command11");
    menu().setTextOf("Text162", "2");  // typed, not loaded
    clearEvents();
    click("Command2");
    EXPECT_EQ(writesInto("Text162"), std::vector<QString>{"Form3.Text162=1"});
    EXPECT_EQ(screens::read(form3::kForm, form3::kStatusBox), "年調しない");
    EXPECT_EQ(menu().currentPersonCode(), 2);  // the copies follow the boxes again
}

TEST_F(AdjustmentReplay, WithoutALoadedPersonNothingIsReplayed) {
    storeDecision(1, "年末調整実行");
    typeCodes("1", "1");  // typed, never loaded
    click("Command2");
    EXPECT_EQ(writesInto("Text162"), std::vector<QString>{"Form3.Text162="});
    EXPECT_EQ(eventsOf(Kind::Press), (std::vector<QString>{"Form3.Command6", "Form3.Command10"}));
    EXPECT_EQ(eventsOf(Kind::Show), std::vector<QString>{"Form3"});
}

class RecordingOpener : public LinkOpener {
  public:
    explicit RecordingOpener(std::vector<QString>* opened) : opened_(opened) {}
    bool open(const QString& target) override {
        opened_->push_back(target);
        return true;
    }

  private:
    std::vector<QString>* opened_;
};

TEST_F(ScreenEntry, LinkButtonsHandTheirAddressesToTheOpener) {
    std::vector<QString> opened;
    setLinkOpener(std::make_unique<RecordingOpener>(&opened));
    for (const char* button : {"Command26", "Command27", "Command28"}) click(button);
    setLinkOpener(nullptr);
    EXPECT_EQ(opened, (std::vector<QString>{kHomePageAddress, QString("mailto:") + kMailAddress,
                                            kSupportForumAddress}));
    EXPECT_TRUE(QString(kSupportForumAddress).endsWith("?"));
    EXPECT_TRUE(events.empty());
}

}  // namespace
}  // namespace nencho::test
