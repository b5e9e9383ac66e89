#include "platform/ui/work_screen.h"

#include "platform/ui/work_screen_controls.h"

namespace nencho {

WorkScreen::WorkScreen(const QString& name, const QString& yearBoxName)
    : Screen(name), yearBoxName_(yearBoxName) {
    addHiddenText(yearBoxName_);
    addHiddenButton(work_screen::kYearButton, "年",
                    [this] { workingYear_ = textOf(yearBoxName_); });
}

}  // namespace nencho
