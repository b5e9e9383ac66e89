#include "app/ui/startup_steps.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QString>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "common/failure.h"
#include "platform/ui/screen.h"
#include "platform/ui/screens.h"

namespace nencho {

namespace {

constexpr int kStepFailureStatus = 2;

struct StartupStep {
    enum class Kind { Press, Close };
    Kind kind;
    QString form;
    QString control;  // empty for Close
};

std::optional<StartupStep> parseStep(const QString& text) {
    const QStringList words = text.simplified().split(' ', Qt::SkipEmptyParts);
    if (words.size() != 2) return std::nullopt;
    if (words[0] == "close") return StartupStep{StartupStep::Kind::Close, words[1], {}};
    const QStringList target = words[1].split('.');
    if (words[0] == "press" && target.size() == 2 && !target[0].isEmpty() && !target[1].isEmpty())
        return StartupStep{StartupStep::Kind::Press, target[0], target[1]};
    return std::nullopt;
}

void refuse(const QString& why) {
    std::fprintf(stderr, "%s: %s\n", kStartupStepsVariable, why.toLocal8Bit().constData());
    QCoreApplication::exit(kStepFailureStatus);
}

// The close box's way: the window system asks the screen's window to close.
void closeWindow(Screen& screen) {
    QWindow* window = screen.windowHandle();
    if (!window) {
        screen.close();
        return;
    }
    QCloseEvent event;
    QCoreApplication::sendEvent(window, &event);
}

void run(const StartupStep& step) {
    ScreenRegistry& registry = ScreenRegistry::instance();
    if (!registry.knows(step.form)) return refuse("no screen " + step.form);
    Screen* screen = nullptr;
    try {
        screen = &registry.touch(step.form);
    } catch (const Failure& failure) {
        return refuse(QString::fromUtf8(failure.what()));
    }
    if (step.kind == StartupStep::Kind::Close) return closeWindow(*screen);
    auto* button = screen->findChild<QAbstractButton*>(step.control);
    if (!button) return refuse("no button " + step.form + "." + step.control);
    button->click();
}

// No value when any step is malformed.
std::optional<std::vector<StartupStep>> parseStartupSteps(const QString& text) {
    std::vector<StartupStep> steps;
    for (const QString& part : text.split(';', Qt::SkipEmptyParts)) {
        if (part.trimmed().isEmpty()) continue;
        const auto step = parseStep(part);
        if (!step) return std::nullopt;
        steps.push_back(*step);
    }
    return steps;
}

}  // namespace

void scheduleStartupSteps() {
    const char* text = std::getenv(kStartupStepsVariable);
    if (!text) return;
    const auto steps = parseStartupSteps(QString::fromLocal8Bit(text));
    if (!steps) {
        QTimer::singleShot(0, [] { refuse("steps not understood"); });
        return;
    }
    for (const StartupStep& step : *steps) QTimer::singleShot(0, [step] { run(step); });
}

}  // namespace nencho
