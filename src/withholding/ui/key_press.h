#pragma once
// Key presses of one control handed to a screen's handler with the key's character code
// (13 for Enter). The handler returns true to consume the key.
#include <QObject>
#include <functional>

class QWidget;

namespace nencho {

inline constexpr int kEnterKeyCode = 13;

void onKeyPress(QWidget* control, std::function<bool(int keyCode)> handler);

}  // namespace nencho
