// The real message box is wide enough for its whole title, as a window manager draws it.
#include "platform/ui/message_box.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>

#include "support/screen_test.h"

namespace nencho::test {
namespace {

// A person's and a company's name of the longest the records hold, in the deletion questions
// that name them only in the title, and the longest title of the program's own.
const QString kTitles[] = {
    "山田太郎左衛門次 氏を削除しますか",
    "株式会社東京中央商事販売物流 を削除しますか",
    "登録された会社を選択してください。または会社登録を先に実行してください。",
};

TEST(MessageBox, IsWideEnoughForItsWholeTitle) {
    ensureApplication();
    for (const QString& title : kTitles) {
        SCOPED_TRACE(title.toStdString());
        QMessageBox plain(QMessageBox::Question, title, {}, QMessageBox::Ok | QMessageBox::Cancel);
        plain.show();
        QMessageBox fitted(QMessageBox::Question, title, {}, QMessageBox::Ok | QMessageBox::Cancel);
        fitTitle(fitted);
        fitted.show();
        QApplication::processEvents();

        QFont bold = QApplication::font();
        bold.setBold(true);
        const int titleWidth = QFontMetrics(bold).horizontalAdvance(title);
        // Left to itself the box is sized for its buttons and cuts the title a window manager
        // draws beside its own buttons.
        EXPECT_LT(plain.width(), titleBarWidth(title));
        EXPECT_GE(fitted.width(), titleBarWidth(title));
        EXPECT_GT(titleBarWidth(title), titleWidth + 100);
        plain.hide();
        fitted.hide();
    }
}

}  // namespace
}  // namespace nencho::test
