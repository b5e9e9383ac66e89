// How long one monthly and one bonus calculation take.
#include <benchmark/benchmark.h>

#include "withholding/bonus.h"
#include "withholding/monthly_calculation.h"

namespace nencho {
namespace {

void BM_MonthlyCalculation(benchmark::State& state) {
    MonthlyInput input{250'000, NursingCare::With, true, true, true, 2};
    for (auto _ : state) {
        benchmark::DoNotOptimize(input);
        benchmark::DoNotOptimize(calculateMonth(input));
    }
}
BENCHMARK(BM_MonthlyCalculation);

void BM_BonusCalculation(benchmark::State& state) {
    BonusInput input{500'000, 300'000, 2, true, true};
    for (auto _ : state) {
        benchmark::DoNotOptimize(input);
        benchmark::DoNotOptimize(calculateBonus(input));
    }
}
BENCHMARK(BM_BonusCalculation);

}  // namespace
}  // namespace nencho
