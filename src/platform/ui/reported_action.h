#pragma once
// Telling the user once what went wrong in an action. An action run through runReported may
// press buttons of other screens whose actions run through it too; a failure reported inside any
// of them is kept, and when the outermost action ends the kept failures are shown as one message
// under the outermost action's title. An action pressed by itself shows its own failures.
#include <QString>
#include <QStringList>
#include <functional>

namespace nencho {

// Runs the action; a Failure it throws is reported and ends it. Other exceptions pass on.
void runReported(const QString& title, const std::function<void()>& action);

// Keeps the description for the outermost running action; with none running, shows it at once.
void reportFailure(const QString& description);

// How many descriptions the running actions have kept so far, and those kept since a count.
int keptFailureCount();
QStringList keptFailuresSince(int count);
// Puts one description in place of those kept since the count: work that was put back is told
// once, not step by step. With no action running, shows it at once.
void replaceFailuresSince(int count, const QString& description);

}  // namespace nencho
