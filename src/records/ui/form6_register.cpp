// Registration of the person on the screen, the notes store and load, and the search for the
// first free person code.
#include <QRadioButton>
#include <limits>

#include "common/amount.h"
#include "common/keys.h"
#include "ledger/ui/form2_controls.h"
#include "platform/file_system.h"
#include "platform/record_error.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/screens.h"
#include "platform/ui/texts.h"
#include "records/maintenance.h"
#include "records/notes_file.h"
#include "records/person_search.h"
#include "records/ui/form6.h"
#include "records/ui/form6_controls.h"
#include "yearend/spouse_housing_file.h"
#include "yearend/ui/form4_controls.h"

namespace nencho {

namespace {

const QString kNoCompanyTitle =
    "登録された会社を選択してください。または会社登録を先に実行してください。";
const QString kRegistrationTitle = "個人登録";
const QString kNotesTitle = "特記事項登録";

// The person key of two boxes' codes, with room for its year file numbers.
std::optional<std::int32_t> keyWithYearFiles(std::int32_t company, std::int32_t person) {
    const auto key = personKey(company, person);
    if (!key || !yearFileNumber(*key, YearFileKind::SpouseHousing)) return std::nullopt;
    return key;
}

}  // namespace

void Form6::registerPerson() {
    const auto person = parseAmount(stdText(textOf(form6::kPersonCodeBox)));
    if (!person) {
        registerWithoutCode();
        return;
    }
    if (!isOwnPersonCode(*person)) {
        showMessage("個人コードは 1 から 99 までの番号で入力してください。", kRegistrationTitle,
                    MessageIcon::Exclamation);
        return;
    }
    const auto company = parseAmount(stdText(textOf(form6::kCompanyBox)));
    const auto key = company ? keyWithYearFiles(*company, *person) : std::nullopt;
    if (!key) {
        showMessage(company ? qs(companyCodeTooLarge()) : "会社を選んでから個人登録してください",
                    kNoCompanyTitle, MessageIcon::Exclamation);
        return;
    }
    entry_.personCode = *person;
    entry_.companyCode = *company;
    entry_.personKey = *key;
    takeEntryFromBoxes();
    int leftovers = 0;
    try {
        (void)PersonFile::record(entry_).bytes();  // refuses unstorable text before any change
        const std::string year = stdText(workingYear());
        ensureDataTree(year);
        // A new person takes over nothing that another left at his code.
        if (!year.empty()) leftovers = removeLeftoversBeforeRegistration(year, *company, *person);
        PersonFile::createNew(entry_);
    } catch (const RecordError& error) {
        if (error.kind() == FileErrorKind::FileAlreadyExists)
            rewriteExistingPerson(error.what());
        else
            showMessage(qs(error.what()), kRegistrationTitle, MessageIcon::Critical);
        return;
    } catch (const Failure& error) {
        showMessage(qs(error.what()), kRegistrationTitle, MessageIcon::Exclamation);
        return;
    }
    if (leftovers > 0)
        showMessage(QString("個人コード %1 に残っていた以前の個人のデータ（ファイル %2 個）を"
                            "削除してから登録しました。")
                        .arg(*person)
                        .arg(leftovers),
                    kRegistrationTitle, MessageIcon::Information);
    finishNewPerson();
}

void Form6::takeEntryFromBoxes() {
    entry_.reading = stdText(textOf(form6::kReadingBox));
    entry_.name = stdText(textOf(form6::kNameBox));
    entry_.upperAddress = stdText(textOf(form6::kAddressUpperBox));
    entry_.lowerAddress = stdText(textOf(form6::kAddressLowerBox));
    entry_.position = stdText(textOf(form6::kPositionBox));
    entry_.birthYear = readAmountOrZero(stdText(textOf(form6::kBirthYearBox)));
    entry_.birthMonth = readAmountOrZero(stdText(textOf(form6::kBirthMonthBox)));
    entry_.birthDay = readAmountOrZero(stdText(textOf(form6::kBirthDayBox)));
    if (control<QRadioButton>(form6::kShowaOption)->isChecked()) entry_.birthEra = "昭和";
    entry_.status(PersonStatus::ChangeYear) = stdText(textOf(form6::kEraYearBox));
    entry_.status(PersonStatus::ChangeMonth) = stdText(textOf(form6::kChangeMonthBox));
    entry_.status(PersonStatus::ChangeDay) = stdText(textOf(form6::kChangeDayBox));
}

void Form6::finishNewPerson() {
    select(form6::kNoPositionOption);
    select(form6::kNoOwnConditionOption);
    select(form6::kNoChangeOption);
    press(form6::kNotesStoreButton);
    screens::press(form2::kForm, form2::kDisplayClearButton);
    screens::press(form4::kForm, form4::kClearButton);
    screens::press(form5::kForm, form5::kClearButton);
    press(form6::kClearButton);
    dialogs().beep();
    press(form6::kLastNumberButton);
    enterNextPerson();
}

void Form6::rewriteExistingPerson(const std::string& existsDescription) {
    showMessage(qs(existsDescription), "同じコード名があります", MessageIcon::Exclamation);
    if (dialogs().messageBox({}, "書き換えますか", MessageIcon::Question,
                             MessageButtons::OkCancel) == MessageAnswer::Cancel)
        return;
    try {
        PersonFile::overwrite(entry_);
    } catch (const RecordError& error) {
        showMessage(qs(error.what()), kRegistrationTitle, MessageIcon::Critical);
        return;
    }
    select(form6::kNoOwnConditionOption);
    select(form6::kNoChangeOption);
    press(form6::kNotesStoreButton);
    press(form6::kClearButton);
    press(form6::kLastNumberSearchButton);
    setTextOf(form6::kPersonCodeBox,
              qs(decimal(std::int64_t{entry_.personKey} - std::int64_t{entry_.companyCode} * 100)));
    dialogs().beep();
    press(form6::kPartialClearButton);
    enterNextPerson();
}

// No usable person code: nothing is written, and the first free code is offered instead.
void Form6::registerWithoutCode() {
    press(form6::kLastNumberSearchButton);
    setTextOf(form6::kPersonCodeBox,
              qs(decimal(std::int64_t{entry_.personKey} - std::int64_t{entry_.companyCode} * 100)));
    dialogs().beep();
    press(form6::kPartialClearButton);
    enterNextPerson();
}

void Form6::storeNotes() {
    const auto person = parseAmount(stdText(textOf(form6::kPersonCodeBox)));
    const auto company = parseAmount(stdText(textOf(form6::kCompanyBox)));
    const auto key = person && company ? keyWithYearFiles(*company, *person) : std::nullopt;
    if (!key) {
        showMessage(!company ? "会社を選んでから特記事項を登録してください"
                    : !person
                        ? qs(codeBoxRefusal("個人コード", stdText(textOf(form6::kPersonCodeBox))))
                        : qs(companyCodeTooLarge()),
                    kNotesTitle, MessageIcon::Exclamation);
        return;
    }
    try {
        const std::string year = stdText(workingYear());
        NotesFile::save(
            year, *key,
            {stdText(textOf(form6::kNotesLine1Box)), stdText(textOf(form6::kNotesLine2Box))});
        SpouseHousingFile::saveZerosIfMissing(year, *key);
    } catch (const RecordError& error) {
        showMessage(qs(error.what()), kNotesTitle, MessageIcon::Exclamation);
    }
}

// A person without notes in the year keeps the boxes as they are; the load empties them first.
void Form6::loadNotes() {
    const auto key =
        typedPersonKey(stdText(textOf(form6::kCompanyBox)), stdText(textOf(form6::kPersonCodeBox)));
    if (!key) return;
    try {
        const NotesLines lines = NotesFile::load(stdText(workingYear()), *key);
        setTextOf(form6::kNotesLine1Box, qs(lines.first));
        setTextOf(form6::kNotesLine2Box, qs(lines.second));
    } catch (const RecordError&) {
    }
}

void Form6::searchLastNumber() {
    const auto company = parseAmount(stdText(textOf(form6::kCompanyBox)));
    const LastNumberResult result = lastNumberSearch(company);
    entry_.personCode = static_cast<std::int32_t>(
        std::min<std::int64_t>(result.personCode, std::numeric_limits<std::int32_t>::max()));
    if (company) entry_.companyCode = *company;
    if (result.personKey) entry_.personKey = *result.personKey;
    if (result.lastStoredCode)
        setTextOf(form6::kLastStoredCodeBox, qs(decimal(*result.lastStoredCode)));
}

void Form6::showLastNumber() {
    press(form6::kLastNumberSearchButton);
    setTextOf(form6::kPersonCodeBox, qs(decimal(entry_.personCode)));
}

}  // namespace nencho
