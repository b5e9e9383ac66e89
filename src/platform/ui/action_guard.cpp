#include "platform/ui/action_guard.h"

#include <exception>

#include "platform/file_system.h"
#include "platform/ui/dialogs.h"

namespace nencho {

namespace {

int& depth() {
    static int actionsRunning = 0;
    return actionsRunning;
}

// Counts an action in for as long as it runs, however it ends.
class ActionScope {
  public:
    ActionScope() { ++depth(); }
    ~ActionScope() { --depth(); }
    ActionScope(const ActionScope&) = delete;
    ActionScope& operator=(const ActionScope&) = delete;
    bool outermost() const { return depth() == 1; }
};

void report(const QString& title, const QString& what) {
    showMessage(what.isEmpty() ? QString(kUnexpectedFailure) : what, title, MessageIcon::Critical);
}

}  // namespace

void runGuarded(const QString& title, const std::function<void()>& action) {
    ActionScope scope;
    const FolderSyncBatch syncs;
    try {
        action();
    } catch (const std::exception& failure) {
        if (!scope.outermost()) throw;
        report(title, QString::fromUtf8(failure.what()));
    } catch (...) {
        if (!scope.outermost()) throw;
        report(title, {});
    }
}

void runHandlerGuarded(const QString& title, const std::function<void()>& action) {
    try {
        runGuarded(title, action);
    } catch (const std::exception& failure) {
        report(title, QString::fromUtf8(failure.what()));
    } catch (...) {
        report(title, {});
    }
}

}  // namespace nencho
