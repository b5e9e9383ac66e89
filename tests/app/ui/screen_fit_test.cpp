// Every screen shows its texts whole: each caption fits its control, and each box or label that
// shows a value fits the longest value that value can take, in the control's own face.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

#include "app/ui/application.h"
#include "platform/ui/screen.h"
#include "support/screen_test.h"

namespace nencho::test {
namespace {

const char* const kScreens[] = {"Form1",  "Form2",  "Form3",  "Form4",  "Form5",  "Form6",
                                "Form7",  "Form8",  "Form9",  "Form10", "Form11", "Form12",
                                "Form13", "Form16", "Form17", "Form18", "Form19"};

// The width and height a control gives its text.
QSize textRoom(QWidget* control) {
    QStyle* style = control->style();
    if (auto* box = qobject_cast<QLineEdit*>(control)) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.rect = box->rect();
        option.lineWidth = box->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        const QRect room = style->subElementRect(QStyle::SE_LineEditContents, &option, box)
                               .marginsRemoved(box->textMargins());
        constexpr int kLineEditMargin = 2;  // the box's own blank either side of its text
        return {room.width() - 2 * kLineEditMargin, room.height()};
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = button->rect();
        QStyle::SubElement element = QStyle::SE_PushButtonContents;
        if (qobject_cast<QRadioButton*>(button)) element = QStyle::SE_RadioButtonContents;
        if (qobject_cast<QCheckBox*>(button)) element = QStyle::SE_CheckBoxContents;
        const QRect room = style->subElementRect(element, &option, button);
        return room.size();
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        const QRect room = label->contentsRect().marginsRemoved(
            QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
        return room.size();
    }
    if (auto* frame = qobject_cast<QGroupBox*>(control)) return {frame->width() - 16, 100};
    return control->size();
}

QString captionOf(QWidget* control) {
    if (auto* box = qobject_cast<QLineEdit*>(control)) return box->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
    if (auto* frame = qobject_cast<QGroupBox*>(control)) return frame->title();
    return {};
}

struct Misfit {
    QString where;
    QString text;
    QSize needed;
    QSize room;
};

QSize textSize(QWidget* control, const QString& text, const QSize& room) {
    const QFontMetrics metrics(control->font());
    if (auto* label = qobject_cast<QLabel*>(control); label && label->wordWrap())
        return metrics.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, text)
            .size();
    int width = 0;
    const QStringList lines = text.split('\n');
    for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
    return {width, metrics.height() * static_cast<int>(lines.size())};
}

std::vector<Misfit> misfitsOf(Screen& screen) {
    std::vector<Misfit> found;
    for (QWidget* control : screen.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&screen) || control->objectName().isEmpty()) continue;
        if (!qobject_cast<QLineEdit*>(control) && !qobject_cast<QAbstractButton*>(control) &&
            !qobject_cast<QLabel*>(control) && !qobject_cast<QGroupBox*>(control))
            continue;
        QStringList texts{captionOf(control)};
        const QVariant longest = control->property(kLongestValueProperty);
        if (longest.isValid()) texts << longest.toString();

        const QSize room = textRoom(control);
        for (const QString& text : texts) {
            const QSize needed = textSize(control, text, room);
            if (needed.width() > room.width() || needed.height() > room.height() + 2)
                found.push_back(
                    {screen.objectName() + "." + control->objectName(), text, needed, room});
        }
    }
    return found;
}

class ScreenFitTest : public ScreenTest {};

TEST_F(ScreenFitTest, EveryCaptionAndLongestValueFitsItsControl) {
    setUpFonts(*qApp);
    for (const char* name : kScreens) {
        Screen& screen = screens::touch(name);
        screen.show();
        for (const Misfit& misfit : misfitsOf(screen))
            ADD_FAILURE() << misfit.where.toStdString() << " \"" << misfit.text.toStdString()
                          << "\" needs " << misfit.needed.width() << "x" << misfit.needed.height()
                          << " in " << misfit.room.width() << "x" << misfit.room.height();
        screen.hide();
    }
}

}  // namespace
}  // namespace nencho::test
