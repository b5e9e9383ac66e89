#pragma once
// The one registry of screens. A screen comes into being when it is first touched (written
// into, read, pressed, shown or hidden), and its load action runs before the touching step goes
// on. Screens drive each other only through these calls: write or read a control, press a
// button, switch an option or check box, show or hide a screen.
//
// A screen registered as one that may wait is built only when it is needed: until then the
// writes, hides and presses of its local buttons (whose actions change nothing but the screen
// itself) wait, in order, and the build runs its load action and then each of them. Nothing
// outside the screen can tell: its load action and those drives touch only the screen, and a
// read, a show or any other drive builds it first. The registry holds the screen to it: a
// screen that reaches another while it is built, or a waiting drive that fails, is a fault of
// the program, reported by the action guard with the screen and the drive named.
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace nencho {

class Screen;

// What one screen did to another, as a test sees it.
struct ScreenEvent {
    // Create: the screen's first touch; Build: its widgets made (at once, or when a screen that
    // may wait is first needed).
    enum class Kind { Create, Build, Write, Press, Option, Check, Show, Hide, Unload };
    Kind kind;
    QString form;
    QString control;  // empty for screen-level events
    QString text;     // the text written; "1"/"0" for an option or check box
};

class ScreenRegistry {
  public:
    using Factory = std::function<std::unique_ptr<Screen>()>;

    static ScreenRegistry& instance();

    void registerFactory(const QString& name, Factory factory);
    // A screen whose load action changes nothing but the screen, whose writes have no effect
    // beyond it, and whose listed buttons' actions neither: built when first needed.
    void registerWaitingFactory(const QString& name, Factory factory,
                                std::vector<QString> localButtons);
    bool knows(const QString& name) const;
    // The main window, beside which the other screens are first shown.
    void setMainWindow(const QString& name) { mainWindow_ = name; }
    const QString& mainWindow() const { return mainWindow_; }

    // The screen, built (and its load action and waiting drives run) when not built yet.
    Screen& touch(const QString& name);
    // The screen when it is built.
    Screen* existing(const QString& name) const;

    // Leaves a write, hide or press for a screen that may wait and is not built; false when the
    // screen is built or must be built for it (the caller then drives the built screen).
    bool leave(const ScreenEvent& drive);

    // Destroys a screen; the next touch creates it anew with its design values.
    void unload(const QString& name);
    // Destroys every screen (the program's end, and between tests).
    void unloadAll();

    // Called for every drive of one screen by another (tests record them).
    void setObserver(std::function<void(const ScreenEvent&)> observer);
    void notify(const ScreenEvent& event) const;

  private:
    // Drives waiting for a screen not built: bounded, since a write replaces an earlier one to
    // the same control that nothing has read, and a screen with too many waiting is built.
    static constexpr std::size_t kMostWaiting = 64;
    void replayWaiting(Screen& screen);
    static void replay(Screen& screen, const ScreenEvent& drive);
    // A screen that may wait touches nothing outside itself while it is built: its constructor,
    // its load action and its waiting drives reaching another screen are a fault of the program.
    void refuseReachingOut(const QString& name) const;

    std::map<QString, Factory> factories_;
    std::map<QString, std::vector<QString>> localButtons_;  // the screens that may wait
    std::map<QString, std::vector<ScreenEvent>> waiting_;   // touched, not built
    std::map<QString, std::unique_ptr<Screen>> screens_;
    std::vector<QString> creationOrder_;
    QString building_;  // the screen that may wait whose load action or waiting drives run now
    QString mainWindow_;
    std::function<void(const ScreenEvent&)> observer_;
};

namespace screens {

Screen& touch(const QString& form);
void write(const QString& form, const QString& control, const QString& text);
QString read(const QString& form, const QString& control);
void press(const QString& form, const QString& control);
// Switching an option on runs its action only when it was off; switching it off runs nothing.
void setOption(const QString& form, const QString& control, bool on);
// A check box's action runs only when its state changes.
void setCheck(const QString& form, const QString& control, bool checked);
void setControlVisible(const QString& form, const QString& control, bool visible);
// Shows a screen in front, as the active window. A screen not on view comes back where it stood
// when it was hidden; shown for the first time, it stands beside the main window, wholly on the
// screen (the main window itself at the screen's left edge).
void show(const QString& form);
// Shows a screen another one opens for the clerk's next piece of work: as show does, with the
// focus on the control the screen starts in, if it names one.
void open(const QString& form);
void hide(const QString& form);

}  // namespace screens

}  // namespace nencho
