// The time to make one question of each reaction type.
#include <benchmark/benchmark.h>

#include "ion.h"
#include "question.h"

namespace {

constexpr const char* typeNames[] = {
    "acid + base",           "acid + carbonate",
    "acid + reactive metal", "water + reactive metal",
    "metal + nonmetal",      "precipitation",
    "single displacement",   "combustion"};

void makeQuestionOfType(benchmark::State& state) {
  initIons();
  seedChance(1);
  const auto type = static_cast<unsigned>(state.range(0));
  // The loop variable only counts iterations.
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
    makeQuestion(type);
    benchmark::DoNotOptimize(ionic.data());
  }
  state.SetLabel(typeNames[type - 1]);
}

BENCHMARK(makeQuestionOfType)
    ->DenseRange(1, 8)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
