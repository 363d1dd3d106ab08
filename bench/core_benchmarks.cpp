// Cost of one calculate command and of the count-back on the longest march.
#include <benchmark/benchmark.h>

#include "core/calculate.h"
#include "core/week_clock.h"

namespace {

void BM_RunCalculateFullReport(benchmark::State& state) {
  menetkalk::MarchRequest request;
  request.people = 0;
  request.ticked[0] = request.ticked[3] = request.ticked[7] = true;
  request.ownXText = "-500";
  request.ownYText = "-500";
  request.targetXText = "500";
  request.targetYText = "500";
  request.arrivalHour = 12;
  request.arrivalDay = 2;
  for (auto _ : state) {
    menetkalk::CalculateOutcome outcome = menetkalk::RunCalculate(request);
    benchmark::DoNotOptimize(outcome);
  }
}
BENCHMARK(BM_RunCalculateFullReport);

void BM_CountBackLongestMarch(benchmark::State& state) {
  menetkalk::WeekClock arrival{12, 0, 0, 2};
  std::uint32_t travel = 1697056;  // 471:24:16
  for (auto _ : state) {
    benchmark::DoNotOptimize(arrival);
    benchmark::DoNotOptimize(travel);
    benchmark::DoNotOptimize(menetkalk::CountBackLaunch(arrival, travel));
  }
}
BENCHMARK(BM_CountBackLongestMarch);

}  // namespace
BENCHMARK_MAIN();
