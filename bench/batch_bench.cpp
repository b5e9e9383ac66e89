// How fast a batch run prints a company of 99 persons to PDF: one document for every person,
// each a document of its own as on a printer, loaded from the stored records; and the
// statements' run as print jobs on a stopped CUPS queue that holds them (NENCHO_BENCH_PRINTER
// names it; the jobs are cancelled between rounds; its rate is in real time). The form images
// are rendered before the timing starts.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

#include "batch/batch_run.h"
#include "held_jobs.h"
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

// The page images rendered and the persons 1 to 99 of company 1 written on a drive c: of the
// folder, before the timing starts.
void writeBatchPersons(const QTemporaryDir& drive) {
    registerFormPageImages();
    for (std::string_view name : pageImageNames()) pageImage(std::string(name));
    DriveMap::instance().setDrive('c', drive.path().toStdString());
    for (std::int32_t code = 1; code <= kPersons; ++code) test::writeFixtureYear(1, code);
}

// A run that stopped before the last person makes the figures meaningless.
bool printedEveryPerson(benchmark::State& state, const BatchRunOutcome& outcome) {
    if (outcome.printedCodes.size() == kPersons) return true;
    const std::string why = "the run ended early: " + outcome.stop;
    state.SkipWithError(why.c_str());
    return false;
}

void countPagesPerSecond(benchmark::State& state) {
    state.counters["pages_per_second"] = benchmark::Counter(
        static_cast<double>(kPersons), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_BatchRunOf99PersonsToPdf(benchmark::State& state) {
    const auto document = static_cast<BatchDocument>(state.range(0));
    state.SetLabel(batchDocumentName(document));
    QTemporaryDir drive;
    QTemporaryDir pdfs;
    writeBatchPersons(drive);

    PrintData data;
    for (auto _ : state) {
        PdfFileOpener opener(pdfs.path());
        const RangeReading all = allPersonsRange(probeLastPersonCode(1));
        const BatchRunOutcome outcome =
            runBatch(BatchRun{opener, document, test::kPrintYear, "17", 1}, *all.range, data);
        if (!printedEveryPerson(state, outcome)) break;
    }
    countPagesPerSecond(state);
    DriveMap::instance().clear();
}
BENCHMARK(BM_BatchRunOf99PersonsToPdf)
    ->Arg(static_cast<int>(BatchDocument::Statement))
    ->Arg(static_cast<int>(BatchDocument::Ledger))
    ->Arg(static_cast<int>(BatchDocument::DependantsDeclaration))
    ->Arg(static_cast<int>(BatchDocument::InsuranceDeclaration))
    ->Unit(benchmark::kMillisecond);

void BM_BatchRunOf99StatementsOnAHoldingQueue(benchmark::State& state) {
    const char* queue = std::getenv("NENCHO_BENCH_PRINTER");
    if (!queue) {
        state.SkipWithError("NENCHO_BENCH_PRINTER names no stopped queue to print on");
        return;
    }
    setenv("LPDEST", queue, 1);
    QTemporaryDir drive;
    writeBatchPersons(drive);
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
        if (!printedEveryPerson(state, outcome)) break;
    }
    countPagesPerSecond(state);
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
