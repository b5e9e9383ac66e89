// The company screen's actions: clear, load, DATA, prefill and registration.
#include "common/amount.h"
#include "common/paths.h"
#include "platform/file_system.h"
#include "platform/record_error.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/screens.h"
#include "records/ui/form11.h"

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
    {"Text2", &LegacyCompanyLayout::reading},
    {"Text3", &LegacyCompanyLayout::name},
    {"Text5", &LegacyCompanyLayout::taxPlace},
    {"Text6", &LegacyCompanyLayout::representativeReading},
    {"Text7", &LegacyCompanyLayout::representativeAddress},
    {"Text8", &LegacyCompanyLayout::businessType},
    {"Text9", &LegacyCompanyLayout::taxOffice},
    {"Text12", &LegacyCompanyLayout::phone},
};
const char* const kRepresentativeNameBox = "Text25";

struct DateBoxes {
    const char* year;
    const char* month;
    const char* day;
    CompanyDate LegacyCompanyLayout::*field;
};
const DateBoxes kStartBoxes{"Text13", "Text14", "Text15", &LegacyCompanyLayout::businessYearStart};
const DateBoxes kEndBoxes{"Text17", "Text18", "Text19", &LegacyCompanyLayout::businessYearEnd};
const DateBoxes kSettlementBoxes{"Text21", "Text20", "Text4", &LegacyCompanyLayout::settlement};

// What the clear empties: every value box but the start day, which keeps its last value.
const char* const kClearedBoxes[] = {"Text1",  "Text11", "Text2",  "Text3",  "Text5",
                                     "Text6",  "Text25", "Text7",  "Text8",  "Text9",
                                     "Text12", "Text13", "Text14", "Text17", "Text18",
                                     "Text19", "Text21", "Text20", "Text4"};

QString digits(std::int64_t value) {
    return QString::fromStdString(decimal(value));
}

// The code in a box; a text that is no number is a type mismatch and a number beyond 32 bits
// an overflow, as on every screen that reads a code.
std::int32_t codeIn(const QString& text) {
    const AmountReading code = readAmount(text.toStdString());
    if (!code.value) fail(code.outOfRange ? FileErrorKind::Overflow : FileErrorKind::TypeMismatch);
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
    setTextOf("Text1", digits(values.code));
    setTextOf("Text11", QString::fromStdString(capitalBoxText(values.capital)));
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
    try {
        record_ = loadCompanyFile(codeIn(textOf("Text1")));
        showValues(record_);
        setTextOf(kRepresentativeNameBox, QString::fromStdString(record_.representativeName));
    } catch (const RecordError& error) {
        clearFields();
        showFailure(error.what(), kLoadTitle);
    }
}

void Form11::loadMenuCompany() {
    std::int32_t code = 0;
    try {
        code = codeIn(textOf("Text23"));
    } catch (const RecordError& error) {
        showFailure(error.what(), kNoCompanyTitle);
        return;
    }
    record_.code = code;
    setTextOf("Text1", digits(code));
    press("Command6");
}

// The prefill fills the boxes only once the whole file has been read, so a failure changes
// nothing but the code box. The representative's name, which that file lacks, stays.
void Form11::prefillFromCorporateTax() {
    try {
        showValues(loadLegacyCompanyFile(codeIn(textOf("Text1"))));
    } catch (const RecordError& error) {
        setTextOf("Text1", {});
        showFailure(error.what(), kPrefillTitle);
    }
}

void Form11::setIndividualValues() {
    setTextOf(kStartBoxes.year, "13");
    setTextOf(kStartBoxes.month, "1");
    press("Command3");
    setTextOf("Text11", "0");
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
    record_.capital = number("Text11");
    for (const TextBox& text : kTextBoxes) record_.*text.field = textOf(text.box).toStdString();
    record_.representativeName = textOf(kRepresentativeNameBox).toStdString();
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
    if (readAmount(textOf("Text1").toStdString()).outOfRange) {
        showFailure(describe(FileErrorKind::Overflow), kRegistrationTitle);
        return;
    }
    const std::optional<std::int32_t> code = registrationCode(textOf("Text1").toStdString());
    if (!code) {
        showMessage("会社コードは 1 から 999 までの数を入力してください。", kRegistrationTitle,
                    MessageIcon::Exclamation);
        return;
    }
    press("Command12");
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
    }
}

}  // namespace nencho
