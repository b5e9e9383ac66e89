#include "yearend/ui/form5.h"

#include "common/amount.h"
#include "common/keys.h"
#include "platform/ui/reported_action.h"
#include "yearend/ui/form5_controls.h"

namespace nencho {

using namespace form5;

Form5::Form5() : WorkScreen(kForm, kYearBox) {
    setWindowTitle("扶養控除等");
    setDesignSize(12640, 6600);
    buildTable();
    buildFrames();
    buildGrid();
    buildRightColumn();
    buildHiddenControls();
    connectOptions();
    connectMarks();
    connectResets();
    // A failure ends the action and is told under its title, or under the title of the action
    // of another screen that pressed it.
    onPress(kComputeButton, [this] { runReported("計算実行", [this] { compute(); }); });
    onPress(kLoadButton, [this] { runReported("データ呼出", [this] { load(); }); });
    onPress(kImportButton,
            [this] { runReported("前年度データ取込", [this] { importPreviousYear(); }); });
    onPress(kOwnConditionsButton, [this] { runReported("表示", [this] { showOwnConditions(); }); });
}

std::optional<std::int32_t> Form5::personKeyFromBoxes() const {
    return typedPersonKey(textOf(kCompanyBox).toStdString(), textOf(kPersonBox).toStdString());
}

}  // namespace nencho
