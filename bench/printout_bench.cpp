// How fast ledger pages of the fixture person are printed, the page image rendered before the
// timing starts: 100 pages in one PDF file (and how large it grows per page); 100 print jobs of
// one page each through the program's printer page, on a stopped CUPS queue that holds them
// (NENCHO_BENCH_PRINTER names it; the jobs are cancelled between rounds); and beside them the
// same image, lines and texts on a bare QPdfWriter page, as 100 pages of one document and as
// 100 documents of one page, and on a bare QPrinter for the same queue, as 100 jobs. The jobs'
// rates are in real time: a clerk waits for the scheduler's answers too.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "held_jobs.h"
#include "platform/recording_page.h"
#include "platform/ui/page_image_registry.h"
#include "platform/ui/printer_pages.h"
#include "platform/ui/qt_printer_page.h"
#include "printing/page_images.h"
#include "printing/printouts.h"
#include "printing/ui/page_image_renderer.h"

namespace nencho {
namespace {

constexpr int kPages = 100;

PrintData benchPerson() {
    PrintData data;
    data.personReading = "ヤマダ　タロウ";
    data.personName = "山田　太郎";
    data.personAddress1 = "東京都世田谷区上馬四丁目５番６号";
    data.birthEra = "昭和";
    data.birthYear = 45;
    data.birthMonth = 11;
    data.birthDay = 23;
    for (int month = 1; month <= 12; ++month) {
        data.printLedgerTable.setCell(month, LedgerColumn::Pay, 300'000 + 1'000 * month);
        data.printLedgerTable.setCell(month, LedgerColumn::SocialInsurance, 43'000);
        data.printLedgerTable.setCell(month, LedgerColumn::AfterInsurance, 257'000 + 1'000 * month);
        data.printLedgerTable.setCell(month, LedgerColumn::Tax, 6'000);
        data.printLedgerTable.setCell(month, LedgerColumn::Dependants, 2);
        data.payDateTexts[month] = "25";
    }
    data.printLedgerTable.setCell(kMonthTotalRow, LedgerColumn::Pay, 3'678'000);
    data.printLedgerTable.setCell(kMonthTotalRow, LedgerColumn::Tax, 72'000);
    data.adjustmentResult[AdjustmentValue::MonthPay] = 3'678'000;
    data.adjustmentResult[AdjustmentValue::PayInAll] = 3'678'000;
    data.adjustmentResult[AdjustmentValue::TaxWithheld] = 72'000;
    data.adjustmentResult[AdjustmentValue::AnnualTax] = 60'000;
    data.adjustmentResult[AdjustmentValue::Balance] = -12'000;
    return data;
}

void BM_LedgerPagesToPdf(benchmark::State& state) {
    registerFormPageImages();
    pageImage(std::string(kLedgerImage));  // rendered once, before the timing
    const PrintData data = benchPerson();
    QTemporaryDir folder;
    const std::string path = folder.filePath("ledger.pdf").toStdString();
    for (auto _ : state) {
        auto page = QtPrinterPage::toPdfFile(path, "ledger-bench");
        for (int number = 0; number < kPages; ++number) {
            if (number > 0) page->newPage();
            printWithholdingLedger(*page, data);
        }
        page->endDocument();
    }
    const auto bytes = static_cast<double>(std::filesystem::file_size(path));
    state.counters["pages_per_second"] = benchmark::Counter(
        static_cast<double>(kPages), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["pdf_kib_per_page"] = bytes / kPages / 1024;
}
BENCHMARK(BM_LedgerPagesToPdf)->Unit(benchmark::kMillisecond);

// The ledger's image, lines and texts as the printout issues them.
std::vector<PrintOperation> ledgerOperations() {
    RecordingPage page;
    printWithholdingLedger(page, benchPerson());
    return page.operations();
}

// A landscape A4 page at 1200 dpi, drawn straight with QPainter from the recorded operations.
void drawBare(QPagedPaintDevice& writer, QPainter& painter,
              const std::vector<PrintOperation>& operations) {
    const double dots = writer.logicalDpiX() / 25.4;
    for (const PrintOperation& op : operations) {
        switch (op.kind) {
            case PrintOperation::Kind::Text: {
                QFont font("IPAMincho");
                font.setPointSizeF(op.fontSize);
                painter.setFont(font);
                painter.setPen(Qt::black);
                const QFontMetricsF metrics(font, &writer);
                painter.drawText(QPointF(op.x * dots, op.y * dots + metrics.ascent()),
                                 QString::fromStdString(op.text));
                break;
            }
            case PrintOperation::Kind::Line: {
                QPen pen(Qt::black);
                pen.setWidthF(op.lineWidth * dots);
                pen.setCapStyle(Qt::RoundCap);
                painter.setPen(pen);
                painter.drawLine(QPointF(op.x * dots, op.y * dots),
                                 QPointF(op.x2 * dots, op.y2 * dots));
                break;
            }
            case PrintOperation::Kind::Image:
                painter.drawImage(QRectF(op.x * dots, op.y * dots, op.x2 * dots, op.y2 * dots),
                                  pageImage(op.text));
                break;
            default:
                break;
        }
    }
}

void setUpBareWriter(QPdfWriter& writer) {
    writer.setResolution(1200);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

void BM_BareQPdfWriterLedgerPages(benchmark::State& state) {
    registerFormPageImages();
    pageImage(std::string(kLedgerImage));
    const auto operations = ledgerOperations();
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        setUpBareWriter(writer);
        QPainter painter(&writer);
        for (int number = 0; number < kPages; ++number) {
            if (number > 0) writer.newPage();
            drawBare(writer, painter, operations);
        }
        painter.end();
        bytes = buffer.size();
    }
    state.counters["pages_per_second"] = benchmark::Counter(
        static_cast<double>(kPages), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["pdf_kib_per_page"] = static_cast<double>(bytes) / kPages / 1024;
}
BENCHMARK(BM_BareQPdfWriterLedgerPages)->Unit(benchmark::kMillisecond);

void BM_BareQPdfWriterLedgerDocuments(benchmark::State& state) {
    registerFormPageImages();
    pageImage(std::string(kLedgerImage));
    const auto operations = ledgerOperations();
    for (auto _ : state) {
        for (int number = 0; number < kPages; ++number) {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QPdfWriter writer(&buffer);
            setUpBareWriter(writer);
            QPainter painter(&writer);
            drawBare(writer, painter, operations);
            painter.end();
            benchmark::DoNotOptimize(buffer.size());
        }
    }
    state.counters["pages_per_second"] = benchmark::Counter(
        static_cast<double>(kPages), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_BareQPdfWriterLedgerDocuments)->Unit(benchmark::kMillisecond);

void BM_LedgerPrintJobsOnAHoldingQueue(benchmark::State& state) {
    const char* queue = std::getenv("NENCHO_BENCH_PRINTER");
    if (!queue) {
        state.SkipWithError("NENCHO_BENCH_PRINTER names no stopped queue to print on");
        return;
    }
    setenv("LPDEST", queue, 1);
    registerFormPageImages();
    pageImage(std::string(kLedgerImage));
    const PrintData data = benchPerson();
    const std::string title = "ledger-bench-" + std::to_string(getpid());
    for (auto _ : state) {
        for (int number = 0; number < kPages; ++number)
            printDocument(pageOpener(), title,
                          [&](PrinterPage& page) { printWithholdingLedger(page, data); });
        state.PauseTiming();
        cancelHeldJobs(queue, title);
        state.ResumeTiming();
    }
    state.counters["pages_per_second"] = benchmark::Counter(
        static_cast<double>(kPages), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_LedgerPrintJobsOnAHoldingQueue)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same jobs as Qt prints them on its own: the bare page drawn on a QPrinter for the queue,
// which writes the document to a temporary file and hands that to CUPS, never learning the
// job's fate. The program printed this way before it submitted its documents itself.
void BM_BareQPrinterLedgerPrintJobsOnAHoldingQueue(benchmark::State& state) {
    const char* queue = std::getenv("NENCHO_BENCH_PRINTER");
    if (!queue) {
        state.SkipWithError("NENCHO_BENCH_PRINTER names no stopped queue to print on");
        return;
    }
    registerFormPageImages();
    pageImage(std::string(kLedgerImage));
    const auto operations = ledgerOperations();
    const QPrinterInfo info = QPrinterInfo::printerInfo(queue);
    const std::string title = "ledger-bench-qprinter-" + std::to_string(getpid());
    for (auto _ : state) {
        for (int number = 0; number < kPages; ++number) {
            QPrinter printer(info, QPrinter::HighResolution);
            printer.setResolution(1200);
            printer.setFullPage(true);
            printer.setPageOrientation(QPageLayout::Landscape);
            printer.setDocName(QString::fromStdString(title));
            QPainter painter(&printer);
            drawBare(printer, painter, operations);
        }
        state.PauseTiming();
        cancelHeldJobs(queue, title);
        state.ResumeTiming();
    }
    state.counters["pages_per_second"] = benchmark::Counter(
        static_cast<double>(kPages), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_BareQPrinterLedgerPrintJobsOnAHoldingQueue)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace nencho

int main(int argc, char** argv) {
    // Fonts and images need a GUI application; the offscreen platform needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
