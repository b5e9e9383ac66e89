// The batch screen's actions: the load of the handed-over person, the last-number probe, the
// eight runs, the four document buttons, Ｃ, 同 and ＥＮＤ.
#include <string>

#include "batch/ui/form17.h"
#include "batch/ui/form17_controls.h"
#include "common/amount.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/printer_pages.h"
#include "platform/ui/reported_action.h"
#include "platform/ui/screens.h"

namespace nencho {

using namespace form17;

namespace {

QString digits(std::int64_t value) {
    return QString::fromStdString(decimal(value));
}

std::optional<std::int32_t> code16(const QString& text) {
    return readSmallNumber(text.toStdString());
}

const char* const kEmptiedByEnd[] = {kFirstCodeBox, kLastCodeRangeBox, kLastCodeBox, kYearBox,
                                     kEraYearBox,   kCompanyBox,       kPersonBox};

}  // namespace

std::optional<std::int32_t> Form17::companyCode() const {
    return code16(textOf(kCompanyBox));
}

// The handed-over person, loaded as every run step loads its person. Nothing is shown: each run
// loads its persons again.
void Form17::load() {
    const auto company = companyCode();
    const auto person = code16(textOf(kPersonBox));
    if (!company || !person) return;
    loadBatchPerson(data_, workingYear().toStdString(), textOf(kEraYearBox).toStdString(), *company,
                    *person);
}

void Form17::probe() {
    const auto company = companyCode();
    const auto last = company ? probeLastPersonCode(*company) : std::nullopt;
    setTextOf(kLastCodeBox, last ? digits(*last) : QString());
    lastPersonCode_ = last.value_or(0);
}

void Form17::runAllPersons(BatchDocument document) {
    press(kProbeButton);
    const auto last = lastPersonCode_ > 0 ? std::optional(lastPersonCode_) : std::nullopt;
    run("全員の一括印刷", document, allPersonsRange(last));
}

void Form17::runRange(BatchDocument document) {
    run("特定の印刷", document,
        readPersonRange(textOf(kFirstCodeBox).toStdString(),
                        textOf(kLastCodeRangeBox).toStdString()));
}

// A run ends silently when it went through; otherwise one message says where and why it ended.
void Form17::run(const QString& title, BatchDocument document, const RangeReading& reading) {
    runReported(title, [&] {
        if (!reading.range) {
            showMessage(QString::fromStdString(reading.refusal), title, MessageIcon::Exclamation);
            return;
        }
        const auto company = companyCode();
        if (!company) throw Failure("会社が決まっていません。印刷画面から開き直してください。");
        const BatchRun batch{pageOpener(), document, workingYear().toStdString(),
                             textOf(kEraYearBox).toStdString(), *company};
        BatchRunOutcome outcome;
        try {
            outcome = runBatch(batch, *reading.range, data_);
        } catch (const Failure&) {
            // The run stopped at the person whose page failed: the box shows that person, as
            // the print data hold it.
            setTextOf(kPersonBox, digits(data_.personCode));
            throw;
        }
        if (!outcome.printedCodes.empty())
            setTextOf(kPersonBox, digits(outcome.printedCodes.back()));
        if (!outcome.stop.empty())
            showMessage(QString::fromStdString(outcome.stop), title, MessageIcon::Exclamation);
    });
}

// One page of the document for the person loaded last.
void Form17::printLoaded(BatchDocument document) {
    runReported(QString::fromStdString(batchDocumentName(document)), [&] {
        printDocument(pageOpener(), batchDocumentName(document),
                      [&](PrinterPage& page) { drawBatchDocument(page, data_, document); });
    });
}

// 同: the range of the one person in the first box.
void Form17::copyFirstCode() {
    const auto first = parseAmount(textOf(kFirstCodeBox).toStdString());
    if (!first) {
        dialogs().beep();
        return;
    }
    setTextOf(kLastCodeRangeBox, digits(*first));
}

// The screen goes as it came: hidden, with every box empty until the next hand-over.
void Form17::end() {
    for (const char* box : kEmptiedByEnd) setTextOf(box, {});
    screens::hide(kForm);
}

}  // namespace nencho
