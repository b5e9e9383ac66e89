#include "yearend/ui/form4.h"

#include <QLineEdit>

#include "yearend/ui/form4_boxes.h"
#include "yearend/ui/form4_controls.h"

namespace nencho {

using namespace form4;

Form4::Form4() : WorkScreen(kForm, kYearBox) {
    setWindowTitle("保険等");
    setDesignSize(12240, 8280);
    buildLifeFrame();
    buildCasualtyFrame();
    buildEntryStrip();
    buildButtons();
    addHiddenText(kCompanyBox);
    addHiddenText(kPersonBox);
    // Until the boxes are cleared or loaded each holds one full-width space.
    for (int number : clearedBoxes()) setTextIn(numberedBox(number), QStringLiteral("\u3000"));
    connectActions();
}

}  // namespace nencho
