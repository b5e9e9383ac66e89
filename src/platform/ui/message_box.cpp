#include "platform/ui/message_box.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>
#include <algorithm>

namespace nencho {

namespace {

// The window icon and the minimise, maximise and close buttons with their margins.
constexpr int kTitleBarRoom = 160;

}  // namespace

int titleBarWidth(const QString& title) {
    QFont font = QApplication::font();
    font.setBold(true);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 1.25);
    else
        font.setPixelSize(font.pixelSize() * 5 / 4);
    const int wanted = QFontMetrics(font).horizontalAdvance(title) + kTitleBarRoom;
    const QScreen* screen = QApplication::primaryScreen();
    return screen ? std::min(wanted, screen->availableGeometry().width()) : wanted;
}

void fitTitle(QMessageBox& box) {
    // The box takes its layout's minimum width when it is shown; a spacer across the whole
    // layout makes that the title's.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    grid->addItem(new QSpacerItem(titleBarWidth(box.windowTitle()), 0, QSizePolicy::Fixed,
                                  QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace nencho
