// Start-up of the program beside a bare Qt Widgets window, at 1, 100 and 999 companies with 99
// persons each, and the main menu's list refills. Each start-up runs in a process of its own,
// from exec to the first paint of its window, so that process start, libraries and fonts count
// alike on both sides; peak memory is the child's maximum resident set. With the largest data,
// the person switch beside reading the person's eight records once (the first switch apart),
// and a ledger save that changes what it feeds beside as many atomic saves as it stores records,
// alternating.
//
//   startup_bench [runs]      (default 15 runs of each start-up, alternating)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/ui/application.h"
#include "app/ui/form1_controls.h"
#include "common/keys.h"
#include "common/paths.h"
#include "ledger/ledger_file.h"
#include "ledger/ledger_grid.h"
#include "ledger/ui/form2_controls.h"
#include "platform/drive_map.h"
#include "platform/file_steps.h"
#include "platform/file_system.h"
#include "platform/record_error.h"
#include "platform/ui/action_guard.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/screen.h"
#include "platform/ui/screens.h"
#include "records/company_file.h"
#include "records/person_file.h"

namespace fs = std::filesystem;
using namespace nencho;

namespace {

constexpr int kPersonsPerCompany = 99;

// A run never waits for a person: a message is reported on the error stream and answered.
class ReportingDialogs : public DialogHost {
  public:
    MessageAnswer messageBox(const QString& prompt, const QString& title, MessageIcon,
                             MessageButtons) override {
        std::fprintf(stderr, "message %s: %s\n", title.toStdString().c_str(),
                     prompt.toStdString().c_str());
        return MessageAnswer::Ok;
    }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    void beep() override {}
    void sendTab() override {}
};

// Ends the event loop once the watched window has painted.
class FirstPaint : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // The moment of the first paint on the machine's monotonic clock, which the parent
            // compares with the moment it started the process.
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf("painted %lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool seen_ = false;
};

std::string companyName(int code) {
    return "株式会社テスト" + std::to_string(code);
}

// The bare window shows what the main menu's first paint needs: a Japanese label and the
// company rows.
int runBare(int companies) {
    int argc = 1;
    char name[] = "bare";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QFont font("IPAPGothic");
    font.setPointSize(10);
    app.setFont(font);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel("平成 17 年分の給与計算システム"));
    auto* list = new QListWidget;
    for (int code = 1; code <= companies; ++code)
        list->addItem(QString::fromStdString(std::to_string(code) + " : " + companyName(code)));
    layout->addWidget(list);
    FirstPaint watcher;
    window.installEventFilter(&watcher);
    window.show();
    return app.exec() == 0 ? 0 : 1;
}

// Prints "<phase> <microseconds>" lines: the whole start-up in the program's own code, and the
// main menu's load up to the last work screen it hides (whose writes and hides wait until the
// screen is first needed), from the main menu's creation, before its lists fill.
int runProgram() {
    int argc = 1;
    char name[] = "nencho";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    using Clock = std::chrono::steady_clock;
    Clock::time_point menuCreated, lastHidden;
    ScreenRegistry::instance().setObserver([&](const ScreenEvent& event) {
        if (event.kind == ScreenEvent::Kind::Create && event.form == form1::kForm)
            menuCreated = Clock::now();
        if (event.kind == ScreenEvent::Kind::Hide) lastHidden = Clock::now();
    });
    QElapsedTimer timer;
    timer.start();
    startProgram(app);
    std::printf("startProgram %lld\n", static_cast<long long>(timer.nsecsElapsed() / 1000));
    std::printf("screens %lld\n",
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::microseconds>(lastHidden - menuCreated)
                        .count()));
    FirstPaint watcher;
    QWidget& menu = screens::touch(form1::kForm);
    menu.installEventFilter(&watcher);
    const int status = app.exec();
    ScreenRegistry::instance().setObserver({});
    ScreenRegistry::instance().unloadAll();
    return status == 0 ? 0 : 1;
}

// Times the two refills inside one running program; prints "<kind> <microseconds>" lines.
int runRefills(int runs) {
    int argc = 1;
    char name[] = "nencho";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    startProgram(app);
    setDialogHost(std::make_unique<ReportingDialogs>());
    Screen& menu = screens::touch(form1::kForm);
    auto* companies = menu.control<QListWidget>("List1");
    // The middle company is chosen without running the list's action, as a refill finds it.
    auto chooseMiddleCompany = [companies] {
        const bool blocked = companies->blockSignals(true);
        companies->setCurrentRow(companies->count() / 2);
        companies->blockSignals(blocked);
    };
    for (int run = 0; run < runs; ++run) {
        chooseMiddleCompany();
        QElapsedTimer timer;
        timer.start();
        menu.press(form1::kAllPersonsButton);
        std::printf("persons %lld\n", static_cast<long long>(timer.nsecsElapsed() / 1000));
        timer.restart();
        menu.press(form1::kStartButton);
        std::printf("companies %lld\n", static_cast<long long>(timer.nsecsElapsed() / 1000));
    }
    ScreenRegistry::instance().unloadAll();
    return 0;
}

long long microsSince(const QElapsedTimer& timer) {
    return static_cast<long long>(timer.nsecsElapsed() / 1000);
}

// Reads a person's eight records once, as the switch needs them: the company's, the person's
// and the six of the year; a missing one reads as nothing.
void readPersonRecords(std::int32_t company, std::int16_t person) {
    const std::int32_t key = *personKey(company, person);
    std::vector<std::string> paths{companyFilePath(company), personFilePath(key)};
    for (int kind = 0; kind < kYearFileKindCount; ++kind)
        paths.push_back(*yearFilePath("H17", key, static_cast<YearFileKind>(kind)));
    for (const std::string& path : paths) {
        try {
            readFile(path);
        } catch (const RecordError&) {
        }
    }
}

// The program started in this process, with company 1 in the main menu's code box.
Screen& startOnCompanyOne(QApplication& app) {
    startProgram(app);
    setDialogHost(std::make_unique<ReportingDialogs>());
    Screen& menu = screens::touch(form1::kForm);
    menu.setTextOf(form1::kCompanyBox, "1");
    return menu;
}

// The person switch of the main menu (its 個人名 button) beside reading the person's records;
// prints "firstswitch", "switch" and "records" lines.
int runSwitches(int runs) {
    int argc = 1;
    char name[] = "nencho";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    Screen& menu = startOnCompanyOne(app);
    for (int run = 0; run <= runs; ++run) {
        const int person = 1 + run % kPersonsPerCompany;
        menu.setTextOf(form1::kPersonBox, QString::number(person));
        QElapsedTimer timer;
        timer.start();
        menu.press(form1::kPersonLoadButton);
        std::printf("%s %lld\n", run == 0 ? "firstswitch" : "switch", microsSince(timer));
        timer.restart();
        readPersonRecords(1, static_cast<std::int16_t>(person));
        std::printf("records %lld\n", microsSince(timer));
    }
    ScreenRegistry::instance().unloadAll();
    return 0;
}

// The ledger's save with its feed: December's social insurance and dependants typed in turn as
// 90,000 and 2 or 80,000 and 1, then the month totals, which end in the save, so that every save
// changes the insurance and dependants records it feeds. Beside it as many atomic saves of a
// ledger's bytes into the year folder as the save stores records (its own work files, such as
// keep copies, lists and marks, not counted). Both run in the action guard, as a click runs them
// (one folder sync per folder at the action's end); prints "save", "atomic" and "files" lines.
int runSaves(int runs) {
    int argc = 1;
    char name[] = "nencho";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    Screen& menu = startOnCompanyOne(app);
    menu.setTextOf(form1::kPersonBox, "1");
    menu.press(form1::kPersonLoadButton);
    menu.press(form1::kLedgerButton);
    const std::string bytes = ledgerFileWriter(LedgerRecord{}).bytes();
    const std::string target = *yearFilePath("H17", *personKey(1, 2), YearFileKind::Ledger);
    int records = 0;
    setFileStepHook([&records](FileStep step, const std::filesystem::path& path) {
        if (step == FileStep::Rename && path.extension() == ".txt") ++records;
    });
    const QString insuranceBox = form2::boxName(ledgerBox(12, LedgerColumn::SocialInsurance));
    const QString dependantsBox = form2::boxName(ledgerBox(12, LedgerColumn::Dependants));
    for (int run = 0; run <= runs; ++run) {
        screens::write(form2::kForm, insuranceBox, run % 2 ? "80,000" : "90,000");
        screens::write(form2::kForm, dependantsBox, run % 2 ? "1" : "2");
        records = 0;
        QElapsedTimer timer;
        timer.start();
        runGuarded("save", [] { screens::press(form2::kForm, form2::kMonthTotalsButton); });
        const long long save = microsSince(timer);
        const int files = records;
        timer.restart();
        runGuarded("atomic", [&] {
            for (int file = 0; file < files; ++file) writeFile(target, bytes);
        });
        const long long atomic = microsSince(timer);
        if (run == 0) {  // the first save into the folder is told apart
            std::printf("firstsave %lld\n", save);
            continue;
        }
        std::printf("save %lld\natomic %lld\nfiles %d\n", save, atomic, files);
    }
    setFileStepHook({});
    ScreenRegistry::instance().unloadAll();
    return 0;
}

void writeRecord(const std::string& systemPath, const std::string& bytes) {
    std::ofstream out(requireHostPath(systemPath), std::ios::binary);
    out << bytes;
}

// A data tree under <root>/c with the companies 1..n and persons 1..99 of each.
void makeDataTree(const fs::path& root, int companies) {
    DriveMap::instance().setDrive('c', root / "c");
    fs::create_directories(root / "c");
    ensureDataTree("H17");
    for (int code = 1; code <= companies; ++code) {
        CompanyRecord company{};
        company.code = code;
        company.name = companyName(code);
        writeRecord(companyFilePath(code), companyFileWriter(company).bytes());
        for (int person = 1; person <= kPersonsPerCompany; ++person) {
            PersonEntry entry{};
            entry.personCode = person;
            entry.name = "社員" + std::to_string(person);
            entry.birthEra = "昭和";
            writeRecord(personFilePath(*personKey(code, person)),
                        PersonFile::record(entry).bytes());
        }
    }
}

struct ChildRun {
    double milliseconds = 0;
    long maxResidentKilobytes = 0;
    std::string output;
};

ChildRun runChild(const std::string& self, const std::vector<std::string>& args,
                  const fs::path& dataHome) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) std::exit(2);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
        std::vector<char*> argv{const_cast<char*>(self.c_str())};
        for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(self.c_str(), argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    ChildRun run;
    const auto startMicros =
        std::chrono::duration_cast<std::chrono::microseconds>(start.time_since_epoch()).count();
    char buffer[4096];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        run.output.append(buffer, static_cast<std::size_t>(got));
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    // From the start of the process to its first paint; what a child does after it is not
    // start-up.
    std::istringstream lines(run.output);
    for (std::string kind; lines >> kind;) {
        long long micros = 0;
        lines >> micros;
        if (kind == "painted") run.milliseconds = (micros - startMicros) / 1000.0;
    }
    run.maxResidentKilobytes = usage.ru_maxrss;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::fprintf(stderr, "child %s failed (status %d)\n", args[0].c_str(), status);
    return run;
}

// "<name> <microseconds>" lines as milliseconds by name.
std::map<std::string, std::vector<double>> phaseTimes(const std::string& output) {
    std::map<std::string, std::vector<double>> times;
    std::istringstream lines(output);
    for (std::string kind; lines >> kind;) {
        long long micros = 0;
        lines >> micros;
        times[kind].push_back(micros / 1000.0);
    }
    return times;
}

struct Summary {
    double min, median, max;
};

Summary summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return {values.front(), values[values.size() / 2], values.back()};
}

void printRow(const char* what, const Summary& s, const char* unit) {
    std::printf("  %-28s min %9.2f  median %9.2f  max %9.2f %s\n", what, s.min, s.median, s.max,
                unit);
}

void reportSwitchesAndSaves(const std::string& self, const fs::path& dataHome, int runs) {
    const int many = std::max(runs * 4, 30);
    std::map<std::string, std::vector<double>> t =
        phaseTimes(runChild(self, {"--switches", std::to_string(many)}, dataHome).output);
    if (!t["switch"].empty() && !t["records"].empty()) {
        std::printf("person switch, %d switches in one program, alternating\n", many);
        printRow("first switch", summarise(t["firstswitch"]), "ms");
        const Summary sw = summarise(t["switch"]), rec = summarise(t["records"]);
        printRow("switch", sw, "ms");
        printRow("reading the 8 records", rec, "ms");
        std::printf("  ratio of medians             %.2f\n", sw.median / rec.median);
    }
    t = phaseTimes(runChild(self, {"--saves", std::to_string(many)}, dataHome).output);
    if (!t["save"].empty() && !t["atomic"].empty()) {
        std::printf(
            "ledger save changing its feed, %d saves in one program, alternating (%.0f records a "
            "save)\n",
            many, t["files"].front() * 1000.0);
        printRow("first save", summarise(t["firstsave"]), "ms");
        const Summary save = summarise(t["save"]), atomic = summarise(t["atomic"]);
        printRow("ledger save", save, "ms");
        printRow("as many atomic saves", atomic, "ms");
        std::printf("  ratio of medians             %.2f\n", save.median / atomic.median);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::string(argv[1]) == "--bare") return runBare(std::atoi(argv[2]));
    if (argc >= 2 && std::string(argv[1]) == "--program") return runProgram();
    if (argc >= 3 && std::string(argv[1]) == "--refills") return runRefills(std::atoi(argv[2]));
    if (argc >= 3 && std::string(argv[1]) == "--switches") return runSwitches(std::atoi(argv[2]));
    if (argc >= 3 && std::string(argv[1]) == "--saves") return runSaves(std::atoi(argv[2]));

    const int runs = argc >= 2 ? std::max(3, std::atoi(argv[1])) : 15;
    const std::string self = fs::canonical("/proc/self/exe");
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const fs::path work =
        fs::temp_directory_path() / ("nencho-startup-bench-" + std::to_string(getpid()));

    std::printf("start-up to the first paint, %d runs each, alternating\n", runs);
    for (int companies : {1, 100, 999}) {
        const fs::path dataHome = work / std::to_string(companies);
        makeDataTree(dataHome / "nencho", companies);
        std::vector<double> bare, program, bareMemory, programMemory;
        std::map<std::string, std::vector<double>> phases;
        for (int run = 0; run < runs; ++run) {
            const ChildRun b = runChild(self, {"--bare", std::to_string(companies)}, dataHome);
            const ChildRun p = runChild(self, {"--program"}, dataHome);
            for (const auto& [phase, value] : phaseTimes(p.output))
                if (phase != "painted")
                    phases[phase].insert(phases[phase].end(), value.begin(), value.end());
            bare.push_back(b.milliseconds);
            program.push_back(p.milliseconds);
            bareMemory.push_back(b.maxResidentKilobytes / 1024.0);
            programMemory.push_back(p.maxResidentKilobytes / 1024.0);
        }
        const Summary bareTime = summarise(bare), programTime = summarise(program);
        std::printf("%d companies, %d persons each\n", companies, kPersonsPerCompany);
        printRow("bare window", bareTime, "ms");
        printRow("program", programTime, "ms");
        std::printf("  ratio of medians             %.2f\n", programTime.median / bareTime.median);
        for (const auto& [phase, values] : phases) {
            const Summary share = summarise(values);
            std::printf("  %-28s median %9.2f ms, %.0f %% of the program's median\n",
                        phase == "screens" ? "of which the menu's load" : "in the program's code",
                        share.median, 100.0 * share.median / programTime.median);
        }
        const Summary bareMem = summarise(bareMemory), programMem = summarise(programMemory);
        printRow("bare window peak memory", bareMem, "MiB");
        printRow("program peak memory", programMem, "MiB");
        std::printf("  ratio of medians             %.2f\n", programMem.median / bareMem.median);

        const ChildRun refills = runChild(self, {"--refills", std::to_string(runs)}, dataHome);
        std::map<std::string, std::vector<double>> times = phaseTimes(refills.output);
        if (!times["persons"].empty())
            printRow("refill 個人名全員表示", summarise(times["persons"]), "ms");
        if (!times["companies"].empty())
            printRow("refill 初期画面", summarise(times["companies"]), "ms");
        if (companies == 999) reportSwitchesAndSaves(self, dataHome, runs);
    }
    fs::remove_all(work);
    return 0;
}
