#pragma once
// A screen: one window with numbered controls. Its Qt objectName is its name and every
// control's objectName is the control's name, which is how other screens reach it. Every action
// connected here runs inside the action guard (action_guard.h): a failure that escapes it is
// shown under the action's title and the program goes on.
#include <QHash>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QAbstractButton;
class QHideEvent;
class QShowEvent;

namespace nencho {

// The property holding the longest text a box or a label can be given by the program or the
// user, when that is not its own caption; a right-aligned box without it holds an amount.
inline constexpr const char* kLongestValueProperty = "longestValue";

// A text of so many full-width characters, to declare a typed text's longest value.
QString fullWidthText(int characters);
// The longest amount shown, with its separators.
QString longestAmountText();

// Design positions are in twips: 1,440 to the inch, 15 to a pixel at 96 dots per inch.
constexpr int twipsToPixels(int twips) {
    return (twips + 7) / 15;
}

class Screen : public QWidget {
    Q_OBJECT

  public:
    explicit Screen(const QString& name, QWidget* parent = nullptr);

    // The screen's load action: runs once, when the registry creates the screen.
    virtual void formLoad() {}

    // Finds a control by name anywhere in the screen; a missing control is a programming error.
    QWidget* controlWidget(const QString& name) const;
    template <class T>
    T* control(const QString& name) const {
        T* found = qobject_cast<T*>(findControl(name));
        if (!found) found = findChild<T*>(name);  // a control of that kind under a shared name
        if (!found) missingControl(name);
        return found;
    }
    bool hasControl(const QString& name) const;

    // Declares the longest text the control shows (see kLongestValueProperty).
    static void showsUpTo(QWidget* control, const QString& longest);
    // A box showing an amount: right-aligned, the longest amount declared.
    static QLineEdit* amountBox(QLineEdit* box);

    // A control's text: a box's text, a label's or a button's caption, a list's current row.
    QString textOf(const QString& name) const;
    void setTextOf(const QString& name, const QString& text);
    // The same by a name of the controls headers, through the same look-up.
    QString textOf(const char* name) const;
    void setTextOf(const char* name, const QString& text);
    // An amount box read as typed, 0 when it holds no amount; an amount shown as "#,###", 0 as
    // an empty box.
    std::int32_t amountOf(const QString& name) const;
    void showAmount(const QString& name, std::int64_t yen);
    // The same for a control already found by its name.
    static QString textIn(const QWidget* control);
    void setTextIn(QWidget* control, const QString& text);
    // Runs a button's click action to completion, hidden or disabled alike.
    void press(const QString& name);
    // Switches an option off, though its group lets no option be switched off by itself, and
    // runs no action.
    void switchOptionOff(const QString& name);

    // Where the window stood (its frame's top-left corner) when it was last hidden: shown again,
    // it comes back there. None until it has been shown and hidden.
    std::optional<QPoint> keptPlace() const { return keptPlace_; }
    // The part of the window a screen shown beside it leaves in sight as far as the screen
    // allows, in the window's own coordinates: the whole window unless it names a part.
    virtual QRect keptInSight() const { return rect(); }
    // The control the clerk starts in whenever another screen opens this one (none: the focus
    // stays where it was).
    QWidget* openingControl() const { return openingControl_; }

  protected:
    // Builders: position and size in twips; the parent is the screen or a frame.
    QLineEdit* addText(const QString& name, int left, int top, int width, int height,
                       QWidget* parent = nullptr);
    QLabel* addLabel(const QString& name, const QString& caption, int left, int top, int width,
                     int height, QWidget* parent = nullptr);
    QPushButton* addButton(const QString& name, const QString& caption, int left, int top,
                           int width, int height, std::function<void()> action = {},
                           QWidget* parent = nullptr);
    QRadioButton* addOption(const QString& name, const QString& caption, int left, int top,
                            int width, int height, QWidget* parent = nullptr);
    QCheckBox* addCheck(const QString& name, const QString& caption, int left, int top, int width,
                        int height, QWidget* parent = nullptr);
    QGroupBox* addFrame(const QString& name, const QString& caption, int left, int top, int width,
                        int height, QWidget* parent = nullptr);
    QListWidget* addList(const QString& name, int left, int top, int width, int height,
                         QWidget* parent = nullptr);
    // Hidden carriers: a box other screens write into, a button pressed only from code.
    QLineEdit* addHiddenText(const QString& name, QWidget* parent = nullptr);
    QPushButton* addHiddenButton(const QString& name, const QString& caption,
                                 std::function<void()> action = {}, QWidget* parent = nullptr);
    // Connects an action to a button created elsewhere.
    void onPress(const QString& name, std::function<void()> action);
    // Connects an action to the user's choice of a row in a list (never to the focus arriving
    // or a row set from code).
    void onChoice(const QString& listName, std::function<void(int row)> action);
    // Connects an action to an option or check box being switched on or off.
    void onSwitch(const QString& name, std::function<void(bool on)> action);
    // The title a failure of a button's action is shown under: its caption, or the screen's.
    QString actionTitle(const QAbstractButton* button) const;
    // Tab runs through the controls that take input in reading order, along a row and then
    // down, when the screen is first shown; a frame's controls come together, in the place of
    // its first one. Captions take no part: labels, read-only boxes and the buttons that carry
    // a caption (see captionButton). A screen whose keys walk a sequence of its own keeps it.
    void keepOwnTabOrder() { ownTabOrder_ = true; }
    // A button standing as the caption of a box, a row or a column: it keeps its click but
    // Tab passes it by.
    static QPushButton* captionButton(QPushButton* button);
    // Window size from its design size in twips.
    void setDesignSize(int width, int height);
    void setOpeningControl(QWidget* control) { openingControl_ = control; }

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    // The control of that name, or none; through the screen's map of names to controls.
    QWidget* findControl(const QString& name) const;
    QWidget* controlNamed(const char* name) const;
    [[noreturn]] void missingControl(const QString& name) const;
    void arrangeTabOrder();
    void connectPress(QAbstractButton* button, std::function<void()> action);
    void place(QWidget* widget, const QString& name, int left, int top, int width, int height,
               QWidget* parent);

    bool ownTabOrder_ = false;
    bool tabOrderArranged_ = false;
    std::optional<QPoint> keptPlace_;
    QPointer<QWidget> openingControl_;

    // Names to controls: the builders enter theirs, and the first look-up enters every other
    // named widget of the screen, so that a look-up searches the widget tree only for a control
    // made or renamed since. A hit counts only while the control still bears the name.
    mutable QHash<QString, QPointer<QWidget>> controls_;
    mutable bool mapped_ = false;
};

}  // namespace nencho
