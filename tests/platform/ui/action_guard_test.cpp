// The guard every action of a screen runs in: a failure is shown under the action's title and
// the next action works; inside another action a failure goes to the action that ran it.
#include "platform/ui/action_guard.h"

#include <QLineEdit>
#include <QListWidget>

#include "common/failure.h"
#include "platform/ui/key_press.h"
#include "platform/ui/screen.h"
#include "support/screen_test.h"

namespace nencho::test {
namespace {

class TryScreen : public Screen {
  public:
    TryScreen() : Screen("TryScreen") {
        setWindowTitle("試しの画面");
        addButton("Fails", "失敗する", 0, 0, 1000, 300,
                  [] { throw Failure("書けませんでした。"); });
        addButton("Throws", "投げる", 0, 300, 1000, 300, [] { throw 42; });
        addButton("Works", "動く", 0, 600, 1000, 300, [this] { ++worked; });
        addButton("RunsFailing", "呼ぶ", 0, 900, 1000, 300, [this] {
            try {
                press("Fails");
            } catch (const Failure& failure) {
                caughtInside = failure.what();
            }
        });
        addList("List1", 0, 1200, 1000, 1000)->addItems({"一", "二"});
        onChoice("List1", [](int) { throw Failure("選べませんでした。"); });
        QLineEdit* box = addText("Text1", 0, 2400, 1000, 300);
        onKeyPress(box, [](int) -> bool { throw Failure("打てませんでした。"); });
    }
    int worked = 0;
    std::string caughtInside;
};

class ActionGuardTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        made = std::make_unique<TryScreen>();
    }
    void TearDown() override {
        made.reset();
        ScreenTest::TearDown();
    }

    QString lastPrompt() const {
        return dialogs->messages.empty() ? QString() : dialogs->messages.back().prompt;
    }
    QString lastTitle() const {
        return dialogs->messages.empty() ? QString() : dialogs->messages.back().title;
    }
    std::unique_ptr<TryScreen> made;
    TryScreen& screen() { return *made; }
};

TEST_F(ActionGuardTest, AFailingButtonShowsItsMessageUnderItsCaptionAndTheNextActionWorks) {
    screen().press("Fails");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(lastPrompt(), "書けませんでした。");
    EXPECT_EQ(lastTitle(), "失敗する");
    EXPECT_EQ(dialogs->messages.back().icon, MessageIcon::Critical);

    screen().press("Works");
    EXPECT_EQ(screen().worked, 1);
    EXPECT_EQ(dialogs->messages.size(), 1u);
}

TEST_F(ActionGuardTest, AnythingElseThrownIsShownAsAnUnexpectedProblem) {
    screen().press("Throws");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(lastPrompt(), kUnexpectedFailure);
    EXPECT_EQ(lastTitle(), "投げる");
    screen().press("Works");
    EXPECT_EQ(screen().worked, 1);
}

TEST_F(ActionGuardTest, AButtonPressedByAnotherActionHandsItsFailureToThatAction) {
    screen().press("RunsFailing");
    EXPECT_EQ(screen().caughtInside, "書けませんでした。");
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(ActionGuardTest, AFailingListChoiceOrKeyIsShownUnderTheScreensTitle) {
    clickRow(screen().control<QListWidget>("List1"), 1);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(lastPrompt(), "選べませんでした。");
    EXPECT_EQ(lastTitle(), "試しの画面");

    auto* box = screen().control<QLineEdit>("Text1");
    pressKeyIn(box, Qt::Key_A);
    ASSERT_EQ(dialogs->messages.size(), 2u);
    EXPECT_EQ(lastPrompt(), "打てませんでした。");
    EXPECT_EQ(box->text(), "");  // the failed key typed nothing

    screen().press("Works");
    EXPECT_EQ(screen().worked, 1);
}

TEST_F(ActionGuardTest, AFailureOutsideAnyScreenIsShownUnderTheGivenTitle) {
    runGuarded("題", [] { throw Failure("だめでした。"); });
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(lastTitle(), "題");
    EXPECT_EQ(lastPrompt(), "だめでした。");
}

}  // namespace
}  // namespace nencho::test
