// The ledger's load (データ呼出) and save (登録実行).
#include "common/keys.h"
#include "ledger/ledger_file.h"
#include "ledger/ledger_grid.h"
#include "ledger/ledger_totals.h"
#include "ledger/ui/form2.h"
#include "ledger/ui/form2_controls.h"
#include "platform/record_error.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/reported_action.h"
#include "platform/ui/reported_piece.h"

namespace nencho {

using namespace form2;

namespace {

const QString kSaveFailureTitle = QStringLiteral("メモリー不足により登録不可");
const QString kLoadFailureTitle = QStringLiteral("データ呼出");
const PieceWords kNotSaved{QStringLiteral("源泉徴収簿を保存できませんでした。")};

}  // namespace

LedgerSheet& Form2::sheet() {
    return table_.sheet(owner_.value());
}

// Shows the ledger of the person in the code boxes. A person without a ledger of the working
// year gets an empty one, shown as an empty grid, and the year-end screen gets zeros, so that
// nothing of the person shown before stays.
void Form2::load() {
    const auto owner = codesFromBoxes();
    if (!owner || !isLedgerPerson(owner, kLoadFailureTitle)) {
        // No person of the company named: nothing of the person shown before stays, and
        // nothing is saved until a person is loaded.
        closeFormerHandOffs();
        owner_.reset();
        press(kDisplayClearButton);
        return;
    }
    if (owner_ != owner) closeFormerHandOffs();
    owner_ = *owner;
    overflowReported_ = false;
    std::optional<QString> damage;
    {
        stageGrid();
        struct OnScreen {
            Form2* screen;
            ~OnScreen() { screen->putStagedGridOnScreen(); }
        } onScreen{this};
        press(kDisplayClearButton);
        table_.reset(*owner_);

        const auto path = ledgerFilePath(workingYear().toStdString(), *owner_);
        try {
            if (!path) fail(FileErrorKind::Overflow);
            const LedgerRecord record = readLedgerFile(*path);
            sheet() = record.sheet;
            fillGrid(record);
        } catch (const RecordError& error) {
            if (!error.isMissingFile()) damage = QString::fromUtf8(error.what());
        }
    }
    // A damaged file is said so, over the emptied grid; it stays as it is until the next save
    // replaces it.
    if (damage) showMessage(*damage, kLoadFailureTitle, MessageIcon::Exclamation);
    feedLoadedTotals();
}

// The grid as the load shows a record: amounts in "#,###", the dependants of the month and
// bonus rows as plain digits ("0" too), the dates as stored, tax again beside the tax.
void Form2::fillGrid(const LedgerRecord& record) {
    for (int index = 1; index <= 12; ++index)
        setBox(payDateBox(index), QString::fromStdString(record.payDates[index - 1]));
    for (LedgerColumn column :
         {LedgerColumn::Pay, LedgerColumn::SocialInsurance, LedgerColumn::AfterInsurance}) {
        for (int row = 1; row <= kLedgerRows; ++row)
            showAmount(ledgerBox(row, column), record.sheet.cell(row, column));
    }
    for (int row = 1; row <= kLastBonusRow; ++row) {
        if (row == kMonthTotalRow) continue;
        setBox(ledgerBox(row, LedgerColumn::Dependants),
               QString::number(record.sheet.cell(row, LedgerColumn::Dependants)));
    }
    for (int row = 1; row <= kLedgerRows; ++row)
        showAmount(ledgerBox(row, LedgerColumn::Tax), record.sheet.cell(row, LedgerColumn::Tax));
    for (int row = 1; row <= kLedgerRows; ++row)
        showAmount(ledgerRowBoxes(row).taxAgain, record.sheet.cell(row, LedgerColumn::Tax));
    for (int index = 13; index <= kPayDateTextCount; ++index)
        setBox(payDateBox(index), QString::fromStdString(record.payDates[index - 1]));
}

PayDateTexts Form2::payDatesFromBoxes() const {
    PayDateTexts texts;
    for (int index = 1; index <= kPayDateTextCount; ++index)
        texts[index - 1] = box(payDateBox(index)).toStdString();
    return texts;
}

// Grand totals, the feed into the year-end screens, then the ledger file of the person whose
// sheet this is. A refused or failed step ends the save with a message; a record that a fed
// screen could not store is told in the same message, once.
void Form2::save() {
    runReported(kSaveFailureTitle, [this] { saveLedger(); });
}

void Form2::saveLedger() {
    if (!owner_) {
        ++saveTally_.failed;
        showMessage("会社と個人が選ばれていないため、源泉徴収簿を保存できません。",
                    kSaveFailureTitle, MessageIcon::Exclamation);
        return;
    }
    const PayDateTexts payDates = payDatesFromBoxes();
    if (overflowReported_) {  // the totals or save just before were refused and said so
        overflowReported_ = false;
        ++saveTally_.failed;
        return;
    }
    if (!grandTotals()) {
        ++saveTally_.failed;
        return;
    }
    // The ledger and the records its feed rewrites change as one piece of work: a failed write
    // puts all three back, and a save cut short leaves the next start to do so. A person whose
    // records no number names saves nothing, and the ledger's write tells why.
    bool written = false;
    const auto change = [&] {
        feedSavedTotals();
        written = writeLedgerFile({sheet(), payDates});
        return true;  // a refused write puts the piece back; what else failed was told
    };
    const auto key = personKey(owner_->companyCode, owner_->personCode);
    const auto records = key ? ledgerSaveRecords(workingYear().toStdString(), *key) : std::nullopt;
    const bool stands =
        records ? runPieceOfWork(*records, kNotSaved, change) == PieceEnd::Stands : change();
    ++(written && stands ? saveTally_.written : saveTally_.failed);
}

bool Form2::writeLedgerFile(const LedgerRecord& record) {
    try {
        const auto path = ledgerFilePath(workingYear().toStdString(), *owner_);
        if (!path) fail(FileErrorKind::Overflow);
        ledgerFileWriter(record).save(*path);
        return true;
    } catch (const RecordError& error) {
        reportFailure(QString::fromUtf8(error.what()));
        return false;
    }
}

}  // namespace nencho
