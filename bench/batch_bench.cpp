// How fast a batch run prints a company of 99 persons to PDF: one document for every person,
// each a document of its own as on a printer, loaded from the stored records; and the
// statements' run as print jobs on a stopped CUPS queue that holds them (NENCHO_BENCH_PRINTER
// names it; the jobs are cancelled between rounds; its rate is in real time). The form images
// are rendered before the timing starts.
#include <benchmark/benchmark.h>
#include <cups/cups.h>
#include <unistd.h>

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

#include "batch/batch_run.h"
#include "platform/drive_map.h"
#include "platform/ui/page_image_registry.h"
#include "platform/ui/printer_pages.h"
#include "platform/ui/qt_printer_page.h"
#include "printing/page_images.h"
#include "printing/print_fixture.h"
#include "printing/ui/page_image_renderer.h"

namespace nencho {
namespace {

constexpr std::int32_t kPersons = 99;

// Every document goes to a PDF file of its own in the folder.
class PdfFileOpener : public PageOpener {
  public:
    explicit PdfFileOpener(QString folder) : folder_(std::move(folder)) {}
    std::unique_ptr<PrinterPage> open(const std::string& documentName) override {
        const QString file = QDir(folder_).filePath(QString("page-%1.pdf").arg(++count_));
        return QtPrinterPage::toPdfFile(file.toStdString(), documentName);
    }

  private:
    QString folder_;
    int count_ = 0;
};

void BM_BatchRunOf99PersonsToPdf(benchmark::State& state) {
    const auto document = static_cast<BatchDocument>(state.range(0));
    state.SetLabel(batchDocumentName(document));
    registerFormPageImages();
    for (std::string_view name : pageImageNames()) pageImage(std::string(name));
    QTemporaryDir drive;
    QTemporaryDir pdfs;
    DriveMap::instance().setDrive('c', drive.path().toStdString());
    for (std::int32_t code = 1; code <= kPersons; ++code) test::writeFixtureYear(1, code);

    PrintData data;
    for (auto _ : state) {
        PdfFileOpener opener(pdfs.path());
        const RangeReading all = allPersonsRange(probeLastPersonCode(1));
        const BatchRunOutcome outcome =
            runBatch(BatchRun{opener, document, test::kPrintYear, "17", 1}, *all.range, data);
        if (outcome.printedCodes.size() != kPersons) {
            std::string why = "the run ended early: ";
            why += outcome.stop;
            state.SkipWithError(why.c_str());
            break;
        }
    }
    state.counters["pages_per_second"] = benchmark::Counter(
        static_cast<double>(kPersons), benchmark::Counter::kIsIterationInvariantRate);
    DriveMap::instance().clear();
}
BENCHMARK(BM_BatchRunOf99PersonsToPdf)
    ->Arg(static_cast<int>(BatchDocument::Statement))
    ->Arg(static_cast<int>(BatchDocument::Ledger))
    ->Arg(static_cast<int>(BatchDocument::DependantsDeclaration))
    ->Arg(static_cast<int>(BatchDocument::InsuranceDeclaration))
    ->Unit(benchmark::kMillisecond);

// Cancels the jobs of the title the queue holds.
void cancelHeldJobs(const char* queue, const std::string& title) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue, 1, CUPS_WHICHJOBS_ACTIVE);
    for (int i = 0; i < count; ++i)
        if (jobs[i].title && title == jobs[i].title)
            cupsCancelJob2(CUPS_HTTP_DEFAULT, queue, jobs[i].id, 0);
    cupsFreeJobs(count, jobs);
}

void BM_BatchRunOf99StatementsOnAHoldingQueue(benchmark::State& state) {
    const char* queue = std::getenv("NENCHO_BENCH_PRINTER");
    if (!queue) {
        state.SkipWithError("NENCHO_BENCH_PRINTER names no stopped queue to print on");
        return;
    }
    setenv("LPDEST", queue, 1);
    registerFormPageImages();
    for (std::string_view name : pageImageNames()) pageImage(std::string(name));
    QTemporaryDir drive;
    DriveMap::instance().setDrive('c', drive.path().toStdString());
    for (std::int32_t code = 1; code <= kPersons; ++code) test::writeFixtureYear(1, code);
    const std::string title = batchDocumentName(BatchDocument::Statement);

    PrintData data;
    for (auto _ : state) {
        const RangeReading all = allPersonsRange(probeLastPersonCode(1));
        const BatchRunOutcome outcome =
            runBatch(BatchRun{pageOpener(), BatchDocument::Statement, test::kPrintYear, "17", 1},
                     *all.range, data);
        state.PauseTiming();
        cancelHeldJobs(queue, title);
        state.ResumeTiming();
        if (outcome.printedCodes.size() != kPersons) {
            std::string why = "the run ended early: ";
            why += outcome.stop;
            state.SkipWithError(why.c_str());
            break;
        }
    }
    state.counters["pages_per_second"] = benchmark::Counter(
        static_cast<double>(kPersons), benchmark::Counter::kIsIterationInvariantRate);
    DriveMap::instance().clear();
}
BENCHMARK(BM_BatchRunOf99StatementsOnAHoldingQueue)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace nencho

int main(int argc, char** argv) {
    // Fonts need a GUI application; the offscreen platform needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    nencho::installPrintFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
