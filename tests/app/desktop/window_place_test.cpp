// Where the windows stand on a real display with a window manager, which frames every window and
// places each one the program does not: the screens opened from the main menu beside it, and a
// window hidden and shown again where the clerk left it. The test script starts the display
// (scripts/test-display.sh) and names it in NENCHO_TEST_DISPLAY; without it these are skipped.
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <ostream>
#include <utility>

#include "app/ui/form1_controls.h"
#include "app/ui/main_menu_fixture.h"
#include "ledger/ui/form2_controls.h"
#include "printing/ui/form7_controls.h"
#include "records/ui/form6_controls.h"

// Lets test failures show rectangles as places and sizes.
inline void PrintTo(const QRect& rect, std::ostream* out) {
    *out << rect.width() << "x" << rect.height() << " at (" << rect.x() << ", " << rect.y() << ")";
}

namespace nencho::test {
namespace {

class WindowsOnTheDesktop : public MainMenuTest {
  protected:
    void SetUp() override {
        const char* display = std::getenv("NENCHO_TEST_DISPLAY");
        if (!display || !*display)
            GTEST_SKIP() << "no display with a window manager (the test script starts one)";
        qputenv("DISPLAY", display);
        qputenv("QT_QPA_PLATFORM", "xcb");
        MainMenuTest::SetUp();
        started_ = true;
        ASSERT_EQ(QGuiApplication::platformName(), "xcb");
        writeCompany(1, "一社");
        writePerson(1, 1, "甲");
        writePerson(1, 2, "乙");
        // The main window as the program first shows it.
        screens::show(form1::kForm);
        menuShown_ = true;
        settledFrame(menu());
    }

    void TearDown() override {
        if (started_) MainMenuTest::TearDown();
    }

    // The window's frame once the window manager has framed and placed it and it stays still.
    static QRect settledFrame(QWidget& window) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window)) << name(window);
        QRect last;
        int still = 0;
        for (int round = 0; round < 150 && still < 5; ++round) {
            QTest::qWait(20);
            const QRect now = window.frameGeometry();
            still = now == last && now != window.geometry() ? still + 1 : 0;
            last = now;
        }
        return last;
    }

    static std::string name(const QWidget& window) { return window.objectName().toStdString(); }

    // The clerk drags the window by its title bar: the window manager moves the frame, and the
    // program is only told where it now stands.
    static void moveAsTheClerk(QWidget& window, QPoint frameCorner) {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        xcb_connection_t* connection = x11->connection();
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        const char* request = "_NET_MOVERESIZE_WINDOW";
        const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
            xcb_intern_atom_reply(
                connection,
                xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(request)),
                                request),
                nullptr),
            &std::free);
        ASSERT_TRUE(atom);
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = static_cast<xcb_window_t>(window.winId());
        event.type = atom->atom;
        // The frame's corner (north-west gravity), x and y given, asked for by the user.
        event.data.data32[0] = XCB_GRAVITY_NORTH_WEST | 1u << 8 | 1u << 9 | 2u << 12;
        event.data.data32[1] = static_cast<std::uint32_t>(frameCorner.x());
        event.data.data32[2] = static_cast<std::uint32_t>(frameCorner.y());
        xcb_send_event(connection, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
        xcb_flush(connection);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return window.frameGeometry().topLeft() == frameCorner; }, 3000))
            << name(window) << " was not moved";
        settledFrame(window);
    }

    bool started_ = false;
};

TEST_F(WindowsOnTheDesktop, EveryScreenOfTheMenuOpensBesideItWhollyOnTheScreen) {
    const QRect screen = menu().screen()->availableGeometry();
    ASSERT_EQ(screen, QRect(0, 0, 1600, 1200));
    typeCodes("1", "1");
    click(form1::kCompanyLoadButton);
    click(form1::kPersonLoadButton);
    const std::pair<const char*, const char*> openings[] = {
        {"Command1", "Form2"},   {"Command3", "Form4"},   {"Command4", "Form5"},
        {"Command21", "Form16"}, {"Command2", "Form3"},   {"Command6", "Form7"},
        {"Command20", "Form13"}, {"Command5", "Form11"},  {"Command13", "Form6"},
        {"Command16", "Form12"}, {"Command30", "Form19"},
    };
    const QRect main = settledFrame(menu());
    for (const auto& [button, form] : openings) {
        click(button);
        Screen& opened = screens::touch(form);
        const QRect frame = settledFrame(opened);
        EXPECT_TRUE(screen.contains(frame)) << form << " stands off the screen";
        // The screen has room for each beside the menu, which stays in sight whole.
        EXPECT_FALSE(frame.intersects(main)) << form << " covers the menu";
        EXPECT_EQ(settledFrame(menu()), main) << "the menu moved when " << form << " opened";
    }
}

// The round of the print screen: its 次の人 hides the menu and the screens before it, its
// 初期画面に戻る shows the menu again, and the menu opens the ledger and the person screen again.
// Each window comes back where it stood, moved by the clerk or where the program first put it.
TEST_F(WindowsOnTheDesktop, AWindowHiddenAndShownAgainStandsWhereTheClerkLeftIt) {
    typeCodes("1", "1");
    click(form1::kCompanyLoadButton);
    click(form1::kPersonLoadButton);  // opens the ledger
    click(form1::kPersonScreenButton);
    Screen& ledger = screens::touch(form2::kForm);
    Screen& person = screens::touch(form6::kForm);
    settledFrame(person);
    moveAsTheClerk(menu(), {40, 90});
    moveAsTheClerk(ledger, {870, 430});
    Screen* const windows[] = {&menu(), &ledger, &person};
    std::map<Screen*, std::pair<QRect, QRect>> before;  // the frame and the window inside
    for (Screen* window : windows) before[window] = {settledFrame(*window), window->geometry()};

    click(form1::kPrintButton);
    settledFrame(screens::touch(form7::kForm));
    test::click(form7::kForm, form7::kNextPersonButton);
    ASSERT_FALSE(menu().isVisible());
    ASSERT_FALSE(ledger.isVisible());
    ASSERT_FALSE(person.isVisible());
    test::click(form7::kForm, form7::kBackToMenuButton);
    settledFrame(menu());
    click(form1::kLedgerButton);
    click(form1::kPersonScreenButton);

    for (const auto& [window, place] : before) {
        EXPECT_EQ(settledFrame(*window), place.first) << name(*window);
        EXPECT_EQ(window->geometry(), place.second) << name(*window);
    }
}

}  // namespace
}  // namespace nencho::test
