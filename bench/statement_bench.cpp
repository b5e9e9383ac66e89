// How fast full withholding statements go into a PDF file: 100 pages a run, one statement a
// page, reported as pages per second.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <filesystem>

#include "platform/ui/qt_printer_page.h"
#include "statement/statement_fixture.h"
#include "statement/statement_printout.h"

namespace nencho {
namespace {

constexpr int kPages = 100;

void BM_FullStatementsToPdf(benchmark::State& state) {
    const PrintData data = test::statementFixturePerson();
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "nencho_statement_bench.pdf";
    for (auto _ : state) {
        auto page = QtPrinterPage::toPdfFile(path.string(), "statement");
        for (int i = 0; i < kPages; ++i) {
            if (i > 0) page->newPage();
            printStatement(*page, data, StatementPart::FormAndData, 0, 0);
        }
        page->endDocument();
    }
    state.counters["pages_per_second"] = benchmark::Counter(
        static_cast<double>(kPages * state.iterations()), benchmark::Counter::kIsRate);
    state.counters["pdf_bytes_per_page"] =
        static_cast<double>(std::filesystem::file_size(path)) / kPages;
    std::filesystem::remove(path);
}
BENCHMARK(BM_FullStatementsToPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace nencho

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
