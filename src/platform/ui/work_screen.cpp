#include "platform/ui/work_screen.h"

#include <QLineEdit>

namespace nencho {

WorkScreen::WorkScreen(const QString& name, const QString& yearBoxName)
    : Screen(name), yearBoxName_(yearBoxName) {
    addHiddenText(yearBoxName_);
    addHiddenButton("Command36", "年", [this] {
        workingYear_ = textOf(yearBoxName_);
        yearButtonPressed();
    });
}

}  // namespace nencho
