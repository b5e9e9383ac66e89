#include "batch/ui/form17.h"

#include "batch/ui/form17_controls.h"

namespace nencho {

using namespace form17;

Form17::Form17() : WorkScreen(kForm, kYearBox) {
    setWindowTitle("全員の印刷");
    setDesignSize(9210, 4470);
    buildAllPersonsFrame();
    buildRangeFrame();
    buildHiddenControls();

    struct RunButtons {
        const char* all;
        const char* range;
        const char* document;
        BatchDocument kind;
    };
    for (const RunButtons& b :
         {RunButtons{kAllStatementsButton, kRangeStatementsButton, kStatementButton,
                     BatchDocument::Statement},
          RunButtons{kAllLedgersButton, kRangeLedgersButton, kLedgerButton, BatchDocument::Ledger},
          RunButtons{kAllDependantsButton, kRangeDependantsButton, kDependantsButton,
                     BatchDocument::DependantsDeclaration},
          RunButtons{kAllInsuranceButton, kRangeInsuranceButton, kInsuranceButton,
                     BatchDocument::InsuranceDeclaration}}) {
        const BatchDocument kind = b.kind;
        onPress(b.all, [this, kind] { runAllPersons(kind); });
        onPress(b.range, [this, kind] { runRange(kind); });
        onPress(b.document, [this, kind] { printLoaded(kind); });
    }
    onPress(kLoadButton, [this] { load(); });
    onPress(kProbeButton, [this] { probe(); });
    onPress(kRangeClearButton, [this] {
        setTextOf(kFirstCodeBox, {});
        setTextOf(kLastCodeRangeBox, {});
    });
    onPress(kSameCodeButton, [this] { copyFirstCode(); });
    onPress(kEndButton, [this] { end(); });
}

}  // namespace nencho
