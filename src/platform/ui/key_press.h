#pragma once
// Key presses of one control that type a character, handed to a screen's handler with the
// character code (13 for Enter). Focus moves and keys that type nothing are passed on unseen.
// The handler returns true to consume the key. It runs inside the action guard, titled with the
// button's caption, or the window's title for another control; a key whose handler failed is
// consumed.
#include <functional>

class QWidget;

namespace nencho {

inline constexpr int kEnterKeyCode = 13;

void onKeyPress(QWidget* control, std::function<bool(int keyCode)> handler);

}  // namespace nencho
