#pragma once
// The fixture of screen tests: a QApplication (offscreen), temporary drives, scripted dialogs,
// a fresh set of screens and a record of what the screens did to each other.
#include <gtest/gtest.h>

#include <QString>
#include <Qt>
#include <deque>
#include <optional>
#include <vector>

#include "platform/ui/dialogs.h"
#include "platform/ui/screens.h"
#include "support/temp_drives.h"

class QListWidget;
class QWidget;

// Lets test failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace nencho::test {

struct ShownMessage {
    QString prompt;
    QString title;
    MessageIcon icon;
    MessageButtons buttons;
};

// Answers dialogs from queues; an unscripted message box answers OK, an unscripted input box
// fails the test (it would have waited for the user).
class ScriptedDialogs : public DialogHost {
  public:
    MessageAnswer messageBox(const QString& prompt, const QString& title, MessageIcon icon,
                             MessageButtons buttons) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override;
    void beep() override { ++beeps; }
    void sendTab() override {
        ++tabs;
        sendTabToFocusedWidget();
    }

    std::deque<MessageAnswer> answers;
    std::deque<std::optional<QString>> inputs;  // nullopt: the user cancels
    std::vector<ShownMessage> messages;
    std::vector<QString> inputPrompts;
    int beeps = 0;
    int tabs = 0;
};

class ScreenTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Events of one kind ("Press", "Write", "Hide", ...) as "Form.Control" or "Form" strings.
    // The builds of screens, which come whenever a screen is first needed, are kept apart from
    // the drives between screens.
    std::vector<QString> eventsOf(ScreenEvent::Kind kind) const;
    // The presses of one screen's buttons, as "Form.Control" strings.
    std::vector<QString> pressesOn(const QString& form) const;
    void clearEvents() {
        events.clear();
        builds.clear();
    }

    std::unique_ptr<TempDrives> drives;
    ScriptedDialogs* dialogs = nullptr;  // owned by the platform while the test runs
    std::vector<ScreenEvent> events;
    std::vector<QString> builds;
    int programEnds = 0;
};

// Opens a person's ledger the way the main menu does, so that calculations handed back to the
// ledger total and save that person's figures.
void openLedgerOf(const QString& company, const QString& person, const QString& year = "H17");

// Creates the QApplication once per test program, on first use.
void ensureApplication();

// Clicks a button as a user does, with the mouse at its centre. The test fails, and nothing is
// clicked, unless the button can be clicked: its screen shown, the button visible and enabled.
// (screens::press stays for one screen driving another, which presses hidden buttons too.)
void click(const QString& form, const QString& button);

// The user's ways of choosing a row of a list: a click on it, or the focus brought into the list
// and a key pressed there (Down, Up, Return, ...).
void clickRow(QListWidget* list, int row);
void pressKeyIn(QWidget* control, Qt::Key key);
// Brings the focus into a control the way Tab does, its window shown and active.
void tabInto(QWidget* control);

}  // namespace nencho::test
