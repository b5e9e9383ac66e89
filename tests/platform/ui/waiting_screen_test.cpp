// A screen that may wait changes nothing but itself until it is built: a waiting drive that
// fails, or one that reaches another screen, is a fault of the program that the action guard
// reports, naming the screen and the drive, and the drives after it still run.
#include "common/failure.h"
#include "platform/ui/action_guard.h"
#include "platform/ui/screen.h"
#include "support/screen_test.h"

namespace nencho::test {
namespace {

// Its year button copies Text1 into Text3; "だめ" cannot be copied, "外へ" is written into
// another screen.
class Waiting : public Screen {
  public:
    Waiting() : Screen("Waiting") {
        setWindowTitle("待つ画面");
        addHiddenText("Text1");
        addHiddenText("Text2");
        addHiddenText("Text3");
        addHiddenButton("Command36", "年", [this] {
            if (textOf("Text1") == "だめ") throw Failure("写せません。");
            if (textOf("Text1") == "外へ") screens::write("Other", "Text1", "届く");
            setTextOf("Text3", textOf("Text1"));
        });
    }
};

class Other : public Screen {
  public:
    Other() : Screen("Other") { addHiddenText("Text1"); }
};

class WaitingScreenTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ScreenRegistry& registry = ScreenRegistry::instance();
        registry.registerWaitingFactory("Waiting", [] { return std::make_unique<Waiting>(); },
                                        {"Command36"});
        registry.registerWaitingFactory("Other", [] { return std::make_unique<Other>(); }, {});
    }

    // Drives that wait: a copy that fails or reaches out between two that work.
    void leaveDrives(const QString& copied) {
        screens::write("Waiting", "Text1", copied);
        screens::press("Waiting", "Command36");
        screens::write("Waiting", "Text2", "後");
        screens::write("Waiting", "Text1", "よい");
        screens::press("Waiting", "Command36");
        ASSERT_EQ(ScreenRegistry::instance().existing("Waiting"), nullptr);
    }
};

TEST_F(WaitingScreenTest, AFailedDriveIsAFaultNamingTheScreenAndTheDriveAndTheRestStillRun) {
    const struct {
        const char* copied;
        const char* fault;
    } cases[] = {
        {"だめ", "Waiting: the waiting press of Command36 failed: 写せません。"},
        {"外へ",
         "Waiting: the waiting press of Command36 failed: Waiting reached Other while it was "
         "built"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.copied);
        leaveDrives(c.copied);
        dialogs->messages.clear();
        // Read outside any action: the guard the build runs its drives in reports the fault.
        EXPECT_EQ(screens::read("Waiting", "Text3"), "よい");
        EXPECT_EQ(screens::read("Waiting", "Text2"), "後");
        ASSERT_EQ(dialogs->messages.size(), 1u);
        EXPECT_EQ(dialogs->messages[0].prompt, c.fault);
        EXPECT_EQ(dialogs->messages[0].title, "待つ画面");
        EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(ScreenRegistry::instance().existing("Other"), nullptr);
        // The queue went with the replay: nothing runs again.
        screens::press("Waiting", "Command36");
        EXPECT_EQ(dialogs->messages.size(), 1u);
        ScreenRegistry::instance().unload("Waiting");
    }
}

// Within an action the fault ends that action, which reports it under its own title.
TEST_F(WaitingScreenTest, AFaultOfABuildWithinAnActionIsReportedByThatAction) {
    leaveDrives("だめ");
    bool readOn = false;
    runGuarded("外の操作", [&] {
        screens::read("Waiting", "Text3");
        readOn = true;
    });
    EXPECT_FALSE(readOn);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "外の操作");
    EXPECT_EQ(dialogs->messages[0].prompt,
              "Waiting: the waiting press of Command36 failed: 写せません。");
    EXPECT_EQ(screens::read("Waiting", "Text3"), "よい");
}

}  // namespace
}  // namespace nencho::test
