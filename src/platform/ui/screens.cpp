#include "platform/ui/screens.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

#include "platform/ui/action_guard.h"
#include "platform/ui/screen.h"
#include "platform/window_place.h"

namespace nencho {

namespace {

QString describe(const ScreenEvent& drive) {
    switch (drive.kind) {
        case ScreenEvent::Kind::Write:
            return "write of \"" + drive.text + "\" into " + drive.control;
        case ScreenEvent::Kind::Press:
            return "press of " + drive.control;
        case ScreenEvent::Kind::Hide:
            return QStringLiteral("hide");
        default:
            return QStringLiteral("drive");
    }
}

}  // namespace

ScreenRegistry& ScreenRegistry::instance() {
    static ScreenRegistry registry;
    return registry;
}

void ScreenRegistry::registerFactory(const QString& name, Factory factory) {
    factories_[name] = std::move(factory);
    localButtons_.erase(name);
}

void ScreenRegistry::registerWaitingFactory(const QString& name, Factory factory,
                                            std::vector<QString> localButtons) {
    factories_[name] = std::move(factory);
    localButtons_[name] = std::move(localButtons);
}

bool ScreenRegistry::knows(const QString& name) const {
    return factories_.count(name) != 0;
}

Screen& ScreenRegistry::touch(const QString& name) {
    refuseReachingOut(name);
    if (Screen* screen = existing(name)) return *screen;
    const auto factory = factories_.find(name);
    if (factory == factories_.end()) throw std::logic_error(("no screen " + name).toStdString());
    if (waiting_.find(name) == waiting_.end()) notify({ScreenEvent::Kind::Create, name, {}, {}});
    const bool mayWait = localButtons_.count(name) != 0;
    const QString outer = std::exchange(building_, mayWait ? name : QString());
    const auto built = qScopeGuard([&] {
        building_ = outer;
        waiting_.erase(name);
    });
    Screen* screen = (screens_[name] = factory->second()).get();
    creationOrder_.push_back(name);
    notify({ScreenEvent::Kind::Build, name, {}, {}});
    screen->formLoad();
    replayWaiting(*screen);
    return *screen;
}

void ScreenRegistry::refuseReachingOut(const QString& name) const {
    if (building_.isEmpty() || building_ == name) return;
    throw std::logic_error((building_ + " reached " + name + " while it was built").toStdString());
}

// The drives that waited run in order, the queue kept until the last has run. None of them
// can fail (they change the screen alone), so one that does is a fault of the program: the
// others still run, and the fault names the screen and the drive, for the action guard.
void ScreenRegistry::replayWaiting(Screen& screen) {
    const QString name = screen.objectName();
    if (waiting_.find(name) == waiting_.end()) return;
    runGuarded(screen.windowTitle(), [&] {
        std::string fault;
        for (std::size_t next = 0;; ++next) {
            const auto waiting = waiting_.find(name);
            if (waiting == waiting_.end() || next >= waiting->second.size()) break;
            const ScreenEvent drive = waiting->second[next];
            try {
                replay(screen, drive);
            } catch (const std::exception& failure) {
                if (fault.empty())
                    fault =
                        (name + ": the waiting " + describe(drive) + " failed: ").toStdString() +
                        failure.what();
            }
        }
        if (!fault.empty()) throw std::logic_error(fault);
    });
}

void ScreenRegistry::replay(Screen& screen, const ScreenEvent& drive) {
    switch (drive.kind) {
        case ScreenEvent::Kind::Write:
            screen.setTextOf(drive.control, drive.text);
            break;
        case ScreenEvent::Kind::Press:
            screen.press(drive.control);
            break;
        case ScreenEvent::Kind::Hide:
            screen.hide();
            break;
        default:
            break;
    }
}

bool ScreenRegistry::leave(const ScreenEvent& drive) {
    using Kind = ScreenEvent::Kind;
    refuseReachingOut(drive.form);
    if (existing(drive.form)) return false;
    const auto local = localButtons_.find(drive.form);
    if (local == localButtons_.end()) return false;
    if (drive.kind == Kind::Press &&
        std::find(local->second.begin(), local->second.end(), drive.control) == local->second.end())
        return false;
    if (drive.kind != Kind::Write && drive.kind != Kind::Press && drive.kind != Kind::Hide)
        return false;
    auto waiting = waiting_.find(drive.form);
    if (waiting == waiting_.end()) {
        waiting = waiting_.emplace(drive.form, std::vector<ScreenEvent>{}).first;
        notify({Kind::Create, drive.form, {}, {}});
    }
    std::vector<ScreenEvent>& drives = waiting->second;
    const auto isPress = [](const ScreenEvent& e) { return e.kind == Kind::Press; };
    if (drive.kind == Kind::Hide) {
        // A screen never shown is hidden; one hide stands for any number.
        if (std::any_of(drives.begin(), drives.end(),
                        [](const ScreenEvent& e) { return e.kind == Kind::Hide; }))
            return true;
    } else if (drive.kind == Kind::Write) {
        // An earlier write to the same control that no press has read since is overwritten.
        const auto earlier =
            std::find_if(drives.rbegin(), drives.rend(), [&](const ScreenEvent& e) {
                return isPress(e) || (e.kind == Kind::Write && e.control == drive.control);
            });
        if (earlier != drives.rend() && !isPress(*earlier)) drives.erase(std::next(earlier).base());
    }
    if (drives.size() >= kMostWaiting) {
        touch(drive.form);
        return false;
    }
    drives.push_back(drive);
    return true;
}

Screen* ScreenRegistry::existing(const QString& name) const {
    const auto it = screens_.find(name);
    return it == screens_.end() ? nullptr : it->second.get();
}

void ScreenRegistry::unload(const QString& name) {
    if (waiting_.erase(name) != 0) notify({ScreenEvent::Kind::Unload, name, {}, {}});
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
    waiting_.clear();
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

// The drive waits when the screen may wait and is not built; otherwise the screen is built
// (when it is not) and told of it.
Screen* built(const ScreenEvent& drive) {
    ScreenRegistry& registry = ScreenRegistry::instance();
    if (registry.leave(drive)) {
        registry.notify(drive);
        return nullptr;
    }
    Screen& screen = registry.touch(drive.form);
    registry.notify(drive);
    return &screen;
}
}  // namespace

Screen& touch(const QString& form) {
    return ScreenRegistry::instance().touch(form);
}

void write(const QString& form, const QString& control, const QString& text) {
    if (Screen* screen = built({ScreenEvent::Kind::Write, form, control, text}))
        screen->setTextOf(control, text);
}

QString read(const QString& form, const QString& control) {
    return touch(form).textOf(control);
}

void press(const QString& form, const QString& control) {
    if (Screen* screen = built({ScreenEvent::Kind::Press, form, control, {}}))
        screen->press(control);
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

namespace {

WindowRect rectOf(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// The window manager frames a window only once it is on view: until then a screen's frame is
// taken to be as wide as the main window's, the windows being alike.
QSize framedSize(const Screen& screen, const Screen& main) {
    const QRect frame = main.frameGeometry();
    const QRect inner = main.geometry();
    return screen.size() + frame.size() - inner.size();
}

// A window the program does not place, the window manager places anew at each showing: so every
// screen is placed, where it stood when it was hidden, or else beside the main window.
void place(Screen& screen) {
    if (const std::optional<QPoint> kept = screen.keptPlace()) {
        screen.move(*kept);
        return;
    }
    const Screen* main =
        ScreenRegistry::instance().existing(ScreenRegistry::instance().mainWindow());
    if (!main) return;
    const QSize size = framedSize(screen, *main);
    const WindowRect available = rectOf(main->screen()->availableGeometry());
    WindowSpot spot;
    if (&screen == main) {
        spot = placeMainWindow(available, size.width(), size.height());
    } else {
        const QRect buttons = main->keptInSight().translated(main->geometry().topLeft());
        spot = placeBesideMainWindow(rectOf(main->frameGeometry()), rectOf(buttons), available,
                                     size.width(), size.height());
    }
    screen.move(spot.x, spot.y);
}

}  // namespace

void show(const QString& form) {
    Screen& screen = touch(form);
    notify(ScreenEvent::Kind::Show, form);
    // A screen shown comes to the front with the focus, also when it was open already.
    if (screen.isMinimized()) screen.setWindowState(screen.windowState() & ~Qt::WindowMinimized);
    if (!screen.isVisible()) place(screen);
    screen.show();
    screen.raise();
    screen.activateWindow();
}

void open(const QString& form) {
    show(form);
    // Only the focus moves: no control acts on the focus arriving.
    if (QWidget* start = touch(form).openingControl()) start->setFocus(Qt::OtherFocusReason);
}

void hide(const QString& form) {
    if (Screen* screen = built({ScreenEvent::Kind::Hide, form, {}, {}})) screen->hide();
}

}  // namespace screens

}  // namespace nencho
