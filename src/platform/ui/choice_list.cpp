#include "platform/ui/choice_list.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <utility>

namespace nencho {

void ChoiceList::focusInEvent(QFocusEvent* event) {
    const int before = currentRow();
    QListWidget::focusInEvent(event);
    // The view makes the first row current when the focus comes to a list without one; the
    // list keeps showing no choice, so the first arrow key chooses the first row.
    if (before < 0 && currentRow() >= 0) {
        const bool blocked = blockSignals(true);
        setCurrentRow(-1);
        blockSignals(blocked);
    }
}

void ChoiceList::keyPressEvent(QKeyEvent* event) {
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    const int after = currentRow();
    if (after < 0) return;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (after != before || enter) emit rowChosen(after);
}

void ChoiceList::mousePressEvent(QMouseEvent* event) {
    rowAtPress_ = currentRow();
    pressed_ = true;
    QListWidget::mousePressEvent(event);
}

void ChoiceList::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    const bool wasPressed = std::exchange(pressed_, false);
    if (!wasPressed || event->button() != Qt::LeftButton) return;
    const int row = currentRow();
    if (row < 0) return;
    const bool onRow = indexAt(event->position().toPoint()).isValid();
    if (onRow || row != rowAtPress_) emit rowChosen(row);
}

}  // namespace nencho
