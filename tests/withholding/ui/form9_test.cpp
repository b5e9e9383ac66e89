#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/file_system.h"
#include "platform/ui/screen.h"
#include "support/screen_test.h"
#include "withholding/checked_amounts.h"
#include "withholding/ui/calculation_screen_test.h"

namespace nencho::test {
namespace {

using Kind = ScreenEvent::Kind;

const std::vector<QString> kTotalsAndSave = {"Form2.Command21", "Form2.Command22"};

class Form9Test : public CalculationScreenTest {
  protected:
    // What the ledger's bonus button hands over: the manual boxes cleared, the screen shown,
    // the bonus and its number for both calculations.
    Screen& handIn(int bonusNumber, const QString& bonus) {
        return CalculationScreenTest::handIn("Form9", "Command10",
                                             {{"Label3", bonus},
                                              {"Text3", QString::number(bonusNumber)},
                                              {"Text28", QString::number(bonusNumber)}});
    }

    static QStringList rowOf(int bonusNumber) { return ledgerRow(bonusRow(bonusNumber)); }

    bool ledgerUntouched() const {
        for (const ScreenEvent& event : events)
            if (event.form == "Form2") return false;
        return true;
    }

    static void chooseInsurances(bool health, bool employment) {
        screens::setCheck("Form9", "chkKenkou", health);
        screens::setCheck("Form9", "chkKoho", employment);
    }
};

TEST_F(Form9Test, ABonusOf500000IsComputedWrittenBackTotalledAndSaved) {
    chooseInsurances(true, true);
    screens::setOption("Form9", "optFu2", true);
    Screen& form = handIn(1, "500,000");
    form.setTextOf("Text1", "300000");
    click("Form9", "Command1");

    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(rowOf(1), (QStringList{"500,000", "3,500", "496,500", "2", "29,790", "29,790"}));
    EXPECT_EQ(pressesOn("Form2"), kTotalsAndSave);
    EXPECT_EQ(form.textOf("Text1"), "300,000");
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(Form9Test, EachBonusGoesToItsRowAndTheOptionsSetTheDependants) {
    const std::tuple<int, const char*, QString> cases[] = {
        {2, "Option2", "6"}, {3, "optFu5", "7"}, {1, "optFu0", ""}};
    chooseInsurances(false, false);
    for (const auto& [number, option, dependants] : cases) {
        screens::setOption("Form9", option, true);
        handIn(number, "200,000");
        click("Form9", "Command1");
        EXPECT_EQ(rowOf(number), (QStringList{"200,000", "", "200,000", dependants, "", ""}))
            << number;
        EXPECT_EQ(pressesOn("Form2"), kTotalsAndSave) << number;
    }
}

TEST_F(Form9Test, ACompanyCodeLeftInThePreviousPayBoxCountsAsThatPay) {
    Screen& form = handIn(1, "500,000");
    form.setTextOf("Text1", "5");
    click("Form9", "Command1");
    EXPECT_EQ(rowOf(1)[4], "");  // rate 0 %
    EXPECT_EQ(form.textOf("Text1"), "5");
}

TEST_F(Form9Test, AnOverflowIsReportedBeforeAnythingIsWritten) {
    chooseInsurances(true, false);
    Screen& form = handIn(1, "715,827,883");
    form.setTextOf("Text1", "300000");
    click("Form9", "Command1");

    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "賞与計算");
    EXPECT_EQ(dialogs->messages[0].prompt,
              QString::fromStdString(overflowDescription("賞与の3倍の額")));
    EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(ledgerUntouched());
    EXPECT_EQ(form.textOf("Text1"), "300000");
}

TEST_F(Form9Test, ManualEntryWritesTheTypedRowAndKeepsTheBoxes) {
    Screen& form = handIn(2, "500,000");
    form.setTextOf("Text8", "3,500");
    form.setTextOf("Text2", "29790");
    form.setTextOf("Text7", "2");
    click("Form9", "Command4");

    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(rowOf(2), (QStringList{"500,000", "3,500", "496,500", "2", "29,790", "29,790"}));
    EXPECT_EQ(pressesOn("Form2"), kTotalsAndSave);
    EXPECT_EQ(form.textOf("Text8"), "3,500");
}

TEST_F(Form9Test, ManualEntryOfEmptyBoxesBlanksTheRowAndTooMuchInsuranceGoesNegative) {
    screens::write("Form2", "Text130", "old");
    handIn(1, "");
    click("Form9", "Command4");
    EXPECT_EQ(rowOf(1), (QStringList{"", "", "", "", "", ""}));

    Screen& form = handIn(1, "1,000");
    form.setTextOf("Text8", "12,345");
    click("Form9", "Command4");
    EXPECT_EQ(rowOf(1)[2], "-11,345");
}

TEST_F(Form9Test, ABonusNumberThatIsNotOneToThreeIsExplained) {
    for (const char* button : {"Command1", "Command4"}) {
        Screen& form = handIn(1, "500,000");
        form.setTextOf(QString(button) == "Command1" ? "Text3" : "Text28", "4");
        dialogs->messages.clear();
        click("Form9", button);
        EXPECT_EQ(dialogs->messages.size(), 1u) << button;
        EXPECT_TRUE(form.isVisible()) << button;
        EXPECT_TRUE(ledgerUntouched()) << button;
    }
}

TEST_F(Form9Test, SmallButtonsClearAndStep) {
    screens::show("Form9");
    Screen& form = screens::touch("Form9");
    const std::tuple<QString, const char*, QString> steps[] = {
        {"", "Command7", "1"},  {"32767", "Command7", "1"}, {"", "Command6", "0"},
        {"0", "Command6", "0"}, {"3", "Command6", "2"},
    };
    for (const auto& [before, button, after] : steps) {
        form.setTextOf("Text7", before);
        click("Form9", button);
        EXPECT_EQ(form.textOf("Text7"), after) << before.toStdString() << button;
    }
    const std::pair<const char*, QStringList> clears[] = {
        {"Command8", {"Text8"}},
        {"Command9", {"Text2"}},
        {"Command2", {"Text1"}},
        {"Command10", {"Text8", "Text2", "Text7"}},
    };
    for (const auto& [button, emptied] : clears) {
        for (const char* box : {"Text1", "Text8", "Text2", "Text7"}) form.setTextOf(box, "9");
        click("Form9", button);
        for (const char* box : {"Text1", "Text8", "Text2", "Text7"})
            EXPECT_EQ(form.textOf(box).isEmpty(), emptied.contains(box)) << button << box;
    }
}

TEST_F(Form9Test, EnterLeadsThroughTheManualBoxesToTheEntryButton) {
    Screen& form = handIn(3, "500,000");
    form.activateWindow();
    QApplication::setActiveWindow(&form);
    EXPECT_EQ(QApplication::focusWidget(), form.controlWidget("Text8"));
    for (const char* next : {"Text2", "Text7", "Command4"}) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QApplication::sendEvent(QApplication::focusWidget(), &enter);
        EXPECT_EQ(QApplication::focusWidget(), form.controlWidget(next)) << next;
    }
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QApplication::sendEvent(QApplication::focusWidget(), &enter);
    EXPECT_EQ(pressesOn("Form2"), kTotalsAndSave);
    EXPECT_EQ(rowOf(3)[0], "500,000");
}

// Only a key that types a character (Enter included) runs the entry from its button; moving on
// with Tab or Shift+Tab, a lone modifier or an arrow must not write the bonus row.
TEST_F(Form9Test, OnlyACharacterKeyOnTheEntryButtonRunsTheManualEntry) {
    Screen& form = handIn(1, "500,000");
    form.activateWindow();
    QApplication::setActiveWindow(&form);
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, QString> navigation[] = {
        {Qt::Key_Shift, Qt::ShiftModifier, ""}, {Qt::Key_Control, Qt::ControlModifier, ""},
        {Qt::Key_Left, Qt::NoModifier, ""},     {Qt::Key_F1, Qt::NoModifier, ""},
        {Qt::Key_Tab, Qt::NoModifier, "\t"},    {Qt::Key_Backtab, Qt::ShiftModifier, ""},
    };
    for (const auto& [key, modifiers, text] : navigation) {
        form.control<QPushButton>("Command4")->setFocus();  // Tab has moved it on
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(form.controlWidget("Command4"), &press);
        EXPECT_TRUE(ledgerUntouched()) << key;
        EXPECT_TRUE(form.isVisible()) << key;
    }
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(form.controlWidget("Command4"), &space);
    EXPECT_EQ(pressesOn("Form2"), kTotalsAndSave);
}

TEST_F(Form9Test, StartsWithNoDependantsAndNoInsurance) {
    Screen& form = screens::touch("Form9");
    EXPECT_TRUE(form.control<QRadioButton>("optFu0")->isChecked());
    EXPECT_FALSE(form.control<QCheckBox>("chkKenkou")->isChecked());
    EXPECT_FALSE(form.control<QCheckBox>("chkKoho")->isChecked());
    const std::pair<const char*, const char*> captions[] = {
        {"Command1", "計算実行"}, {"Command4", "手動計算実行"}, {"Option1", "５人"},
        {"Option2", "６人"},      {"optFu5", "７人以上"},       {"chkKenkou", "健康保険あり"},
    };
    for (const auto& [name, caption] : captions) EXPECT_EQ(form.textOf(name), caption) << name;
}

}  // namespace
}  // namespace nencho::test
