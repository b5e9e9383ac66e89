#include "yearend/ui/form18.h"

#include <iterator>

#include "platform/ui/screens.h"
#include "yearend/ui/form18_controls.h"

namespace nencho {

namespace {

const char* const kReferenceTexts[] = {
    "平成１７年分の扶養控除の参照・抄",
    "老人配偶者：昭和１１年１月１日生まれ以前",
    "特定扶養家族：昭和５８年１月２日～平成２年１月１日",
    "老人扶養：昭和１１年１月１日生まれ以前",
    "老年者控除は廃止されました。",
};

}  // namespace

Form18::Form18() : Screen(form18::kForm) {
    setWindowTitle(form18::kForm);
    setDesignSize(6000, 3600);
    int top = 120;
    for (const char* line : form18::kLineLabels) {
        addLabel(line, {}, 240, top, 5520, 360);
        top += 420;
    }
    // ＥＮＤ unloads the panel and hides it again, which creates it anew, hidden.
    addButton(form18::kEndButton, "ＥＮＤ", 4200, 2760, 1560, 480, [] {
        ScreenRegistry::instance().unload(form18::kForm);
        screens::hide(form18::kForm);
    });
}

void Form18::formLoad() {
    static_assert(std::size(kReferenceTexts) <= std::size(form18::kLineLabels));
    for (std::size_t line = 0; line < std::size(kReferenceTexts); ++line)
        setTextOf(form18::kLineLabels[line], kReferenceTexts[line]);
}

}  // namespace nencho
