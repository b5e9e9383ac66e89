#include "yearend/ui/form16.h"

namespace nencho {

Form16::Form16() : WorkScreen("Form16", "Text85") {
    setWindowTitle("配偶者特別控除・住宅取得控除");
    addHiddenText("Text161");
    addHiddenText("Text162");
    addHiddenButton("Command10", "クリア");
    addHiddenButton("Command5", "DATA");
}

}  // namespace nencho
