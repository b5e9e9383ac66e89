#include <gtest/gtest.h>

#include <QRadioButton>

#include "platform/file_system.h"
#include "platform/ui/screen.h"
#include "platform/ui/work_screen.h"
#include "support/screen_test.h"

namespace nencho {
namespace {

using Kind = ScreenEvent::Kind;

const std::vector<QString> kYearBoxes{
    "Form2.Text10", "Form3.Text16",  "Form4.Text85",  "Form5.Text73",  "Form6.Text3",
    "Form7.Text10", "Form11.Text24", "Form12.Text10", "Form13.Text10", "Form16.Text85"};

class YearSwitchTest : public test::ScreenTest {
  protected:
    std::vector<QString> yearBoxWrites() const {
        std::vector<QString> result;
        for (const ScreenEvent& e : events)
            if (e.kind == Kind::Write && e.text.startsWith("H"))
                result.push_back(e.form + "." + e.control);
        return result;
    }
    QString workingYearOf(const char* form) {
        return static_cast<WorkScreen&>(screens::touch(form)).workingYear();
    }
};

TEST_F(YearSwitchTest, FirstStartOnAnEmptyDriveCreatesTheTreeAndCompletesTheSequence) {
    Screen& menu = screens::touch("Form1");
    EXPECT_EQ(menu.windowTitle(), "平成 17 年分の給与計算システム");
    EXPECT_EQ(menu.textOf("Label1"), "平成 17 年分");
    for (const char* folder :
         {"c:\\年末調整\\年調法人名", "c:\\年末調整\\個人名", "c:\\年末調整\\H17年末調整"})
        EXPECT_TRUE(folderExists(folder)) << folder;

    EXPECT_EQ(yearBoxWrites(), kYearBoxes);
    EXPECT_EQ(eventsOf(Kind::Hide),
              (std::vector<QString>{"Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8",
                                    "Form9", "Form16", "Form17", "Form18"}));
    EXPECT_EQ(screens::read("Form7", "Text8"), "⑱");
    EXPECT_EQ(screens::read("Form6", "Text12"), "17");
    EXPECT_EQ(screens::read("Form7", "Text9"), "17");
    // The hidden work screens hold the year at once, not only when next opened.
    for (const char* form : {"Form2", "Form4", "Form5", "Form6", "Form7", "Form16"})
        EXPECT_EQ(workingYearOf(form), "H17") << form;
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(YearSwitchTest, ScreensAreFirstTouchedInTheOrderOfTheSequenceAndOnlyTheMenuIsBuilt) {
    screens::touch("Form1");
    // Form9 has no year button: its first touch is its hide.
    EXPECT_EQ(eventsOf(Kind::Create),
              (std::vector<QString>{"Form1", "Form7", "Form6", "Form2", "Form3", "Form4", "Form5",
                                    "Form11", "Form12", "Form13", "Form16", "Form8", "Form17",
                                    "Form9", "Form18"}));
    EXPECT_EQ(eventsOf(Kind::Build), std::vector<QString>{"Form1"});
}

TEST_F(YearSwitchTest, YearOptionsSwitchOnlyToThirteenAndFourteen) {
    Screen& menu = screens::touch("Form1");
    screens::show("Form16");
    clearEvents();

    screens::setOption("Form1", "Option1", true);
    EXPECT_EQ(menu.windowTitle(), "平成 13 年分の給与計算システム");
    EXPECT_TRUE(folderExists("c:\\年末調整\\H13年末調整"));
    EXPECT_EQ(yearBoxWrites(), kYearBoxes);
    EXPECT_EQ(screens::read("Form2", "Text10"), "H13");
    EXPECT_EQ(screens::read("Form7", "Text8"), "⑭");
    EXPECT_EQ(eventsOf(Kind::Hide), (std::vector<QString>{"Form2", "Form3", "Form4", "Form5",
                                                          "Form6", "Form7", "Form8", "Form9"}));
    // The open spouse and housing screen keeps its former year until it is opened again.
    EXPECT_TRUE(screens::touch("Form16").isVisible());
    EXPECT_EQ(workingYearOf("Form16"), "H17");
    EXPECT_EQ(workingYearOf("Form2"), "H13");

    clearEvents();
    screens::setOption("Form1", "Option5", true);  // "１７年" only moves the mark
    EXPECT_TRUE(menu.control<QRadioButton>("Option5")->isChecked());
    EXPECT_EQ(menu.windowTitle(), "平成 13 年分の給与計算システム");
    EXPECT_TRUE(yearBoxWrites().empty());
    EXPECT_EQ(screens::read("Form2", "Text10"), "H13");

    screens::setOption("Form1", "Option2", true);
    EXPECT_EQ(menu.textOf("Label1"), "平成 14 年分");
    EXPECT_EQ(screens::read("Form7", "Text9"), "14");
}

TEST_F(YearSwitchTest, AFolderThatCannotBeMadeIsReportedAndTheProgramGoesOn) {
    // A file where the data root should be stands in for a folder the system refuses.
    test::writeBytes("c:\\年末調整", "not a folder");
    Screen& menu = screens::touch("Form1");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(menu.windowTitle(), "平成 17 年分の給与計算システム");
    EXPECT_TRUE(yearBoxWrites().empty());
    EXPECT_EQ(programEnds, 0);
}

TEST_F(YearSwitchTest, EndButtonBeepsOnceAndEndsTheProgram) {
    screens::touch("Form1");
    screens::show("Form2");
    screens::press("Form1", "Command8");
    EXPECT_EQ(dialogs->beeps, 1);
    EXPECT_EQ(programEnds, 1);
    EXPECT_TRUE(dialogs->messages.empty());
}

}  // namespace
}  // namespace nencho
