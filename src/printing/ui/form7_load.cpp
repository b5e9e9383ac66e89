// The print screen's data load (データ呼出), its notes load (特記事項呼出) and its clear.

#include "common/amount.h"
#include "common/keys.h"
#include "platform/record_error.h"
#include "platform/ui/dialogs.h"
#include "printing/print_data_load.h"
#include "printing/ui/form7.h"
#include "printing/ui/form7_controls.h"

namespace nencho {

using namespace form7;

namespace {

const char* const kClearedLabels[] = {kOwnConditionLabel,
                                      kHusbandLabel,
                                      kJoiningOrLeavingLabel,
                                      kForeignerLabel,
                                      kMinorLabel,
                                      kSecondaryColumnLabel,
                                      kRetiredByDeathLabel,
                                      kDisasterVictimLabel,
                                      kSpouseMarkLabel,
                                      kPositionLabel,
                                      kPayKindLabel,
                                      kPayInAllLabel,
                                      kEmploymentIncomeLabel,
                                      kDeductionsInAllLabel,
                                      kAnnualTaxLabel,
                                      kSpouseSpecialDeductionLabel,
                                      kSocialInsuranceLabel,
                                      kMutualAidLabel,
                                      kLifeInsuranceLabel,
                                      kCasualtyLabel,
                                      kBalanceLabel,
                                      kOtherDependantsCountLabel,
                                      kBirthDateLabel};

}  // namespace

// A code box read as a whole number of the 16-bit range; none when it holds no such number.
std::optional<std::int32_t> Form7::codeIn(const char* box) const {
    return readSmallNumber(textOf(box).toStdString());
}

// Loads the person in the code boxes afresh and shows them. Boxes without codes (no person
// chosen yet) change nothing.
void Form7::load() {
    const auto company = codeIn(kCompanyBox);
    const auto person = codeIn(kPersonBox);
    if (!company || !person) return;
    const PrintDataLoad outcome =
        loadPrintData(data_, workingYear().toStdString(), *company, *person);
    clearDisplay();
    setTextOf(kNameBox, QString::fromStdString(data_.personName));
    press(kDisplayButton);
    showNotes();
    if (!outcome.loaded) {
        showMessage(QString::fromStdString(outcome.refusal), "データ呼出",
                    MessageIcon::Exclamation);
    } else if (!outcome.damagedRecords.empty()) {
        QString text = "次の記録を読めませんでした。印刷する前に確かめてください。";
        for (const std::string& record : outcome.damagedRecords)
            text += "\n" + QString::fromStdString(record);
        showMessage(text, "データ呼出", MessageIcon::Exclamation);
    }
}

// Reads the notes of the person in the code boxes again. A person without notes has none.
void Form7::loadNotes() {
    const auto key = typedPersonKey(textOf(kCompanyBox).toStdString(),
                                    textOf(kPersonBox).toStdString(), CodeRange::Own);
    if (!key) return;
    try {
        data_.noteLines = loadNoteLines(workingYear().toStdString(), *key);
    } catch (const RecordError&) {
        // The load just before said that this record cannot be read.
        data_.noteLines = {};
    }
    showNotes();
}

void Form7::showNotes() {
    setTextOf(kNoteLine1Label, QString::fromStdString(data_.noteLines[1]));
    setTextOf(kNoteLine2Label, QString::fromStdString(data_.noteLines[2]));
}

// The screen clear: the summary's labels, the name, and the notes with their labels.
void Form7::clearScreen() {
    clearDisplay();
    data_.noteLines = {};
    showNotes();
}

void Form7::clearDisplay() {
    for (const char* label : kClearedLabels) setTextOf(label, {});
    setTextOf(kNameBox, {});
}

}  // namespace nencho
