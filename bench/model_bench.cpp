// Text building for one curve: what the panels do each time a curve is selected.
#include <benchmark/benchmark.h>

#include "model/domain_text.h"
#include "model/equation_text.h"

namespace {

void BM_CurveTexts(benchmark::State& state) {
  TLineData line;
  line.X1 = 4;
  line.Y1 = 3;
  line.LMode = kModeSegment;
  line.HenikiStart = -5;
  line.HenikiEnd = 7;
  line.IncStart = true;
  for (auto _ : state) {
    benchmark::DoNotOptimize(EquationText(line, EquationForm::Standard));
    benchmark::DoNotOptimize(XDomainText(line));
    benchmark::DoNotOptimize(YRangeText(line));
  }
}
BENCHMARK(BM_CurveTexts);

}  // namespace

BENCHMARK_MAIN();
