#pragma once
// The one registry of screens. A screen is created when it is first touched (written into,
// pressed, shown or hidden), and its load action runs before the touching step goes on.
// Screens drive each other only through these calls: write or read a control, press a button,
// switch an option or check box, show or hide a screen.
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace nencho {

class Screen;

// What one screen did to another, as a test sees it.
struct ScreenEvent {
    enum class Kind { Create, Write, Press, Option, Check, Show, Hide, Unload };
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
    bool knows(const QString& name) const;

    // The screen, created (and its load action run) on first touch.
    Screen& touch(const QString& name);
    Screen* existing(const QString& name) const;

    // Destroys a screen; the next touch creates it anew with its design values.
    void unload(const QString& name);
    // Destroys every screen (the program's end, and between tests).
    void unloadAll();

    // Called for every drive of one screen by another (tests record them).
    void setObserver(std::function<void(const ScreenEvent&)> observer);
    void notify(const ScreenEvent& event) const;

  private:
    std::map<QString, Factory> factories_;
    std::map<QString, std::unique_ptr<Screen>> screens_;
    std::vector<QString> creationOrder_;
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
void show(const QString& form);
void hide(const QString& form);

}  // namespace screens

}  // namespace nencho
