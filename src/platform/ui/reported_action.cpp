#include "platform/ui/reported_action.h"

#include <QStringList>
#include <utility>

#include "common/failure.h"
#include "platform/ui/dialogs.h"

namespace nencho {

namespace {

struct RunningActions {
    int depth = 0;
    QString outermostTitle;
    QStringList failures;
};

RunningActions& running() {
    static RunningActions actions;
    return actions;
}

void showKept(const QString& title, const QStringList& failures) {
    if (failures.isEmpty()) return;
    showMessage(failures.join("\n\n"), title, MessageIcon::Exclamation);
}

}  // namespace

void runReported(const QString& title, const std::function<void()>& action) {
    RunningActions& actions = running();
    const bool outermost = actions.depth == 0;
    if (outermost) {
        actions.outermostTitle = title;
        actions.failures.clear();
    }
    ++actions.depth;
    try {
        action();
    } catch (const Failure& failure) {
        reportFailure(QString::fromUtf8(failure.what()));
    } catch (...) {
        --actions.depth;
        if (outermost) actions.failures.clear();
        throw;
    }
    --actions.depth;
    if (!outermost) return;
    const QStringList failures = std::exchange(actions.failures, {});
    showKept(actions.outermostTitle, failures);
}

void reportFailure(const QString& description) {
    RunningActions& actions = running();
    if (actions.depth == 0) {
        showMessage(description, {}, MessageIcon::Exclamation);
        return;
    }
    if (!actions.failures.contains(description)) actions.failures.append(description);
}

int keptFailureCount() {
    return static_cast<int>(running().failures.size());
}

QStringList keptFailuresSince(int count) {
    return running().failures.mid(count);
}

void replaceFailuresSince(int count, const QString& description) {
    RunningActions& actions = running();
    if (actions.depth == 0) {
        showMessage(description, {}, MessageIcon::Exclamation);
        return;
    }
    while (actions.failures.size() > count) actions.failures.removeLast();
    actions.failures.append(description);
}

}  // namespace nencho
