#pragma once
// A list whose action runs on the user's choice of a row: a click on a row, or a key that moves
// the current row (arrows, page keys, typing a row's first letters) or Enter on it. The focus
// arriving, a row set from code and a list being filled choose nothing.
#include <QListWidget>

namespace nencho {

class ChoiceList : public QListWidget {
    Q_OBJECT

  public:
    using QListWidget::QListWidget;

  signals:
    void rowChosen(int row);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int rowAtPress_ = -1;
    // A press of this list's own: the second click of a double click counts only when it lands
    // on another row, which the view then takes as a press of that row.
    bool pressed_ = false;
};

}  // namespace nencho
