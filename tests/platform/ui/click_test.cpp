// The tests' click: it clicks only what a user could click, and then as a user does.
#include <gtest/gtest-spi.h>

#include <QPushButton>

#include "platform/ui/screen.h"
#include "support/screen_test.h"

namespace nencho::test {
namespace {

// The monthly calculation screen's dependants stepper: one more on each click.
constexpr const char* kForm = "Form8";
constexpr const char* kStepUp = "Command5";
constexpr const char* kCount = "Text7";

class ClickTest : public ScreenTest {};

TEST_F(ClickTest, AVisibleEnabledButtonRunsItsActionOnce) {
    screens::show(kForm);
    click(kForm, kStepUp);
    EXPECT_EQ(screens::read(kForm, kCount), "1");
}

TEST_F(ClickTest, AButtonAUserCannotReachIsRefusedAndNotClicked) {
    struct Case {
        const char* name;
        void (*arrange)();
        const char* refusal;
    };
    const Case cases[] = {
        {"screen not shown", [] {}, "not visible"},
        {"button hidden",
         [] {
             screens::show(kForm);
             screens::setControlVisible(kForm, kStepUp, false);
         },
         "not visible"},
        {"button disabled",
         [] {
             screens::show(kForm);
             screens::touch(kForm).control<QPushButton>(kStepUp)->setEnabled(false);
         },
         "disabled"},
    };
    for (const Case& c : cases) {
        screens::touch(kForm).hide();
        screens::setControlVisible(kForm, kStepUp, true);
        screens::touch(kForm).control<QPushButton>(kStepUp)->setEnabled(true);
        screens::write(kForm, kCount, "");
        c.arrange();
        EXPECT_NONFATAL_FAILURE(click(kForm, kStepUp), c.refusal);
        EXPECT_EQ(screens::read(kForm, kCount), "") << c.name;
    }
}

}  // namespace
}  // namespace nencho::test
