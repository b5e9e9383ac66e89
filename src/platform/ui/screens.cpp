#include "platform/ui/screens.h"

#include <QCheckBox>
#include <QRadioButton>
#include <stdexcept>

#include "platform/ui/screen.h"

namespace nencho {

ScreenRegistry& ScreenRegistry::instance() {
    static ScreenRegistry registry;
    return registry;
}

void ScreenRegistry::registerFactory(const QString& name, Factory factory) {
    factories_[name] = std::move(factory);
}

bool ScreenRegistry::knows(const QString& name) const {
    return factories_.count(name) != 0;
}

Screen& ScreenRegistry::touch(const QString& name) {
    if (Screen* screen = existing(name)) return *screen;
    const auto factory = factories_.find(name);
    if (factory == factories_.end()) throw std::logic_error(("no screen " + name).toStdString());
    Screen* screen = (screens_[name] = factory->second()).get();
    creationOrder_.push_back(name);
    notify({ScreenEvent::Kind::Create, name, {}, {}});
    screen->formLoad();
    return *screen;
}

Screen* ScreenRegistry::existing(const QString& name) const {
    const auto it = screens_.find(name);
    return it == screens_.end() ? nullptr : it->second.get();
}

void ScreenRegistry::unload(const QString& name) {
    const auto it = screens_.find(name);
    if (it == screens_.end()) return;
    notify({ScreenEvent::Kind::Unload, name, {}, {}});
    it->second->hide();
    std::unique_ptr<Screen> doomed = std::move(it->second);
    screens_.erase(it);
    std::erase(creationOrder_, name);
    doomed.release()->deleteLater();  // an unload may come from the screen's own button
}

void ScreenRegistry::unloadAll() {
    // Newest first, so no screen outlives one created after it.
    for (auto it = creationOrder_.rbegin(); it != creationOrder_.rend(); ++it) screens_.erase(*it);
    screens_.clear();
    creationOrder_.clear();
}

void ScreenRegistry::setObserver(std::function<void(const ScreenEvent&)> observer) {
    observer_ = std::move(observer);
}

void ScreenRegistry::notify(const ScreenEvent& event) const {
    if (observer_) observer_(event);
}

namespace screens {

namespace {
void notify(ScreenEvent::Kind kind, const QString& form, const QString& control = {},
            const QString& text = {}) {
    ScreenRegistry::instance().notify({kind, form, control, text});
}
}  // namespace

Screen& touch(const QString& form) {
    return ScreenRegistry::instance().touch(form);
}

void write(const QString& form, const QString& control, const QString& text) {
    Screen& screen = touch(form);
    notify(ScreenEvent::Kind::Write, form, control, text);
    screen.setTextOf(control, text);
}

QString read(const QString& form, const QString& control) {
    return touch(form).textOf(control);
}

void press(const QString& form, const QString& control) {
    Screen& screen = touch(form);
    notify(ScreenEvent::Kind::Press, form, control);
    screen.press(control);
}

void setOption(const QString& form, const QString& control, bool on) {
    Screen& screen = touch(form);
    notify(ScreenEvent::Kind::Option, form, control, on ? "1" : "0");
    if (on)  // toggled is emitted, and the option's action runs, only when it was off
        screen.control<QRadioButton>(control)->setChecked(true);
    else
        screen.switchOptionOff(control);
}

void setCheck(const QString& form, const QString& control, bool checked) {
    Screen& screen = touch(form);
    notify(ScreenEvent::Kind::Check, form, control, checked ? "1" : "0");
    screen.control<QCheckBox>(control)->setChecked(checked);
}

void setControlVisible(const QString& form, const QString& control, bool visible) {
    touch(form).controlWidget(control)->setVisible(visible);
}

void show(const QString& form) {
    Screen& screen = touch(form);
    notify(ScreenEvent::Kind::Show, form);
    screen.show();
    screen.raise();
}

void hide(const QString& form) {
    Screen& screen = touch(form);
    notify(ScreenEvent::Kind::Hide, form);
    screen.hide();
}

}  // namespace screens

}  // namespace nencho
