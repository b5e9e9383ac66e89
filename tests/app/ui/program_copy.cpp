// A copy of the program for the tests of copies started on one data folder. It waits for a byte
// on its input, starts as the program starts and says "running" once its event loop runs; each
// message it is given is said as "message <title>: <text>" and answered OK. A running copy ends
// when its input closes; every copy says "ended <status>" last.
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/ui/application.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/program.h"

namespace {

class SaidDialogs : public nencho::DialogHost {
  public:
    nencho::MessageAnswer messageBox(const QString& prompt, const QString& title,
                                     nencho::MessageIcon, nencho::MessageButtons) override {
        std::printf("message %s: %s\n", qUtf8Printable(title),
                    qUtf8Printable(QString(prompt).replace('\n', ' ')));
        std::fflush(stdout);
        return nencho::MessageAnswer::Ok;
    }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    void beep() override {}
    void sendTab() override {}
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    nencho::setDialogHost(std::make_unique<SaidDialogs>());
    char go = 0;
    if (::read(STDIN_FILENO, &go, 1) != 1) return 1;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&input] {
        char byte = 0;
        if (::read(STDIN_FILENO, &byte, 1) > 0) return;
        input.setEnabled(false);
        nencho::endProgram();
    });
    QTimer::singleShot(0, [] {
        std::puts("running");
        std::fflush(stdout);
    });
    const int status = nencho::runProgram(app);
    std::printf("ended %d\n", status);
    return status;
}
