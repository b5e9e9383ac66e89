#include "batch/ui/form17.h"

#include "batch/ui/form17_controls.h"

namespace nencho {

using namespace form17;

Form17::Form17() : Screen("Form17") {
    setWindowTitle("一括印刷");
    // The carriers the print screen hands the working year and the person over in.
    addHiddenText(kYearBox);
    addHiddenText(kCompanyBox);
    addHiddenText(kPersonBox);
    addHiddenButton(kYearButton, "年");
    addHiddenButton(kLoadButton, "データ呼出");
}

}  // namespace nencho
