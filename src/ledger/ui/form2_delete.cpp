// The ledger deletion (データ削除): the person's ledger of the year is rewritten with zeros by
// running the ledger's own entry steps with empty input. Every record the run rewrites (the
// ledger, January's pay record and the insurance and dependants records its saves recompute)
// is kept first as one piece of work, which the run's calculations and saves join, so that a run
// that stops half-way puts them all back as they were.
#include "common/keys.h"
#include "common/paths.h"
#include "ledger/ledger_file.h"
#include "ledger/ui/form2.h"
#include "ledger/ui/form2_controls.h"
#include "platform/record_error.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/reported_action.h"
#include "platform/ui/screens.h"
#include "withholding/monthly_pay_record.h"
#include "withholding/ui/form8_controls.h"
#include "withholding/ui/form9_controls.h"

namespace nencho {

using namespace form2;

namespace {

const QString kTitle = QStringLiteral("源泉徴収簿データ削除");
const PieceWords kNotDeleted{QStringLiteral("源泉徴収簿のデータは削除されていません。"),
                             QStringLiteral("元のデータのままです。")};

// What January's automatic calculation of an empty pay stores.
bool holdsZeroJanuary(const std::string& recordPath) {
    try {
        const MonthlyPayRecord record = loadMonthlyPayRecord(recordPath);
        return record == MonthlyPayRecord{1, 0, 0, 0, 0, 0, 0, 0};
    } catch (const RecordError&) {
        return false;
    }
}

// The files a deletion rewrites: the records of each save and January's pay record.
struct RewrittenFiles {
    std::vector<std::string> all;
    std::string januaryRecord;
};

std::optional<RewrittenFiles> rewrittenFiles(const std::string& year, const LedgerOwner& owner) {
    const auto key = personKey(owner.companyCode, owner.personCode);
    if (!key) return std::nullopt;
    auto saved = ledgerSaveRecords(year, *key);
    const auto january = monthlyPayRecordPath(year, *key, 1);
    if (!saved || !january) return std::nullopt;
    saved->push_back(*january);
    return RewrittenFiles{*saved, *january};
}

}  // namespace

void Form2::deleteLedger() {
    const auto owner = codesFromBoxes();
    if (!isLedgerPerson(owner, kTitle)) return;
    if (!confirm("本当に源泉徴収簿のデータを削除しますか ？", kTitle, MessageIcon::Question))
        return;
    press(kYearButton);  // the year the hand-off of January takes, and every save after it
    const auto files = rewrittenFiles(workingYear().toStdString(), *owner);
    if (!files) {
        showMessage(QString::fromStdString(companyCodeTooLarge()), kTitle,
                    MessageIcon::Exclamation);
        return;
    }
    // One message under the deletion's title tells of any step that failed: the run ends as one
    // piece of work, all deleted or all as before.
    runReported(kTitle, [&] {
        const SaveTally before = saveTally_;
        bool ran = false;
        const PieceEnd end = runPieceOfWork(files->all, kNotDeleted, [&] {
            ran = true;
            dialogs().beep();
            return runDeletion(files->januaryRecord);
        });
        const bool fed = saveTally_.written + saveTally_.failed > before.written + before.failed;
        if (ran && end != PieceEnd::Stands) showPutBack(end == PieceEnd::PutBack, fed);
    });
}

// Empties the grid, computes January from no pay, copies January forward and enters each bonus
// by hand with nothing typed. False at the first step that did not store what it should.
bool Form2::runDeletion(const std::string& januaryRecordPath) {
    press(kDisplayClearButton);
    press(monthComputeButton(1));
    // The calculation saves after its month totals and once more; with "５人以上" it asks for
    // the number of dependants, and a cancelled question stores nothing.
    if (!endsInSaves(2, [] { screens::press(form8::kForm, form8::kWithoutNursingCareButton); }))
        return false;
    if (!holdsZeroJanuary(januaryRecordPath)) return false;
    if (!endsInSaves(2, [this] { press(copyButton(1)); })) return false;
    for (int bonus = 1; bonus <= kBonusCount; ++bonus) {
        press(bonusComputeButton(bonus));
        if (!endsInSaves(1, [] { screens::press(form9::kForm, form9::kManualEntryButton); }))
            return false;
    }
    return true;
}

bool Form2::endsInSaves(int saves, const std::function<void()>& step) {
    const SaveTally before = saveTally_;
    step();
    return saveTally_.failed == before.failed && saveTally_.written == before.written + saves;
}

// The files are back as they were, or are to be put back: the calculation screens go, and the
// ledger shows the files again once they are back. When the run's saves had fed the year-end
// screens, those take up the put-back records again, as the main menu opens them.
void Form2::showPutBack(bool recordsBack, bool fed) {
    screens::hide(form8::kForm);
    screens::hide(form9::kForm);
    if (!recordsBack) return;
    press(kLoadButton);
    if (fed) takeUpFedRecordsAgain();
}

}  // namespace nencho
