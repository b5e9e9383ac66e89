// Failures of actions pressed inside another action are told once, when the outermost ends.
#include "platform/ui/reported_action.h"

#include "common/failure.h"
#include "support/screen_test.h"

namespace nencho::test {
namespace {

class ReportedAction : public ScreenTest {};

TEST_F(ReportedAction, AnActionOnItsOwnShowsItsFailureUnderItsTitle) {
    runReported("計算実行", [] { reportFailure("保存できませんでした。"); });
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "計算実行");
    EXPECT_EQ(dialogs->messages[0].prompt, "保存できませんでした。");
    EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Exclamation);

    runReported("計算実行", [] {});
    EXPECT_EQ(dialogs->messages.size(), 1u);
}

TEST_F(ReportedAction, NestedFailuresAreShownOnceUnderTheOutermostTitle) {
    bool wentOn = false;
    runReported("登録実行", [&] {
        runReported("計算実行", [] { reportFailure("保険等"); });
        runReported("計算実行", [] { throw Failure("範囲外"); });
        runReported("計算実行", [] { reportFailure("保険等"); });  // said once
        EXPECT_TRUE(dialogs->messages.empty());
        reportFailure("源泉徴収簿");
        wentOn = true;
    });
    EXPECT_TRUE(wentOn);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "登録実行");
    EXPECT_EQ(dialogs->messages[0].prompt, "保険等\n\n範囲外\n\n源泉徴収簿");

    dialogs->messages.clear();
    runReported("データ呼出", [] {});  // nothing kept from the action before
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(ReportedAction, AFailureThrownEndsOnlyTheActionThatThrewIt) {
    int steps = 0;
    runReported("計算実行", [&] {
        ++steps;
        throw Failure("範囲外");
    });
    EXPECT_EQ(steps, 1);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].prompt, "範囲外");
}

TEST_F(ReportedAction, OtherExceptionsPassOnAndLeaveNoActionRunning) {
    EXPECT_THROW(runReported("計算実行", [] { throw std::logic_error("bug"); }), std::logic_error);
    reportFailure("後の失敗");  // no action runs now: shown at once
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].prompt, "後の失敗");
}

}  // namespace
}  // namespace nencho::test
