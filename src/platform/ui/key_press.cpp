#include "platform/ui/key_press.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>
#include <optional>

#include "platform/ui/action_guard.h"

namespace nencho {

namespace {

class KeyPressFilter : public QObject {
  public:
    KeyPressFilter(QWidget* control, std::function<bool(int)> handler)
        : QObject(control), handler_(std::move(handler)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto keyCode = characterCodeOf(static_cast<QKeyEvent*>(event));
        if (!keyCode) return QObject::eventFilter(watched, event);
        bool consumed = true;
        runHandlerGuarded(titleOf(watched), [&] { consumed = handler_(*keyCode); });
        return consumed;
    }

  private:
    // Only a key that types a character counts as a key press. Tab and Shift+Tab move the focus,
    // and modifiers, arrows and function keys type nothing: none of them reaches the handler, so
    // moving through a control never runs its action.
    static std::optional<int> characterCodeOf(const QKeyEvent* key) {
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) return kEnterKeyCode;
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) return std::nullopt;
        if (key->text().isEmpty()) return std::nullopt;
        return key->text().front().unicode();
    }

    // A button's caption, as its click is titled; the window's title for any other control.
    static QString titleOf(const QObject* watched) {
        const auto* button = qobject_cast<const QAbstractButton*>(watched);
        if (button && !button->text().simplified().isEmpty()) return button->text().simplified();
        const auto* control = qobject_cast<const QWidget*>(watched);
        return control ? control->window()->windowTitle() : QString();
    }

    std::function<bool(int)> handler_;
};

}  // namespace

void onKeyPress(QWidget* control, std::function<bool(int keyCode)> handler) {
    control->installEventFilter(new KeyPressFilter(control, std::move(handler)));
}

}  // namespace nencho
