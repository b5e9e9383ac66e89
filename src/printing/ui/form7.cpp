#include "printing/ui/form7.h"

#include <QCloseEvent>

#include "platform/ui/action_guard.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/program.h"
#include "printing/ui/form7_controls.h"

namespace nencho {

using namespace form7;

Form7::Form7() : WorkScreen(kForm, kYearBox) {
    setWindowTitle("年末調整印刷");
    setDesignSize(9945, 7635);
    buildSummary();
    buildConditionsAndNotes();
    buildStatementFrame();
    buildButtons();
    buildHiddenControls();

    onPress(kDisplayButton, [this] { display(); });
    onPress(kWithSpouseButton, [this] { spouseStep(true); });
    onPress(kWithoutSpouseButton, [this] { spouseStep(false); });
    onPress(kClearButton, [this] { clearScreen(); });
    onPress(kLoadButton, [this] { load(); });
    onPress(kNotesButton, [this] { loadNotes(); });
    onPress(kShiftClearButton, [this] {
        setTextOf(kShiftRightBox, {});
        setTextOf(kShiftDownBox, {});
    });
    onPress(kNextPersonButton, [this] { stepPerson(+1); });
    onPress(kPreviousPersonButton, [this] { stepPerson(-1); });
    onPress(kBackToMenuButton, [this] { backToMenu(); });
    onPress(kBatchButton, [this] { handOverToBatch(); });
    onPress(kEndButton, [this] { endFromButton(); });
    connectPrintouts();
}

void Form7::endFromButton() {
    dialogs().beep();
    endProgram();
}

// Closing from the close box or the system menu ends the program; any other close passes.
void Form7::closeEvent(QCloseEvent* event) {
    if (!event->spontaneous()) return;
    event->ignore();
    runHandlerGuarded(windowTitle(), [] {
        dialogs().beep();
        endProgram();
    });
}

}  // namespace nencho
