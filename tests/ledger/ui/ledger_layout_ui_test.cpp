// The ledger's layout: columns at their places, captions and texts that fit, Tab through the pay
// boxes.
#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>

#include "ledger/ledger_grid.h"
#include "ledger_screen_test.h"

namespace nencho::test {
namespace {

class LedgerLayout : public LedgerScreenTest {
  protected:
    void SetUp() override {
        ensureApplication();
        QFont font("IPAPGothic");  // the program's screen font
        font.setPointSize(10);
        QApplication::setFont(font);
        LedgerScreenTest::SetUp();
    }
    void TearDown() override {
        LedgerScreenTest::TearDown();
        QApplication::setFont(QFont());
    }
    QRect place(const QString& name) { return ledger().controlWidget(name)->geometry(); }
};

TEST_F(LedgerLayout, ColumnsAndRowsSitAtTheirPlaces) {
    // left, top in twips (15 to a pixel) of a box of each column and row.
    const struct {
        const char* name;
        int left;
        int top;
    } places[] = {
        {"Text1", 120, 120},       {"Command60", 480, 120},   {"Text3", 840, 120},
        {"Command24", 120, 480},   {"Text11", 480, 480},      {"Text12", 840, 480},
        {"Command1", 2040, 480},   {"Text13", 2880, 480},     {"Text14", 3960, 480},
        {"Text15", 5160, 480},     {"Text16", 5520, 480},     {"Text17", 6600, 480},
        {"Text18", 7680, 480},     {"Command47", 8760, 480},  {"Command4", 9120, 480},
        {"Text111", 840, 4440},    {"Text118", 120, 4800},    {"Text120", 840, 4800},
        {"Text127", 120, 5160},    {"Text128", 480, 5160},    {"Text129", 840, 5160},
        {"Command20", 2040, 5880}, {"Text119", 120, 6240},    {"Text163", 120, 6600},
        {"Text171", 7680, 6600},   {"Command2", 8880, 5160},  {"Command3", 8880, 5520},
        {"Command59", 8880, 6000}, {"Command37", 9480, 6720},
    };
    for (const auto& p : places) {
        EXPECT_EQ(place(p.name).topLeft(), QPoint(twipsToPixels(p.left), twipsToPixels(p.top)))
            << p.name;
        EXPECT_TRUE(ledger().controlWidget(p.name)->isVisibleTo(&ledger())) << p.name;
    }
    for (const char* hidden : {"Text10", "Command36", "Text161", "Text162", "Text2", "Command17",
                               "Command21", "Command22"})
        EXPECT_FALSE(ledger().controlWidget(hidden)->isVisibleTo(&ledger())) << hidden;
    EXPECT_EQ(ledger().textOf("Command22"), "登録実行");
    EXPECT_EQ(ledger().windowTitle(), "源泉徴収簿");
}

TEST_F(LedgerLayout, CaptionsFitTheirBoxes) {
    for (QPushButton* button : ledger().findChildren<QPushButton*>()) {
        if (!button->isVisibleTo(&ledger())) continue;
        const int needed = button->fontMetrics().horizontalAdvance(button->text()) + 4;
        EXPECT_LE(needed, button->width()) << button->objectName().toStdString();
    }
    for (const char* name : {"Text1", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9",
                             "Text118", "Text119", "Text163"}) {
        auto* box = ledger().control<QLineEdit>(name);
        const int needed = box->fontMetrics().horizontalAdvance(box->text()) + 6;
        EXPECT_LE(needed, box->width()) << name;
    }
}

// A pay-day text wider than its box would scroll to its end: "25日" would show as "5日" and
// "10,25" as "),25". Each is shown whole in the column's designed width.
TEST_F(LedgerLayout, TheDayColumnShowsEveryTextWhole) {
    const QString texts[] = {"末日", "25日", "10,25", "15,末", "25", "5"};
    // January's and December's day, a bonus's month and day.
    for (const char* name : {"Text11", "Text110", "Text127", "Text128"}) {
        auto* box = ledger().control<QLineEdit>(name);
        for (const QString& text : texts) {
            box->setText(text);
            box->grab();  // a paint scrolls a text that does not fit
            const int middle = box->height() / 2;
            EXPECT_EQ(box->cursorPositionAt({0, middle}), 0) << name << " " << text.toStdString();
            EXPECT_EQ(box->cursorPositionAt({box->width() - 1, middle}), text.size())
                << name << " " << text.toStdString();
            EXPECT_GE(box->font().pointSizeF(), 4.0) << name << " " << text.toStdString();
        }
        EXPECT_EQ(box->width(), twipsToPixels(375)) << name;
        box->setText("1");  // a text that fits keeps the column's face
        EXPECT_EQ(box->font().pointSizeF(), 8.0) << name;
        EXPECT_EQ(box->font().stretch(), QFont::Unstretched) << name;
    }
}

TEST_F(LedgerLayout, TabVisitsOnlyThePayBoxes) {
    ledger().show();
    QWidget* first = ledger().controlWidget("Text12");
    first->setFocus();
    std::vector<QString> visited;
    QWidget* w = first;
    for (int i = 0; i < 15; ++i) {
        visited.push_back(w->objectName());
        w = w->nextInFocusChain();
        while (w != first && !(w->focusPolicy() & Qt::TabFocus)) w = w->nextInFocusChain();
    }
    EXPECT_EQ(visited,
              (std::vector<QString>{"Text12", "Text21", "Text30", "Text39", "Text48", "Text57",
                                    "Text66", "Text75", "Text84", "Text93", "Text102", "Text111",
                                    "Text129", "Text138", "Text147"}));
    ledger().hide();
}

// A known ledger with day texts of every width: every box shows its text whole, none scrolled.
TEST_F(LedgerLayout, EveryTextOfAKnownLedgerIsShownWhole) {
    openKnownLedger();
    ledger().setTextOf("Text11", "末日");
    ledger().setTextOf("Text20", "25日");
    ledger().setTextOf("Text29", "10,25");
    ledger().show();
    int checked = 0;
    for (QLineEdit* box : ledger().findChildren<QLineEdit*>()) {
        if (!box->isVisible() || box->text().isEmpty()) continue;
        box->grab();  // a paint scrolls a text that does not fit
        const int middle = box->height() / 2;
        const std::string name = (box->objectName() + " " + box->text()).toStdString();
        EXPECT_EQ(box->cursorPositionAt({0, middle}), 0) << name;
        EXPECT_EQ(box->cursorPositionAt({box->width() - 1, middle}), box->text().size()) << name;
        ++checked;
    }
    EXPECT_GT(checked, 40);  // the known ledger fills most of its boxes
    ledger().hide();
}

}  // namespace
}  // namespace nencho::test
