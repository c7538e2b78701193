// The recovery copy is written after every change of an unsaved work: for a full work of 100
// curves it must stay well under what a teacher could notice (2 ms).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "storage/recovery_copy.h"

namespace {

void BM_KeepRecoveryCopy100(benchmark::State& state) {
  const auto folder =
      std::filesystem::temp_directory_path() / ("mevrolin_bench_rcv_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  Work work;
  work.Reset("bench");
  for (int32_t k = 1; k <= kMaxLines; ++k) {
    TLineData line;
    line.LMode = k % 4;
    line.LWidth = 1 + k % 3;
    line.Color = k * 65793;
    line.X1 = k % 9 + 1;
    line.Y1 = -(k % 7) - 1;
    line.HenikiStart = -(k % 10);
    line.HenikiEnd = 99;
    line.Shiki = EquationText(line, EquationForm::Standard);
    work.Add(line, EquationForm::Standard);
  }
  {
    RecoveryCopy copy;
    copy.Open(folder.string() + "/");
    for (auto _ : state) copy.Keep(work, "bench", "/home/teacher/DATA/unit.mvr", true);
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_KeepRecoveryCopy100)->Unit(benchmark::kMicrosecond);

}  // namespace
