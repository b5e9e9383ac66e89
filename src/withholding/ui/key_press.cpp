#include "withholding/ui/key_press.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace nencho {

namespace {

class KeyPressFilter : public QObject {
  public:
    KeyPressFilter(QWidget* control, std::function<bool(int)> handler)
        : QObject(control), handler_(std::move(handler)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        return handler_(keyCodeOf(static_cast<QKeyEvent*>(event)));
    }

  private:
    static int keyCodeOf(const QKeyEvent* key) {
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) return kEnterKeyCode;
        return key->text().isEmpty() ? 0 : key->text().front().unicode();
    }

    std::function<bool(int)> handler_;
};

}  // namespace

void onKeyPress(QWidget* control, std::function<bool(int keyCode)> handler) {
    control->installEventFilter(new KeyPressFilter(control, std::move(handler)));
}

}  // namespace nencho
