// Copies of the program started on one data folder, each a process of its own: one runs, and a
// copy started while it runs tells the clerk and ends, having changed nothing.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QProcess>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/ui/application.h"
#include "support/program_home.h"

namespace nencho::test {
namespace {

namespace fs = std::filesystem;

// Every entry under the data home: its path, kind, mode, time of change and bytes.
std::vector<std::string> snapshotOf(const ProgramHome& home) {
    std::vector<std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(home.dataHome())) {
        const fs::file_status status = entry.symlink_status();
        std::ostringstream line;
        line << fs::relative(entry.path(), home.dataHome()).string() << ' '
             << static_cast<int>(status.type()) << ' '
             << static_cast<unsigned>(status.permissions()) << ' '
             << entry.last_write_time().time_since_epoch().count();
        if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            line << ' ' << in.rdbuf();
        }
        entries.push_back(line.str());
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

// One copy of the program: started at once, it waits for go() before it starts for real.
class ProgramCopy {
  public:
    explicit ProgramCopy(const ProgramHome& home) {
        process_.setProcessEnvironment(home.environment());
        process_.start(NENCHO_PROGRAM_COPY, {});
    }
    ~ProgramCopy() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.kill();
        process_.waitForFinished(10'000);
    }
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    bool started() { return process_.waitForStarted(10'000); }
    void go() {
        process_.write("g");
        process_.waitForBytesWritten(10'000);
    }
    // Whether the copy runs, once it says it runs or has ended; what it said is kept.
    bool runs() {
        const QDeadlineTimer deadline(60'000);
        // Each turn waits a while for more words, so the turns end with the deadline.
        while (!said_.contains("running\n") && !said_.contains("ended ") &&
               !deadline.hasExpired()) {
            process_.waitForReadyRead(50);
            said_ += QString::fromUtf8(process_.readAllStandardOutput());
        }
        return said_.contains("running\n");
    }
    // Ends a running copy as a clerk would; the copy's exit status.
    int end() {
        process_.closeWriteChannel();
        process_.waitForFinished(60'000);
        said_ += QString::fromUtf8(process_.readAllStandardOutput());
        return process_.state() == QProcess::NotRunning &&
                       process_.exitStatus() == QProcess::NormalExit
                   ? process_.exitCode()
                   : -1;
    }
    const QString& said() const { return said_; }

  private:
    QProcess process_;
    QString said_;
};

const QString kToldAlreadyRunning =
    QString("message 給与システム: %1\n").arg(QString::fromUtf8(kAlreadyRunning));

TEST(ProgramCopies, ACopyStartedWhileAnotherRunsTellsTheClerkAndEndsHavingChangedNothing) {
    const ProgramHome home;
    ProgramCopy first(home);
    ASSERT_TRUE(first.started());
    first.go();
    ASSERT_TRUE(first.runs()) << first.said().toStdString();
    const std::vector<std::string> before = snapshotOf(home);

    ProgramCopy second(home);
    ASSERT_TRUE(second.started());
    second.go();
    EXPECT_FALSE(second.runs());
    EXPECT_EQ(second.end(), 0);
    EXPECT_EQ(second.said(), kToldAlreadyRunning + "ended 0\n");
    EXPECT_EQ(snapshotOf(home), before);

    EXPECT_EQ(first.end(), 0);
    EXPECT_FALSE(first.said().contains("message")) << first.said().toStdString();

    // Once the first has ended, a copy started on the folder runs.
    ProgramCopy third(home);
    ASSERT_TRUE(third.started());
    third.go();
    EXPECT_TRUE(third.runs()) << third.said().toStdString();
    EXPECT_EQ(third.end(), 0);
}

// Started at the same instant on a data folder neither has seen, exactly one of two copies runs.
TEST(ProgramCopies, OfTwoCopiesStartedAtOnceExactlyOneRuns) {
    for (int trial = 1; trial <= 5; ++trial) {
        SCOPED_TRACE(trial);
        const ProgramHome home;
        ProgramCopy one(home);
        ProgramCopy other(home);
        ASSERT_TRUE(one.started());
        ASSERT_TRUE(other.started());
        one.go();
        other.go();
        const bool oneRuns = one.runs();
        const bool otherRuns = other.runs();
        EXPECT_NE(oneRuns, otherRuns) << one.said().toStdString() << other.said().toStdString();
        ProgramCopy& refused = oneRuns ? other : one;
        EXPECT_TRUE(refused.said().startsWith(kToldAlreadyRunning)) << refused.said().toStdString();
        EXPECT_EQ(one.end(), 0);
        EXPECT_EQ(other.end(), 0);
    }
}

}  // namespace
}  // namespace nencho::test
