// The company screen's actions: clear, load, DATA, prefill and registration.
#include "common/amount.h"
#include "common/keys.h"
#include "common/paths.h"
#include "platform/file_system.h"
#include "platform/record_error.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/screens.h"
#include "records/ui/form11.h"
#include "records/ui/form11_controls.h"

namespace nencho {

namespace {

const char* const kRegistrationTitle = "会社登録";
const char* const kLoadTitle = "会社呼出";
const char* const kPrefillTitle = "法人税ファイルより呼出";
const char* const kNoCompanyTitle =
    "登録された会社を選択してください。または会社登録を先に実行してください。";

// The texts the older layout shares with the CompanyFile, and their boxes.
struct TextBox {
    const char* box;
    std::string LegacyCompanyLayout::*field;
};
const TextBox kTextBoxes[] = {
    {form11::kReadingBox, &LegacyCompanyLayout::reading},
    {form11::kNameBox, &LegacyCompanyLayout::name},
    {form11::kTaxPlaceBox, &LegacyCompanyLayout::taxPlace},
    {form11::kRepresentativeReadingBox, &LegacyCompanyLayout::representativeReading},
    {form11::kRepresentativeAddressBox, &LegacyCompanyLayout::representativeAddress},
    {form11::kBusinessTypeBox, &LegacyCompanyLayout::businessType},
    {form11::kTaxOfficeBox, &LegacyCompanyLayout::taxOffice},
    {form11::kPhoneBox, &LegacyCompanyLayout::phone},
};

struct DateBoxes {
    const char* year;
    const char* month;
    const char* day;
    CompanyDate LegacyCompanyLayout::*field;
};
const DateBoxes kStartBoxes{form11::kStartYearBox, form11::kStartMonthBox, form11::kStartDayBox,
                            &LegacyCompanyLayout::businessYearStart};
const DateBoxes kEndBoxes{form11::kEndYearBox, form11::kEndMonthBox, form11::kEndDayBox,
                          &LegacyCompanyLayout::businessYearEnd};
const DateBoxes kSettlementBoxes{form11::kSettlementYearBox, form11::kSettlementMonthBox,
                                 form11::kSettlementDayBox, &LegacyCompanyLayout::settlement};

// What the clear empties: every value box but the start day, which keeps its last value.
const char* const kClearedBoxes[] = {form11::kCompanyCodeBox,
                                     form11::kCapitalBox,
                                     form11::kReadingBox,
                                     form11::kNameBox,
                                     form11::kTaxPlaceBox,
                                     form11::kRepresentativeReadingBox,
                                     form11::kRepresentativeNameBox,
                                     form11::kRepresentativeAddressBox,
                                     form11::kBusinessTypeBox,
                                     form11::kTaxOfficeBox,
                                     form11::kPhoneBox,
                                     form11::kStartYearBox,
                                     form11::kStartMonthBox,
                                     form11::kEndYearBox,
                                     form11::kEndMonthBox,
                                     form11::kEndDayBox,
                                     form11::kSettlementYearBox,
                                     form11::kSettlementMonthBox,
                                     form11::kSettlementDayBox};

QString digits(std::int64_t value) {
    return QString::fromStdString(decimal(value));
}

// The code in a box; a text that is no number, or a number beyond 32 bits, is refused in the
// same words as on every screen that reads a code.
std::int32_t codeIn(const QString& text) {
    const AmountReading code = readAmount(text.toStdString());
    if (!code.value)
        throw RecordError(code.outOfRange ? FileErrorKind::Overflow : FileErrorKind::TypeMismatch,
                          codeBoxRefusal(kCompanyCodeName, text.toStdString()));
    return *code.value;
}

void showFailure(const std::string& description, const char* title) {
    showMessage(QString::fromStdString(description), title, MessageIcon::Exclamation);
}

}  // namespace

void Form11::clearFields() {
    for (const char* box : kClearedBoxes) setTextOf(box, {});
}

void Form11::showValues(const LegacyCompanyLayout& values) {
    setTextOf(form11::kCompanyCodeBox, digits(values.code));
    setTextOf(form11::kCapitalBox, QString::fromStdString(capitalBoxText(values.capital)));
    for (const TextBox& text : kTextBoxes)
        setTextOf(text.box, QString::fromStdString(values.*text.field));
    for (const DateBoxes& boxes : {kStartBoxes, kEndBoxes, kSettlementBoxes}) {
        const CompanyDate& date = values.*boxes.field;
        setTextOf(boxes.year, digits(date.year));
        setTextOf(boxes.month, digits(date.month));
        setTextOf(boxes.day, digits(date.day));
    }
}

// A failed load empties the fields as the clear does and says why.
void Form11::loadCompany() {
    std::int32_t code = 0;
    try {
        code = codeIn(textOf(form11::kCompanyCodeBox));
        record_ = loadCompanyFile(code);
        showValues(record_);
        setTextOf(form11::kRepresentativeNameBox,
                  QString::fromStdString(record_.representativeName));
    } catch (const RecordError& error) {
        clearFields();
        showFailure(error.isMissingFile() ? unregisteredCompany(code) : error.what(), kLoadTitle);
    }
}

void Form11::loadMenuCompany() {
    std::int32_t code = 0;
    try {
        code = codeIn(textOf(form11::kMenuCompanyBox));
    } catch (const RecordError& error) {
        showFailure(error.what(), kNoCompanyTitle);
        return;
    }
    record_.code = code;
    setTextOf(form11::kCompanyCodeBox, digits(code));
    press(form11::kLoadButton);
}

// The prefill fills the boxes only once the whole file has been read, so a failure changes
// nothing but the code box. The representative's name, which that file lacks, stays.
void Form11::prefillFromCorporateTax() {
    std::int32_t code = 0;
    try {
        code = codeIn(textOf(form11::kCompanyCodeBox));
        showValues(loadLegacyCompanyFile(code));
    } catch (const RecordError& error) {
        setTextOf(form11::kCompanyCodeBox, {});
        // The file the clerk would look for, on the corporate-tax program's side.
        showFailure(error.isMissingFile()
                        ? "法人税のデータに会社コード " + decimal(code) + " の会社はありません\n" +
                              corporateTaxCompanyFilePath(code)
                        : error.what(),
                    kPrefillTitle);
    }
}

void Form11::setIndividualValues() {
    setTextOf(kStartBoxes.year, "13");
    setTextOf(kStartBoxes.month, "1");
    press(form11::kBusinessYearButton);
    setTextOf(form11::kCapitalBox, "0");
    setTextOf(kSettlementBoxes.year, "0");
    setTextOf(kSettlementBoxes.month, "0");
    setTextOf(kSettlementBoxes.day, "0");
}

// The business year runs from the start boxes to 31 December of the same year.
void Form11::takeBusinessYear() {
    record_.businessYearStart = {readAmountOrZero(textOf(kStartBoxes.year).toStdString()),
                                 readAmountOrZero(textOf(kStartBoxes.month).toStdString()),
                                 readAmountOrZero(textOf(kStartBoxes.day).toStdString())};
    record_.businessYearEnd = {record_.businessYearStart.year, 12, 31};
    setTextOf(kEndBoxes.year, digits(record_.businessYearEnd.year));
    setTextOf(kEndBoxes.month, digits(record_.businessYearEnd.month));
    setTextOf(kEndBoxes.day, digits(record_.businessYearEnd.day));
}

void Form11::takeBoxesIntoRecord(std::int32_t code) {
    auto number = [this](const char* box) { return readAmountOrZero(textOf(box).toStdString()); };
    record_.code = code;
    record_.capital = number(form11::kCapitalBox);
    for (const TextBox& text : kTextBoxes) record_.*text.field = textOf(text.box).toStdString();
    record_.representativeName = textOf(form11::kRepresentativeNameBox).toStdString();
    record_.settlement = {number(kSettlementBoxes.year), number(kSettlementBoxes.month),
                          number(kSettlementBoxes.day)};
}

bool Form11::confirmOverwrite(const std::string& path) {
    dialogs().messageBox(QString::fromStdString(describe(FileErrorKind::FileAlreadyExists, path)),
                         "同じコード名があります", MessageIcon::Exclamation, MessageButtons::Ok);
    return dialogs().messageBox({}, "書き換えますか", MessageIcon::Question,
                                MessageButtons::OkCancel) == MessageAnswer::Ok;
}

// Registration stores the company as an individual's: capital 0, business year Heisei 13
// from January to 31 December, no settlement date. It ends silently when it succeeds.
void Form11::registerCompany() {
    if (readAmount(textOf(form11::kCompanyCodeBox).toStdString()).outOfRange) {
        showFailure(codeBoxRefusal(kCompanyCodeName, textOf(form11::kCompanyCodeBox).toStdString()),
                    kRegistrationTitle);
        return;
    }
    const std::optional<std::int32_t> code =
        registrationCode(textOf(form11::kCompanyCodeBox).toStdString());
    if (!code) {
        showMessage("会社コードは 1 から 999 までの数を入力してください。", kRegistrationTitle,
                    MessageIcon::Exclamation);
        return;
    }
    press(form11::kIndividualButton);
    takeBoxesIntoRecord(*code);
    try {
        const RecordWriter writer = companyFileWriter(record_);
        (void)writer.bytes();  // refuses an unstorable text before any folder or file is made
        ensureDataTree(workingYear().toStdString(), true);
        const std::string path = companyFilePath(record_.code);
        if (fileExists(path) && !confirmOverwrite(path)) return;
        writer.save(path);
    } catch (const RecordError& error) {
        showFailure(error.what(), kRegistrationTitle);
        return;
    }
    enterNextCompany();
}

}  // namespace nencho
