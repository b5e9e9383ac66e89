// How fast ledger pages go into a PDF file, and how large the file grows per page: 100 pages of
// the fixture person in one document, the page image rendered before the timing starts.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <filesystem>

#include "platform/ui/page_image_registry.h"
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
