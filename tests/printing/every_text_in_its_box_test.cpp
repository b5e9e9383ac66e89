// Every document printed for a person who holds the longest values the screens are laid out for,
// and for one holding longer ones: each data text's ink stays clear of every rule and caption of
// its form and of every other data text, and its whole em box lies on the paper.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "batch/batch_documents.h"
#include "common/amount.h"
#include "form_fit.h"
#include "platform/recording_page.h"
#include "printing/page_images.h"
#include "printing/printouts.h"
#include "printout_fixture.h"
#include "records/company_file.h"
#include "records/notes_file.h"
#include "records/person_file.h"
#include "statement/statement_printout.h"
#include "statement/statement_shift.h"
#include "yearend/dependants_file.h"
#include "yearend/insurance_file.h"

namespace nencho {
namespace {

using Kind = PrintOperation::Kind;
using test::Area;

// A text of `count` full-width characters, distinct from field to field by its first one.
std::string fullWidth(int count, std::string_view first) {
    static const std::vector<std::string> kanji =
        charactersOf("東京都千代田区神田錦町三丁目番地号館");
    std::string text(first);
    for (int i = 1; i < count; ++i) text += kanji[static_cast<std::size_t>(i) % kanji.size()];
    return text;
}

// The person's texts at `scale` times the longest length each screen is laid out for (rounded
// up); amounts and dates as the print fixture holds them.
PrintData personAt(double scale) {
    const auto n = [scale](int length) { return static_cast<int>(std::ceil(length * scale)); };
    PrintData d = test::fullPrintData();
    d.taxEraYear = "17";
    d.companyTexts[2] = fullWidth(n(kCompanyNameLength), "株");
    d.companyTexts[3] = fullWidth(n(kTaxPlaceLength), "所");
    d.companyTexts[8] = std::string(static_cast<std::size_t>(n(kPhoneLength)), '9');
    d.personReading = fullWidth(n(kNameLength), "ヤ");
    d.personName = fullWidth(n(kNameLength), "氏");
    d.personAddress1 = fullWidth(n(kAddressLineLength), "上");
    d.personAddress2 = fullWidth(n(kAddressLineLength), "下");
    d.personPosition = "代表取締役";
    d.payKindTexts[4] = "専従者給与";
    d.noteLines[1] = fullWidth(n(kNoteLineLength), "摘");
    d.noteLines[2] = fullWidth(n(kNoteLineLength), "要");
    d.spouseNameTexts[1] = fullWidth(n(kNameLength), "ハ");
    d.spouseNameTexts[2] = fullWidth(n(kNameLength), "配");
    for (int row = 1; row <= kDependantTableRows; ++row) {
        auto& r = d.dependantTable[row];
        r[1] = fullWidth(n(kNameLength), "名");
        r[2] = fullWidth(n(kRelationLength), "続");
        r[3] = scale > 1 ? std::string(kLongestEraDate) + "生" : kLongestEraDate;
        r[4] = "特定";
        r[5] = fullWidth(n(kOccupationLength), "職");
        r[6] = fullWidth(n(kAddressLineLength), "住");
        r[7] = formatAmount(scale > 1 ? -999'999'999 : kLongestShownAmount);
        r[8] = fullWidth(n(kOtherLength), "他");
    }
    const int policyLengths[] = {kInsurerLength, kPolicyKindLength, kPolicyPeriodLength,
                                 kNameLength,    kNameLength,       kRelationLength};
    for (int column = 0; column < 6; ++column) {
        for (int policy = 1; policy <= 3; ++policy)
            d.lifePensionTexts[3 * column + policy] = fullWidth(n(policyLengths[column]), "生");
        for (int policy = 1; policy <= 2; ++policy)
            d.lifePensionTexts[18 + 2 * column + policy] =
                fullWidth(n(policyLengths[column]), "年");
    }
    const int casualtyLengths[] = {kInsurerLength, kPolicyKindLength, kPolicyPeriodLength,
                                   kNameLength,    kNameLength,       kRelationLength};
    for (int column = 0; column < 6; ++column)
        for (int policy = 1; policy <= 2; ++policy)
            d.casualtyTexts[2 * column + policy] = fullWidth(n(casualtyLengths[column]), "損");
    for (int policy = 1; policy <= 2; ++policy)
        d.casualtyTexts[12 + policy] =
            scale > 1 ? std::string(kLongestMaturity) + "末日" : std::string(kLongestMaturity);
    d.personStatusTexts[12] = "就　職";
    d.personStatusTexts[14] = "17";
    d.personStatusTexts[15] = "12";
    d.personStatusTexts[16] = "31";
    d.birthMonth = 12;
    d.birthDay = 31;
    d.spouseFlag = 1;
    for (int kind = 1; kind <= 6; ++kind) d.kindCounts[kind] = 1;
    d.otherDependantsCount = 1;
    d.spouseTotalIncome = 380'000;
    return d;
}

// The longest person with every mark of the statement's status band, the other way of joining
// or leaving, and a birth in another era.
PrintData everyMark(const char* era, int spouseFlag) {
    PrintData d = personAt(1);
    for (int status = 1; status <= kPersonStatusCount; ++status)
        d.personStatusTexts[status] = std::string(statusWord(static_cast<PersonStatus>(status)));
    d.personStatusTexts[12].clear();
    d.personStatusTexts[14] = "17";
    d.personStatusTexts[15] = "12";
    d.personStatusTexts[16] = "31";
    d.birthEra = era;
    d.spouseFlag = spouseFlag;
    return d;
}

// The longest person with every amount at the longest the screens show.
PrintData longestAmounts() {
    PrintData d = personAt(1);
    const std::int32_t longest = kLongestShownAmount;
    for (int row = 1; row <= kGrandTotalRow; ++row)
        for (LedgerColumn column : {LedgerColumn::Pay, LedgerColumn::SocialInsurance,
                                    LedgerColumn::AfterInsurance, LedgerColumn::Tax})
            d.printLedgerTable.setCell(row, column, longest);
    for (int value : kAdjustmentRecordValues)
        d.adjustmentResult[static_cast<AdjustmentValue>(value)] = longest;
    for (int i = 1; i <= 10; ++i) d.lifePensionAmounts[i] = longest;
    for (int i = 1; i <= 7; ++i) d.casualtyAmounts[i] = longest;
    d.mutualAidPremiums = longest;
    d.declaredSocialInsurance = longest;
    d.spouseTotalIncome = longest;
    for (int i = 1; i <= 10; ++i) d.spouseHousingAmounts[i] = longest;
    d.spouseHousingAmounts[4] = 990'000;  // the two digit boxes hold a deduction below a million
    return d;
}

// Where data may not go on a document: the rules and captions of its form.
struct FormMarks {
    std::vector<Area> rules;
    std::vector<test::CaptionInk> captions;
};

FormMarks marksOf(const FormDrawing& form) {
    return {test::ruleAreas(form), test::captionInks(form)};
}

// The blank statement's lines and texts as it draws them.
FormMarks statementMarks() {
    RecordingPage page;
    printBlankStatementForm(page, "17");
    FormMarks marks;
    for (const PrintOperation& line : page.operationsOf(Kind::Line)) {
        const double half = line.lineWidth / 2;
        marks.rules.push_back({std::min(line.x, line.x2) - half, std::min(line.y, line.y2) - half,
                               std::max(line.x, line.x2) + half, std::max(line.y, line.y2) + half});
    }
    for (const PrintOperation& text : page.operationsOf(Kind::Text))
        marks.captions.push_back({text.text, test::inkOf(text)});
    return marks;
}

std::size_t blankStatementTexts() {
    RecordingPage page;
    printBlankStatementForm(page, "17");
    return page.operationsOf(Kind::Text).size();
}

struct Document {
    std::string name;
    std::function<void(PrinterPage&, const PrintData&)> print;
    FormMarks marks;
    std::size_t formTextsAfterData;  // the form's own texts, printed after the data
};

std::vector<Document> documents() {
    const FormMarks statement = statementMarks();
    const std::size_t statementTexts = blankStatementTexts();
    const auto batch = [](BatchDocument document) {
        return [document](PrinterPage& page, const PrintData& data) {
            drawBatchDocument(page, data, document);
        };
    };
    return {
        {"ledger", printWithholdingLedger, marksOf(ledgerForm()), 0},
        {"dependants declaration", printDependantsDeclaration, marksOf(dependantsDeclarationForm()),
         0},
        {"insurance declaration", printInsuranceDeclaration, marksOf(insuranceDeclarationForm()),
         0},
        {"full statement",
         [](PrinterPage& page, const PrintData& data) {
             printStatement(page, data, StatementPart::FormAndData, 0, 0);
         },
         statement, statementTexts},
        // On paper that carries the printed form already: the paper's edges and the texts beside
        // it bound each text (the sizes are those of the full statement).
        {"data-only statement",
         [](PrinterPage& page, const PrintData& data) {
             printStatement(page, data, StatementPart::Data, 0, 0);
         },
         {},
         0},
        {"batch statement", batch(BatchDocument::Statement), statement, statementTexts},
        {"batch ledger", batch(BatchDocument::Ledger), marksOf(ledgerForm()), 0},
        {"batch dependants declaration", batch(BatchDocument::DependantsDeclaration),
         marksOf(dependantsDeclarationForm()), 0},
        {"batch insurance declaration", batch(BatchDocument::InsuranceDeclaration),
         marksOf(insuranceDeclarationForm()), 0},
    };
}

// Marks that ring or strike a word of the form stand on its caption by design.
bool marksACaption(const PrintOperation& text) {
    return text.text == "〇" || text.text == "＝＝＝＝";
}

// The em box of a text without the blanks around it: what must lie on the paper.
Area emBoxOf(const PrintOperation& text) {
    const Area ink = test::inkOf(text);
    return {ink.left, text.y, ink.right, text.y + text.fontSize * kMillimetresPerPoint};
}

bool blank(const PrintOperation& text) {
    return text.text.find_first_not_of(' ') == std::string::npos;
}

std::vector<std::string> textsOutOfTheirBoxes(const Document& document, const PrintData& data) {
    RecordingPage page;
    document.print(page, data);
    std::vector<PrintOperation> texts = page.operationsOf(Kind::Text);
    texts.resize(texts.size() - document.formTextsAfterData);
    std::vector<std::string> found;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const PrintOperation& text = texts[i];
        if (blank(text)) continue;
        const Area ink = test::inkOf(text);
        const Area box = emBoxOf(text);
        std::ostringstream what;
        what << test::describe(text) << " in " << text.fontSize << " pt";
        if (box.left < 0 || box.top < 0 || box.right > kStatementPaperWidth ||
            box.bottom > kStatementPaperHeight)
            found.push_back(what.str() + " runs off the paper");
        for (const Area& rule : document.marks.rules)
            if (test::overlap(ink, rule)) {
                found.push_back(what.str() + " crosses a rule");
                break;
            }
        if (!marksACaption(text))
            for (const test::CaptionInk& caption : document.marks.captions)
                if (test::overlap(ink, caption.area)) {
                    found.push_back(what.str() + " covers the caption " + caption.text);
                    break;
                }
        for (std::size_t j = i + 1; j < texts.size(); ++j)
            if (!blank(texts[j]) && test::overlap(ink, test::inkOf(texts[j])))
                found.push_back(what.str() + " runs into " + test::describe(texts[j]));
    }
    return found;
}

TEST(EveryPrintedText, StaysInItsBoxForTheLongestValuesAndLongerOnes) {
    const std::pair<std::string, PrintData> persons[] = {
        {"the longest values", personAt(1)},
        {"1.5 times the longest", personAt(1.5)},
        {"2.5 times the longest", personAt(2.5)},
        {"every mark, born in 明治, no spouse", everyMark("明治", 0)},
        {"every mark, born in 大正", everyMark("大正", 1)},
        {"every mark, born in 平成", everyMark("平成", 1)},
        {"every amount at the longest", longestAmounts()}};
    for (const auto& [person, data] : persons) {
        for (const Document& document : documents()) {
            SCOPED_TRACE(document.name + " for " + person);
            std::ostringstream found;
            for (const std::string& text : textsOutOfTheirBoxes(document, data))
                found << text << '\n';
            EXPECT_TRUE(found.str().empty()) << found.str();
        }
    }
}

}  // namespace
}  // namespace nencho
