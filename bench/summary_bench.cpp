// How long one summary over 99 persons takes, beside the time to read the same 198 records
// once through their readers: the summary should cost little more than its reading.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "common/keys.h"
#include "ledger/ledger_file.h"
#include "platform/drive_map.h"
#include "platform/file_system.h"
#include "summary/summary_table.h"
#include "yearend/adjustment_result_file.h"

namespace nencho {
namespace {

constexpr std::int16_t kCompany = 5;
const std::string kYear = "H17";

// A temporary drive c: holding a ledger and a year-end result for each person 1 to 99.
class FullCompany {
  public:
    FullCompany() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "nencho-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        root_ = pattern;
        DriveMap::instance().setDrive('c', root_);
        ensureDataTree(kYear);
        for (int person = kFirstPersonCode; person <= kLastPersonCode; ++person) store(person);
    }
    ~FullCompany() {
        DriveMap::instance().clear();
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

  private:
    static void store(int person) {
        LedgerRecord ledger;
        for (int row = 1; row <= kLedgerRows; ++row)
            for (LedgerColumn column : kAmountColumns)
                ledger.sheet.setCell(row, column, 250'000 + 1'000 * person + row);
        ledger.payDates.fill("25");
        ledgerFileWriter(ledger).save(*ledgerFilePath(kYear, {kCompany, person}));
        AdjustmentResultRecord result;
        result.lines.fill(123'456);
        result.statusText = "年末調整実行";
        AdjustmentResultFile::save(kYear, *personKey(kCompany, person), result);
    }

    std::filesystem::path root_;
};

void ensureCompany() {
    static FullCompany company;
}

void BM_SummaryOf99Persons(benchmark::State& state) {
    ensureCompany();
    for (auto _ : state) benchmark::DoNotOptimize(summarise(kYear, kCompany));
}
BENCHMARK(BM_SummaryOf99Persons)->Unit(benchmark::kMillisecond);

void BM_ReadTheSameRecordsOnce(benchmark::State& state) {
    ensureCompany();
    for (auto _ : state) {
        for (int person = kFirstPersonCode; person <= kLastPersonCode; ++person) {
            benchmark::DoNotOptimize(readLedgerFile(*ledgerFilePath(kYear, {kCompany, person})));
            benchmark::DoNotOptimize(
                AdjustmentResultFile::load(kYear, *personKey(kCompany, person)));
        }
    }
}
BENCHMARK(BM_ReadTheSameRecordsOnce)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace nencho
