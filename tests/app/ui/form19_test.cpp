// The printer window: listing the printers and making the chosen one the default.
#include <cups/cups.h>
#include <pwd.h>
#include <unistd.h>

#include <QListWidget>
#include <QPushButton>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <stdexcept>

#include "platform/printer_page.h"
#include "platform/ui/printers.h"
#include "platform/ui/screen.h"
#include "support/screen_test.h"
#include "support/test_queues.h"

namespace nencho::test {
namespace {

using Kind = ScreenEvent::Kind;

class FakePrinters : public PrinterSystem {
  public:
    QStringList printerNames() override { return names; }
    void setDefaultPrinter(const QString& name) override {
        if (refuse) throw PrinterFailure("設定できません");
        defaults << name;
    }

    QStringList names;
    QStringList defaults;
    bool refuse = false;
};

class PrinterWindow : public ScreenTest {
  protected:
    void TearDown() override {
        setPrinterSystem(nullptr);
        ScreenTest::TearDown();
    }

    FakePrinters& install(QStringList names) {
        auto fake = std::make_unique<FakePrinters>();
        fake->names = std::move(names);
        FakePrinters& installed = *fake;
        setPrinterSystem(std::move(fake));
        return installed;
    }

    // Opens the window from the main menu, as the clerk does.
    Screen& open() {
        Screen& menu = screens::touch("Form1");
        if (!menu.isVisible()) menu.show();  // the program's main window
        click("Form1", "Command30");
        return screens::touch("Form19");
    }

    QListWidget* list() { return screens::touch("Form19").control<QListWidget>("List1"); }

    QStringList rows() {
        QStringList result;
        for (int i = 0; i < list()->count(); ++i) result << list()->item(i)->text();
        return result;
    }
};

TEST_F(PrinterWindow, ListsThePrintersInOrderAndSetsTheFirstWithoutAChange) {
    FakePrinters& printers = install({"B-queue", "A-queue", "C-queue"});
    Screen& window = open();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(rows(), (QStringList{"B-queue", "A-queue", "C-queue"}));
    EXPECT_EQ(list()->currentRow(), 0);
    clearEvents();
    click("Form19", "Command1");
    EXPECT_EQ(printers.defaults, QStringList{"B-queue"});
    EXPECT_EQ(eventsOf(Kind::Show), std::vector<QString>{"Form1"});
    EXPECT_FALSE(window.isVisible());

    // Opened again, the list is not built anew and the last choice stays.
    printers.names << "D-queue";
    list()->setCurrentRow(2);
    open();
    EXPECT_EQ(rows().size(), 3);
    EXPECT_EQ(list()->currentRow(), 2);
}

TEST_F(PrinterWindow, CloseChangesNothing) {
    FakePrinters& printers = install({"A-queue"});
    Screen& window = open();
    clearEvents();
    click("Form19", "Command2");
    EXPECT_TRUE(printers.defaults.isEmpty());
    EXPECT_EQ(eventsOf(Kind::Show), std::vector<QString>{"Form1"});
    EXPECT_FALSE(window.isVisible());
}

TEST_F(PrinterWindow, WithoutPrintersTheListIsEmptyAndSettingIsDisabled) {
    FakePrinters& printers = install({});
    Screen& window = open();
    EXPECT_EQ(list()->count(), 0);
    EXPECT_FALSE(window.control<QPushButton>("Command1")->isEnabled());
    window.press("Command1");  // pressed from code all the same
    EXPECT_TRUE(printers.defaults.isEmpty());
    EXPECT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(PrinterWindow, AFailureToSetTheDefaultIsReportedAndTheWindowStays) {
    FakePrinters& printers = install({"A-queue"});
    printers.refuse = true;
    Screen& window = open();
    click("Form19", "Command1");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].prompt, "設定できません");
    EXPECT_TRUE(window.isVisible());
}

// The clerk's words for a printing service out of reach, with libcups' own reason on the last
// line; nothing of a printer missing or not installed.
void expectServiceOutOfReach(const QString& said) {
    EXPECT_TRUE(said.startsWith("印刷を受け持つサービス（CUPS）に接続できません。"))
        << said.toStdString();
    EXPECT_FALSE(said.contains("見つかりません") || said.contains("インストール"))
        << said.toStdString();
    const QString lastLine = said.section('\n', -1);
    EXPECT_FALSE(lastLine.isEmpty() || lastLine.contains("接続できません")) << said.toStdString();
}

TEST_F(PrinterWindow, TheSystemsPrintersWhateverTheyAreOrNone) {
    // With a CUPS server, its queues; with none, an empty list and the clerk told why.
    Screen& window = open();
    EXPECT_EQ(window.control<QPushButton>("Command1")->isEnabled(), list()->count() > 0);
    if (dialogs->messages.empty()) return;
    ASSERT_EQ(dialogs->messages.size(), 1u);
    expectServiceOutOfReach(dialogs->messages[0].prompt);
    EXPECT_EQ(list()->count(), 0);
}

TEST_F(PrinterWindow, OpenedWithThePrintingServiceOutOfReachItSaysSoAndAsksAgainNextTime) {
    // The system's own printers, with libcups given no server to reach.
    for (const std::string& server : unreachableServers()) {
        SCOPED_TRACE(server);
        NoPrintServer noServer(server);
        dialogs->messages.clear();
        Screen& window = open();
        ASSERT_EQ(dialogs->messages.size(), 1u);
        expectServiceOutOfReach(dialogs->messages[0].prompt);
        EXPECT_EQ(list()->count(), 0);
        EXPECT_FALSE(window.control<QPushButton>("Command1")->isEnabled());
        click("Form19", "Command2");
    }

    // The service runs again: the next opening lists its printers.
    install({"A-queue", "B-queue"});
    dialogs->messages.clear();
    Screen& window = open();
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(rows(), (QStringList{"A-queue", "B-queue"}));
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_TRUE(window.control<QPushButton>("Command1")->isEnabled());
}

// A printer listed while the service ran is set on the system's own printers: a service since
// stopped is told as such, and "not found" is said only of a printer the service, answering,
// does not know (with the test script's server).
TEST_F(PrinterWindow, SettingTellsAServiceOutOfReachApartFromAPrinterItDoesNotKnow) {
    struct Case {
        std::string server;  // none: the machine's own
        QString printer;
        std::function<void(const QString&)> check;
    };
    std::vector<Case> cases;
    for (const std::string& server : unreachableServers())
        cases.push_back({server, "TEST-PDF", expectServiceOutOfReach});
    if (hasTestPrinter())
        cases.push_back({{}, "NENCHO-NO-SUCH-QUEUE", [](const QString& said) {
                             EXPECT_EQ(said,
                                       "プリンター「NENCHO-NO-SUCH-QUEUE」が見つかりません。");
                         }});

    install({"TEST-PDF", "NENCHO-NO-SUCH-QUEUE"});
    Screen& window = open();
    setPrinterSystem(nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.server);
        std::optional<NoPrintServer> noServer;
        if (!c.server.empty()) noServer.emplace(c.server);
        dialogs->messages.clear();
        list()->setCurrentRow(static_cast<int>(rows().indexOf(c.printer)));
        click("Form19", "Command1");
        ASSERT_EQ(dialogs->messages.size(), 1u);
        c.check(dialogs->messages[0].prompt);
        EXPECT_TRUE(window.isVisible());
    }
}

// The user's default as CUPS gives it back.
QString cupsDefaultPrinter() {
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    QString name;
    for (int i = 0; i < count; ++i)
        if (dests[i].is_default) name = QString::fromUtf8(dests[i].name);
    cupsFreeDests(count, dests);
    return name;
}

// The per-user option files CUPS may write the default into, put back as they were.
class SavedFile {
  public:
    explicit SavedFile(std::filesystem::path path)
        : path_(std::move(path)), folderExisted_(std::filesystem::exists(path_.parent_path())) {
        std::ifstream in(path_, std::ios::binary);
        if (!in) return;
        std::ostringstream content;
        content << in.rdbuf();
        content_ = content.str();
        existed_ = true;
    }
    ~SavedFile() {
        std::error_code ec;
        if (!existed_) {
            std::filesystem::remove(path_, ec);
            if (!folderExisted_) std::filesystem::remove(path_.parent_path(), ec);
            return;
        }
        std::ofstream(path_, std::ios::binary | std::ios::trunc) << content_;
    }
    SavedFile(const SavedFile&) = delete;
    SavedFile& operator=(const SavedFile&) = delete;

  private:
    std::filesystem::path path_;
    bool folderExisted_;
    std::string content_;
    bool existed_ = false;
};

// The user's home folder as libcups finds it: HOME, or else the user's entry.
std::filesystem::path homeFolder() {
    if (const char* home = std::getenv("HOME")) return home;
    const passwd* user = ::getpwuid(::getuid());
    return user ? user->pw_dir : "";
}

TEST_F(PrinterWindow, TheChosenCupsQueueBecomesTheUsersDefault) {
    if (!std::getenv("NENCHO_TEST_CUPS"))
        GTEST_SKIP() << "needs the test script's CUPS server with TEST-PDF and TEST-PDF2";
    SavedFile userOptions(homeFolder() / ".cups" / "lpoptions");
    SavedFile systemOptions("/etc/cups/lpoptions");
    // The environment's choice would hide the user's default.
    unsetenv("LPDEST");
    unsetenv("PRINTER");

    Screen& window = open();
    const QStringList names = rows();
    ASSERT_TRUE(names.contains("TEST-PDF")) << names.join(",").toStdString();
    ASSERT_TRUE(names.contains("TEST-PDF2"));
    EXPECT_EQ(cupsDefaultPrinter(), "TEST-PDF");

    list()->setCurrentRow(static_cast<int>(names.indexOf("TEST-PDF2")));
    click("Form19", "Command1");
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(cupsDefaultPrinter(), "TEST-PDF2");
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace nencho::test
