#pragma once
// Every action of the user (a button, a list choice, an option, a key) runs through this guard.
// A failure that escapes the action is shown in a message box titled with the action's title,
// and the program goes on. An action run from inside another one (a button a screen presses in
// code) hands its failure on, so the action that ran it handles it as it would its own. The
// folders the action changed are synced before it ends, and a sync that fails is told as a failure
// of the action.
#include <QString>
#include <functional>

namespace nencho {

void runGuarded(const QString& title, const std::function<void()>& action);

// The guard of an event handler (a screen shown or closed, a key, a timer, a list's selection):
// as runGuarded, but a failure is shown here even when the event came while another action ran,
// since nothing may throw back into the window system.
void runHandlerGuarded(const QString& title, const std::function<void()>& action);

// What the user reads before the fault now leaving the running action: what became of work the
// fault cut short (a piece of work put back on its way out). The next action starts without it.
void prefaceFault(const QString& words);

// What the user reads when a failure carries no description of its own.
inline constexpr const char* kUnexpectedFailure =
    "予期しない問題が起きたため、この操作を中止しました。";

}  // namespace nencho
