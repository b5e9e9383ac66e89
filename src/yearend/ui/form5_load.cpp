// データ呼出, 前年度データ取込 and 表示: the sheet restored from the person's records.
#include "common/failure.h"
#include "platform/record_error.h"
#include "platform/ui/texts.h"
#include "records/person_file.h"
#include "yearend/dependants_file.h"
#include "yearend/ui/form5.h"
#include "yearend/ui/form5_controls.h"

namespace nencho {

using namespace form5;

// The person's record of the working year, shown on the cleared sheet and computed again,
// which rewrites it. A person without a record keeps the cleared sheet and gets no record
// until a computation.
void Form5::load() {
    clearSheet();
    const auto key = personKeyFromBoxes();
    if (!key) return;
    const auto person = readPerson(*key);
    if (!person) return;
    showLoadedOwnCondition(*person);
    // A damaged record is told and left as it is: nothing is computed or stored.
    const auto record = DependantsFile::load(workingYear().toStdString(), *key);
    if (!record) return;
    const std::array<bool, 2> shownMarks{!textOf(kPersonMarks[0].button).isEmpty(),
                                         !textOf(kPersonMarks[1].button).isEmpty()};
    showRecord(*record, restoredConditions(*record, shownMarks));
    compute();
}

// The record of the year before the working year, shown on the cleared sheet; nothing is
// computed or stored until 計算実行.
void Form5::importPreviousYear() {
    const auto key = personKeyFromBoxes();
    if (!key) throw Failure("会社と個人が選ばれていません。");
    const auto previousYear = previousTaxYearCode(workingYear().toStdString());
    if (!previousYear) throw Failure("前年度がありません。");
    const auto person = readPerson(*key);
    if (!person) return;
    const auto record = DependantsFile::load(*previousYear, *key);
    if (!record) throw Failure(*previousYear + " の扶養控除等のデータがありません。");
    clearSheet();
    showLoadedOwnCondition(*person);
    const std::array<bool, 2> shownMarks{!textOf(kPersonMarks[0].button).isEmpty(),
                                         !textOf(kPersonMarks[1].button).isEmpty()};
    showRecord(*record, importedConditions(*record, shownMarks));
}

// The person's own condition from the person record: the choice, its word and its marks.
// The marks count once a load restores them or the user presses them.
void Form5::showOwnConditions() {
    setTextOf(kOwnConditionBox, "");
    const auto key = personKeyFromBoxes();
    if (!key) return;
    const auto person = readPerson(*key);
    if (!person) return;
    const auto display = displayedOwnCondition(*person);
    if (!display) return;
    switchOn(*display->choice);
    setTextOf(kOwnConditionBox, qs(display->word));
    for (std::size_t i = 0; i < kPersonMarks.size(); ++i)
        setTextOf(kPersonMarks[i].button, display->marks[i] ? kMark : "");
}

// None when the person has no record, which ends the action. A record the sheet cannot read
// shows no own condition; the person screen is where it is read and mended.
std::optional<PersonEntry> Form5::readPerson(std::int32_t key) {
    try {
        return PersonFile::load(key);
    } catch (const RecordError& error) {
        if (error.isMissingFile()) return std::nullopt;
        return PersonEntry{};
    }
}

void Form5::showLoadedOwnCondition(const PersonEntry& person) {
    for (const GridMark& mark : kPersonMarks) setTextOf(mark.button, "");
    const auto display = loadedOwnCondition(person);
    if (!display) return;
    setTextOf(kOwnConditionBox, qs(display->word));
    for (std::size_t i = 0; i < kPersonMarks.size(); ++i)
        setTextOf(kPersonMarks[i].button, display->marks[i] ? kMark : "");
}

void Form5::showRecord(const DependantsRecord& record, const RestoredConditions& restored) {
    for (const auto& stored : kSpouseStoredBoxes)
        setTextOf(kSpouseRow.*stored.box, qs(record.spouse.*stored.field));
    for (std::size_t i = 0; i < kDependantTableRows.size(); ++i) {
        const TableRow& row = kDependantTableRows[i];
        const DependantRow& dependant = record.dependants[i];
        for (const auto& stored : kDependantStoredBoxes)
            setTextOf(row.*stored.box, qs(dependant.*stored.field));
        setTextOf(row.markerButton, qs(dependant.marker));
    }
    const auto typed = typedCounts(record);
    const auto totals = rowTotals(record);
    for (std::size_t i = 0; i < kGridRows.size(); ++i) {
        showAmount(kGridRows[i].typedCount, typed[i]);
        showAmount(kGridRows[i].total, totals[i]);
    }
    showAmount(kDependantsCountBox, record.dependantsInAll);
    showTotal(record.totalDeduction);
    showAmount(kSpouseRow.annualIncome, record.spouseAnnualIncome);
    showRestoredChoices(record, restored);
    showRestoredMarks(restored);
}

// The stored amounts are kept: the options are shown on without their actions.
void Form5::showRestoredChoices(const DependantsRecord& record,
                                const RestoredConditions& restored) {
    person_ = restored.person;
    spouse_ = restored.spouse;
    if (restored.personChoice)
        showOptionOn(kPersonOptions[static_cast<std::size_t>(*restored.personChoice)]);
    showPersonOptionCaptions(restored.personChoice);
    if (restored.spouseChoice)
        showOptionOn(kSpouseOptions[static_cast<std::size_t>(*restored.spouseChoice)]);
    const bool elderlySpouse =
        record.spouse.marker == "老人" || restored.spouseChoice == SpouseCondition::Elderly;
    setTextOf(kSpouseRow.markerButton, qs(record.spouse.marker));
    if (elderlySpouse) {
        setTextOf(kSpouseRow.markerButton, "老人");
        setTextOf(kSpouseConditionButton, "老人扶養");
    }
}

void Form5::showRestoredMarks(const RestoredConditions& restored) {
    const ConditionMatrix& matrix = restored.matrix;
    for (std::size_t i = 0; i < kPersonMarks.size(); ++i) {
        const GridMark& mark = kPersonMarks[i];
        if (matrix.personMarked[i]) setTextOf(mark.button, kMark);
        setTextOf(mark.flag, matrix.personMarked[i] ? "1" : "0");
    }
    for (std::size_t i = 0; i < kSpouseMarks.size(); ++i) {
        const GridMark& mark = kSpouseMarks[i];
        setTextOf(mark.button, matrix.spouseMarked[i] ? kMark : "");
        setTextOf(mark.flag, matrix.spouseMarked[i] ? "1" : "0");
        setTextOf(kGridRows[i].restoreFlag, matrix.spouseRestored[i] ? "1" : "0");
    }
}

}  // namespace nencho
