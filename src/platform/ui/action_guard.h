#pragma once
// Every action of the user (a button, a list choice, an option, a key) runs through this guard.
// A failure that escapes the action is shown in a message box titled with the action's title,
// and the program goes on. An action run from inside another one (a button a screen presses in
// code) hands its failure on, so the action that ran it handles it as it would its own.
#include <QString>
#include <functional>

namespace nencho {

void runGuarded(const QString& title, const std::function<void()>& action);

// What the user reads when a failure carries no description of its own.
inline constexpr const char* kUnexpectedFailure =
    "予期しない問題が起きたため、この操作を中止しました。";

}  // namespace nencho
