// The cost of the work's undo history: the time one change of a 100-curve work takes with its
// step recorded, and the memory a full history of 100 steps on 100 curves holds.
#include <malloc.h>

#include <benchmark/benchmark.h>
#include <cstddef>
#include <cstdlib>
#include <new>

#include "storage/document_buffer.h"
#include "storage/work.h"

namespace {

// Bytes the program holds on the heap, counted by the allocation functions below.
std::size_t liveBytes = 0;

}  // namespace

void* operator new(std::size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr) throw std::bad_alloc();
  liveBytes += malloc_usable_size(p);
  return p;
}
void operator delete(void* p) noexcept {
  if (p == nullptr) return;
  liveBytes -= malloc_usable_size(p);
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace {

TLineData Curve(int32_t i, int32_t shift) {
  TLineData line;
  line.LMode = i % 4;
  line.LWidth = 1 + i % 3;
  line.IncStart = true;
  line.IncEnd = i % 2 == 0;
  line.Color = 0x010101 * (i % 200);
  line.X1 = 1 + i % 9 + shift;
  line.Y1 = -(1 + i % 7);
  line.HenikiStart = line.LMode == kModeWhole ? kOpenLeft : -3;
  line.HenikiEnd = line.LMode == kModeWhole ? kOpenRight : 4;
  line.Shiki = EquationText(line, EquationForm::Standard);
  return line;
}

// A work of 100 curves as read from a file: a fresh history.
void LoadHundred(Work& work) {
  std::vector<TLineData> curves;
  std::vector<std::string> lines{"反比例のグラフ"};
  for (int32_t i = 0; i < kMaxLines; ++i) {
    curves.push_back(Curve(i, 0));
    for (const std::string& line : CurveLines(curves.back())) lines.push_back(line);
  }
  work.Load(std::move(curves), std::move(lines), EquationForm::Standard);
}

// One change of one curve (a drag or an arrow move) and the step it records.
void BM_WorkStepOneCurve(benchmark::State& bench) {
  Work work;
  LoadHundred(work);
  int32_t n = 0;
  for (auto _ : bench) {
    const int32_t i = n % kMaxLines;
    work.ReplaceCurve(i, Curve(i, 1 + (n / kMaxLines) % 2), EquationForm::Standard);
    ++n;
  }
}
BENCHMARK(BM_WorkStepOneCurve)->Unit(benchmark::kMicrosecond);

// One change of every curve (the fixed colour) and the step it records.
void BM_WorkStepAllCurves(benchmark::State& bench) {
  Work work;
  LoadHundred(work);
  int32_t n = 0;
  for (auto _ : bench) {
    const Work::Change change(work);
    for (int32_t i = 0; i < kMaxLines; ++i) work.Restyle(i, n, 1 + n % 3);
    ++n;
  }
}
BENCHMARK(BM_WorkStepAllCurves)->Unit(benchmark::kMicrosecond);

// The memory a history of 100 steps on a 100-curve work holds, when each step changes one
// curve and when each changes all of them.
void BM_WorkHistoryMemory(benchmark::State& bench) {
  const bool allCurves = bench.range(0) != 0;
  for (auto _ : bench) {
    Work work;
    LoadHundred(work);
    const std::size_t before = liveBytes;
    for (int32_t step = 0; step < 100; ++step) {
      const Work::Change change(work);
      const int32_t first = allCurves ? 0 : step % kMaxLines;
      const int32_t last = allCurves ? kMaxLines - 1 : first;
      for (int32_t i = first; i <= last; ++i) work.Restyle(i, step, 1 + step % 3);
    }
    bench.counters["history_MiB"] = static_cast<double>(liveBytes - before) / (1024.0 * 1024.0);
  }
}
BENCHMARK(BM_WorkHistoryMemory)->Arg(0)->Arg(1)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
