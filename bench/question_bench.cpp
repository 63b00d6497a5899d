// The time to make one question of each reaction type.
#include <benchmark/benchmark.h>

#include <string>

#include "ion.h"
#include "question.h"
#include "reaction_types.h"

namespace {

void makeQuestionOfType(benchmark::State& state) {
  seedChance(1);
  const auto type = static_cast<unsigned>(state.range(0));
  // The loop variable only counts iterations.
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
    makeQuestion(type);
    benchmark::DoNotOptimize(ionic.data());
  }
  state.SetLabel(std::string(reactionType(type).name));
}

BENCHMARK(makeQuestionOfType)
    ->DenseRange(1, reactionTypes)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
