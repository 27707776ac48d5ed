#include <benchmark/benchmark.h>

#include "core/model.h"
#include "core/text.h"

namespace candelor {
namespace {

SolveInputs StartUp(float given) {
  SolveInputs in;
  in.RA = 100.0f;
  in.given = given;
  in.NOL = 2;
  in.LL = 2850;
  in.COU = 0.55f;
  in.LLF = 0.76f;
  return in;
}

void BM_SolveLuminaires(benchmark::State& state) {
  SolveInputs in = StartUp(60.0f);
  for (auto _ : state) {
    benchmark::DoNotOptimize(in);
    benchmark::DoNotOptimize(SolveLuminaires(in));
  }
}
BENCHMARK(BM_SolveLuminaires);

void BM_SolveLevel(benchmark::State& state) {
  SolveInputs in = StartUp(2.0f);
  for (auto _ : state) {
    benchmark::DoNotOptimize(in);
    benchmark::DoNotOptimize(SolveLevel(in));
  }
}
BENCHMARK(BM_SolveLevel);

void BM_LeadingValue(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(LeadingValue("2.518257"));
}
BENCHMARK(BM_LeadingValue);

void BM_IsNumberText(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(IsNumberText(" 1,000.5e2 "));
}
BENCHMARK(BM_IsNumberText);

void BM_FormatFixed(benchmark::State& state) {
  float x = 2.518257f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(FormatFixed(x, "0.0"));
  }
}
BENCHMARK(BM_FormatFixed);

void BM_SingleText(benchmark::State& state) {
  float x = 9.3025f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(SingleText(x));
  }
}
BENCHMARK(BM_SingleText);

}  // namespace
}  // namespace candelor
