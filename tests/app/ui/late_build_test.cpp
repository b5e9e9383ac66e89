// The work screens the main menu writes into are built only when first needed, and a screen
// built late holds what it would have held had it been built at its first touch.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <functional>
#include <map>
#include <memory>

#include "app/ui/main_menu_fixture.h"
#include "batch/ui/form17.h"
#include "ledger/ui/form2.h"
#include "platform/ui/work_screen.h"
#include "printing/ui/form7.h"
#include "records/ui/form11.h"
#include "records/ui/form12.h"
#include "records/ui/form6.h"
#include "summary/ui/form13.h"
#include "withholding/ui/form8.h"
#include "withholding/ui/form9.h"
#include "yearend/ui/form16.h"
#include "yearend/ui/form18.h"
#include "yearend/ui/form3.h"
#include "yearend/ui/form4.h"
#include "yearend/ui/form5.h"

namespace nencho {
namespace {

using Kind = ScreenEvent::Kind;
using Make = std::function<std::unique_ptr<Screen>()>;

template <class T>
Make make() {
    return [] { return std::make_unique<T>(); };
}

const std::map<QString, Make>& waitingScreens() {
    static const std::map<QString, Make> screens{
        {"Form2", make<Form2>()},   {"Form3", make<Form3>()},   {"Form4", make<Form4>()},
        {"Form5", make<Form5>()},   {"Form6", make<Form6>()},   {"Form7", make<Form7>()},
        {"Form8", make<Form8>()},   {"Form9", make<Form9>()},   {"Form11", make<Form11>()},
        {"Form12", make<Form12>()}, {"Form13", make<Form13>()}, {"Form16", make<Form16>()},
        {"Form17", make<Form17>()}, {"Form18", make<Form18>()}};
    return screens;
}

// Everything a user or another screen can read of a screen, one line per named control.
QStringList stateOf(const Screen& screen) {
    QStringList lines{"title=" + screen.windowTitle(),
                      QString("visible=%1").arg(screen.isVisible())};
    if (const auto* work = qobject_cast<const WorkScreen*>(&screen))
        lines << "year=" + work->workingYear();
    for (const QWidget* widget : screen.findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty()) continue;
        QString line =
            widget->objectName() +
            QString(" hidden=%1 enabled=%2").arg(widget->isHidden()).arg(widget->isEnabled());
        if (const auto* box = qobject_cast<const QLineEdit*>(widget))
            line += " text=" + box->text();
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            line += " text=" + label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            line += QString(" text=%1 checked=%2").arg(button->text()).arg(button->isChecked());
        if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
            line += " title=" + frame->title();
        if (const auto* list = qobject_cast<const QListWidget*>(widget))
            line += QString(" rows=%1 current=%2").arg(list->count()).arg(list->currentRow());
        lines << line;
    }
    return lines;
}

class LateBuildTest : public test::MainMenuTest {
  protected:
    void SetUp() override {
        MainMenuTest::SetUp();
        writeCompany(1, "一社");
        writeCompany(2, "二社");
    }

    std::vector<QString> builtWorkScreens() const {
        std::vector<QString> built;
        for (const auto& [form, make] : waitingScreens())
            if (ScreenRegistry::instance().existing(form)) built.push_back(form);
        return built;
    }

    // A screen built at its first touch and given the same drives in the same order.
    QStringList stateBuiltAtFirstTouch(const QString& form) {
        std::unique_ptr<Screen> screen = waitingScreens().at(form)();
        screen->formLoad();
        for (const ScreenEvent& e : events) {
            if (e.form != form) continue;
            if (e.kind == Kind::Write) screen->setTextOf(e.control, e.text);
            if (e.kind == Kind::Press) screen->press(e.control);
            if (e.kind == Kind::Hide) screen->hide();
        }
        return stateOf(*screen);
    }
};

TEST_F(LateBuildTest, StartUpCompanyChoicesAndYearSwitchesBuildNoWorkScreen) {
    menu();
    typeCodes("1", "");
    menu().press("Command12");
    screens::setOption("Form1", "Option1", true);
    typeCodes("2", "");
    menu().press("Command12");
    screens::setOption("Form1", "Option2", true);
    menu().press("Command10");  // the company cleared
    EXPECT_EQ(builtWorkScreens(), std::vector<QString>{});
    EXPECT_EQ(eventsOf(Kind::Build), std::vector<QString>{"Form1"});
}

TEST_F(LateBuildTest, AScreenBuiltWhenFirstReadHoldsWhatItWouldHaveHeldBuiltAtItsFirstTouch) {
    writePerson(1, 1, "甲");
    writePerson(1, 2, "乙");
    menu();
    typeCodes("1", "");
    menu().press("Command12");
    for (int round = 0; round < 40; ++round)  // more drives than may wait: some screens build
        screens::setOption("Form1", round % 2 ? "Option1" : "Option2", true);
    // The person handed over to the screens, by a choice and by a step.
    typeCodes("1", "1");
    menu().press("Command11");
    menu().press("Command14");
    typeCodes("2", "");
    menu().press("Command12");
    for (const auto& [form, make] : waitingScreens()) {
        SCOPED_TRACE(form.toStdString());
        const QStringList expected = stateBuiltAtFirstTouch(form);
        EXPECT_EQ(stateOf(screens::touch(form)), expected);
    }
}

TEST_F(LateBuildTest, ReadingShowingOrPressingAnotherButtonBuildsTheScreen) {
    menu();
    const std::vector<QString> before = builtWorkScreens();
    EXPECT_EQ(screens::read("Form3", "Text16"), "H17");
    screens::show("Form13");
    screens::press("Form4", "Command3");  // クリア
    screens::setOption("Form5", "Option1", true);
    EXPECT_EQ(builtWorkScreens(), (std::vector<QString>{"Form13", "Form3", "Form4", "Form5"}));
    EXPECT_EQ(eventsOf(Kind::Build),
              (std::vector<QString>{"Form1", "Form3", "Form13", "Form4", "Form5"}));
    EXPECT_TRUE(before.empty());
}

TEST_F(LateBuildTest, AnUnloadedScreenThatWasNeverBuiltForgetsWhatWaited) {
    menu();
    screens::write("Form17", "Text161", "12");
    ScreenRegistry::instance().unload("Form17");
    EXPECT_EQ(eventsOf(Kind::Unload), std::vector<QString>{"Form17"});
    EXPECT_EQ(screens::read("Form17", "Text161"), "");
}

}  // namespace
}  // namespace nencho
