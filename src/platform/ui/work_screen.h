#pragma once
// A work screen: a screen with a hidden year box and the hidden year button of every work screen
// (work_screen_controls.h), which copies the box into the screen's own working year, from which
// it names its year folder. The year button changes nothing but the screen: the main menu's year
// sequence presses it on screens not yet built, and it waits for them (screens.h).
#include "platform/ui/screen.h"

namespace nencho {

class WorkScreen : public Screen {
    Q_OBJECT

  public:
    WorkScreen(const QString& name, const QString& yearBoxName);

    const QString& workingYear() const { return workingYear_; }
    const QString& yearBoxName() const { return yearBoxName_; }

  private:
    QString yearBoxName_;
    QString workingYear_;
};

}  // namespace nencho
