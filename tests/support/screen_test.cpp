#include "support/screen_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QTest>

#include "app/ui/screen_catalog.h"
#include "ledger/ui/form2_controls.h"
#include "platform/ui/program.h"
#include "platform/ui/screen.h"

namespace nencho::test {

MessageAnswer ScriptedDialogs::messageBox(const QString& prompt, const QString& title,
                                          MessageIcon icon, MessageButtons buttons) {
    messages.push_back({prompt, title, icon, buttons});
    if (answers.empty()) return MessageAnswer::Ok;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::inputBox(const QString& prompt, const QString&,
                                                 const QString&) {
    inputPrompts.push_back(prompt);
    if (inputs.empty()) {
        ADD_FAILURE() << "unscripted input box: " << prompt.toStdString();
        return std::nullopt;
    }
    // Taken as a plain text: GCC's optimiser wrongly reports a moved-out optional as unset.
    const bool given = inputs.front().has_value();
    const QString text = inputs.front().value_or(QString());
    inputs.pop_front();
    if (!given) return std::nullopt;
    return text;
}

void ensureApplication() {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "nencho-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
}

void click(const QString& form, const QString& button) {
    const std::string name = (form + "." + button).toStdString();
    auto* target = screens::touch(form).findChild<QAbstractButton*>(button);
    if (!target) {
        ADD_FAILURE() << "no button " << name;
        return;
    }
    if (!target->isVisible()) {
        ADD_FAILURE() << name << " is not visible: a user cannot click it";
        return;
    }
    if (!target->isEnabled()) {
        ADD_FAILURE() << name << " is disabled: a user cannot click it";
        return;
    }
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
}

void clickRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    if (!item) {
        ADD_FAILURE() << "no row " << row << " in " << list->objectName().toStdString();
        return;
    }
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

void pressKeyIn(QWidget* control, Qt::Key key) {
    QTest::keyClick(control, key);
}

void tabInto(QWidget* control) {
    QWidget* window = control->window();
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    control->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(control->hasFocus()) << control->objectName().toStdString();
}

void openLedgerOf(const QString& company, const QString& person, const QString& year) {
    using namespace form2;
    screens::write(kForm, kYearBox, year);
    screens::write(kForm, kCompanyBox, company);
    screens::write(kForm, kPersonBox, person);
    screens::press(kForm, kYearButton);
    screens::press(kForm, kDisplayClearButton);
    screens::press(kForm, kLoadButton);
}

void ScreenTest::SetUp() {
    ensureApplication();
    drives = std::make_unique<TempDrives>();
    auto host = std::make_unique<ScriptedDialogs>();
    dialogs = host.get();
    setDialogHost(std::move(host));
    setProgramEndHook([this] { ++programEnds; });
    ScreenRegistry& registry = ScreenRegistry::instance();
    registry.unloadAll();
    registerScreens();
    registry.setObserver([this](const ScreenEvent& event) {
        if (event.kind == ScreenEvent::Kind::Build)
            builds.push_back(event.form);
        else
            events.push_back(event);
    });
}

void ScreenTest::TearDown() {
    ScreenRegistry& registry = ScreenRegistry::instance();
    registry.setObserver({});
    registry.unloadAll();
    setProgramEndHook({});
    setDialogHost(nullptr);
    dialogs = nullptr;
    drives.reset();
}

std::vector<QString> ScreenTest::eventsOf(ScreenEvent::Kind kind) const {
    if (kind == ScreenEvent::Kind::Build) return builds;
    std::vector<QString> result;
    for (const ScreenEvent& event : events) {
        if (event.kind != kind) continue;
        result.push_back(event.control.isEmpty() ? event.form : event.form + "." + event.control);
    }
    return result;
}

std::vector<QString> ScreenTest::pressesOn(const QString& form) const {
    std::vector<QString> result;
    for (const ScreenEvent& event : events)
        if (event.kind == ScreenEvent::Kind::Press && event.form == form)
            result.push_back(event.form + "." + event.control);
    return result;
}

}  // namespace nencho::test
