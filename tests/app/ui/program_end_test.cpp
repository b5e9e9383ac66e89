// The program itself, started as a process of its own with no display, ended the ways a clerk
// ends it: it must exit with status 0 and leave nothing on the terminal.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <filesystem>

#include "app/ui/form1_controls.h"
#include "app/ui/startup_steps.h"
#include "ledger/ui/form2_controls.h"
#include "records/ui/form6_controls.h"
#include "support/program_home.h"
#include "support/screen_test.h"

namespace nencho::test {
namespace {

namespace fs = std::filesystem;

QString pressStep(const char* form, const char* button) {
    return QString("press %1.%2").arg(form, button);
}

// The program in a home of its own.
class ProgramRun {
  public:
    // Runs the program with the steps; false when it did not end in time.
    bool run(const QString& steps) {
        QProcessEnvironment environment = home_.environment();
        environment.insert(kStartupStepsVariable, steps);
        process_.setProcessEnvironment(environment);
        process_.start(NENCHO_PROGRAM_PATH, {});
        if (!process_.waitForStarted(10'000)) return false;
        if (process_.waitForFinished(60'000)) return true;
        process_.kill();
        process_.waitForFinished(10'000);
        return false;
    }

    QProcess& process() { return process_; }
    bool madeDataFolder() const { return fs::is_directory(home_.dataHome() / "nencho" / "c"); }

    // What the program wrote on its standard error, without the offscreen platform's notices
    // that its windows cannot be raised or moved.
    QStringList terminalLines() {
        QStringList lines;
        const QString text = QString::fromLocal8Bit(process_.readAllStandardError());
        for (const QString& line : text.split('\n', Qt::SkipEmptyParts))
            if (!line.startsWith("This plugin does not support")) lines << line;
        return lines;
    }

  private:
    ProgramHome home_;
    QProcess process_;
};

TEST(ProgramEnd, EveryWayOfEndingTheProgramExitsWithStatusZeroAndSaysNothing) {
    ensureApplication();
    struct Case {
        const char* way;
        QString steps;
    };
    const Case cases[] = {
        {"終了", pressStep(form1::kForm, form1::kEndButton)},
        {"the main window's close box", QString("close %1").arg(form1::kForm)},
        {"the ledger's END", pressStep(form2::kForm, form2::kEndButton)},
        {"the person screen's END", pressStep(form6::kForm, form6::kEndButton)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.way);
        ProgramRun run;
        ASSERT_TRUE(run.run(c.steps)) << "the program did not end";
        EXPECT_EQ(run.process().exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(run.process().exitCode(), 0);
        EXPECT_EQ(run.terminalLines(), QStringList{});
        EXPECT_TRUE(run.madeDataFolder());
    }
}

TEST(ProgramEnd, StepsTheProgramDoesNotUnderstandEndItWithAReason) {
    ensureApplication();
    for (const char* steps :
         {"press Form1", "press Form99.Command1", "press Form1.Command999", "close Form99"}) {
        SCOPED_TRACE(steps);
        ProgramRun run;
        ASSERT_TRUE(run.run(steps));
        EXPECT_EQ(run.process().exitCode(), 2);
        EXPECT_FALSE(run.terminalLines().isEmpty());
    }
}

}  // namespace
}  // namespace nencho::test
