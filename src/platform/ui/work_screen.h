#pragma once
// A work screen: a screen with a hidden year box and a hidden year button (Command36) that
// copies the box into the screen's own working year, from which it names its year folder.
#include "platform/ui/screen.h"

namespace nencho {

class WorkScreen : public Screen {
    Q_OBJECT

  public:
    WorkScreen(const QString& name, const QString& yearBoxName);

    const QString& workingYear() const { return workingYear_; }
    const QString& yearBoxName() const { return yearBoxName_; }

  protected:
    // Called after the year button copied the year box; screens with more to copy add it here.
    virtual void yearButtonPressed() {}

  private:
    QString yearBoxName_;
    QString workingYear_;
};

}  // namespace nencho
