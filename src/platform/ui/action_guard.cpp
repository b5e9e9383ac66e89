#include "platform/ui/action_guard.h"

#include <exception>
#include <utility>

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

QString& faultPreface() {
    static QString words;
    return words;
}

void report(const QString& title, const QString& what) {
    QString text = what.isEmpty() ? QString(kUnexpectedFailure) : what;
    if (const QString preface = std::exchange(faultPreface(), {}); !preface.isEmpty())
        text = preface + "\n" + text;
    showMessage(text, title, MessageIcon::Critical);
}

}  // namespace

void prefaceFault(const QString& words) {
    faultPreface() = words;
}

void runGuarded(const QString& title, const std::function<void()>& action) {
    ActionScope scope;
    if (scope.outermost()) faultPreface().clear();
    const FolderSyncBatch syncs;
    try {
        action();
        if (scope.outermost()) syncPendingFolders();
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
