// Opening and saving a work of 100 curves: the line format in memory, and the whole road
// through a file in a temporary folder.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "silent_prompter.h"
#include "storage/work_file.h"

namespace {

DocumentBuffer HundredCurves() {
  DocumentBuffer buffer;
  buffer.Reset("bench");
  for (int32_t k = 1; k <= kMaxLines; ++k) {
    TLineData line;
    line.LMode = k % 4;
    line.LWidth = 1 + k % 3;
    line.IncStart = k % 2 == 0;
    line.IncEnd = true;
    line.Color = k * 65793;
    line.X1 = k % 9 + 1;
    line.Y1 = -(k % 7) - 1;
    line.HenikiStart = -(k % 10);
    line.HenikiEnd = 99;
    line.Shiki = EquationText(line, EquationForm::Standard);
    buffer.AppendCurve(line);
  }
  return buffer;
}

std::filesystem::path BenchFolder() {
  const auto folder =
      std::filesystem::temp_directory_path() / ("mevrolin_bench_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  return folder;
}

void BM_ParseWork100(benchmark::State& state) {
  const std::string bytes = JoinTextLines(HundredCurves().Lines());
  for (auto _ : state) benchmark::DoNotOptimize(ParseWorkFile(bytes));
}
BENCHMARK(BM_ParseWork100);

void BM_SerializeWork100(benchmark::State& state) {
  DocumentBuffer buffer = HundredCurves();
  for (auto _ : state) benchmark::DoNotOptimize(JoinTextLines(buffer.Lines()));
}
BENCHMARK(BM_SerializeWork100);

void BM_LoadLineFile100(benchmark::State& state) {
  const auto folder = BenchFolder();
  const std::string name = (folder / "load.mvr").string();
  DocumentBuffer source = HundredCurves();
  SilentPrompter prompter;
  SaveLineFile("bench", name, source, prompter);
  Work work;
  for (auto _ : state) {
    benchmark::DoNotOptimize(LoadLineFile(name, EquationForm::Standard, prompter, work));
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadLineFile100);

// Includes the flush to disk that makes the save safe, which dominates.
void BM_SaveLineFile100(benchmark::State& state) {
  const auto folder = BenchFolder();
  const std::string name = (folder / "save.mvr").string();
  DocumentBuffer buffer = HundredCurves();
  SilentPrompter prompter;
  for (auto _ : state) benchmark::DoNotOptimize(SaveLineFile("bench", name, buffer, prompter));
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SaveLineFile100)->Unit(benchmark::kMicrosecond);

}  // namespace
