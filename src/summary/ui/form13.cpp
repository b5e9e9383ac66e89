#include "summary/ui/form13.h"

namespace nencho {

Form13::Form13() : WorkScreen("Form13", "Text10") {
    setWindowTitle("集計表");
    addHiddenText("Text161");
    addHiddenText("Text162");
    addHiddenText("Text4");
    addHiddenButton("Command5", "集計");
}

}  // namespace nencho
