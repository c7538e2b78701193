// A class at its full size: 40 pupils' program folders, each Record.ini with 10 units of 100
// records. Reading the class folder into the table, filling the class's records window from the
// click on its folder button to the table shown, and writing the CSV.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QCoreApplication>

#include <filesystem>
#include <fstream>
#include <string>

#include "bench_app.h"
#include "library/class_csv.h"
#include "library/class_records.h"
#include "model/cp932.h"
#include "silent_prompter.h"
#include "windows/frm_class_kiroku.h"

namespace {

constexpr int kPupils = 40;
constexpr int kUnits = 10;
constexpr int kRecordsPerUnit = 100;

struct BenchClass {
  std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("mevrolin_class_" + std::to_string(::getpid()));
  BenchClass() {
    const std::string value = ToCp932("2003年06月12日 09:05 ○○△×○○○○△○ 03分12秒");
    std::string bytes;
    for (int unit = 1; unit <= kUnits; ++unit) {
      bytes += "[" + ToCp932("反比例のグラフ　その" + std::to_string(unit)) + "]\r\n";
      for (int k = 1; k <= kRecordsPerUnit; ++k) bytes += std::to_string(k) + "=" + value + "\r\n";
    }
    for (int pupil = 0; pupil < kPupils; ++pupil) {
      const auto dir = folder / ("pupil" + std::to_string(pupil));
      std::filesystem::create_directories(dir / "DATA");
      std::ofstream(dir / "Record.ini", std::ios::binary) << bytes;
    }
  }
  ~BenchClass() { std::filesystem::remove_all(folder); }
};

void BM_ReadClassOf40x10x100(benchmark::State& state) {
  const BenchClass bench;
  for (auto _ : state) {
    const ClassTable table = ReadClassFolder(bench.folder.string());
    if (table.rows.size() != kPupils || table.units.size() != kUnits) {
      state.SkipWithError("wrong table");
    }
    for (const ClassRow& row : table.rows) {
      for (const ClassCell& cell : row.cells) benchmark::DoNotOptimize(ClassCellText(cell));
    }
  }
}
BENCHMARK(BM_ReadClassOf40x10x100)->Unit(benchmark::kMillisecond);

// Chooses the class folder when asked; keeps settings for this run only.
struct ClassPrompter : SilentPrompter {
  std::string folder;
  std::optional<std::string> ChooseFolder(const std::string&) override { return folder; }
};
struct MemorySettings : SettingsStore {
  std::string ReadSettingStr(const std::string&, const std::string& d) override { return d; }
  int32_t ReadSettingInt(const std::string&, int32_t d) override { return d; }
  void WriteSettingStr(const std::string&, const std::string&) override {}
  void WriteSettingInt(const std::string&, int32_t) override {}
  void WriteSettingBool(const std::string&, bool) override {}
  bool HasSetting(const std::string&) override { return false; }
  bool SaveSettings() override { return true; }
};

void BM_FillClassWindowOf40x10x100(benchmark::State& state) {
  EnsureApplication();
  const BenchClass bench;
  ClassPrompter prompter;
  prompter.folder = bench.folder.string();
  MemorySettings settings;
  TfrmClassKiroku window(nullptr, prompter, settings);
  for (auto _ : state) {
    window.btnFolderClick();
    while (window.Reading()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    if (window.drgClass->rowCount() != kPupils) state.SkipWithError("not filled");
  }
}
BENCHMARK(BM_FillClassWindowOf40x10x100)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ClassCsvOf40x10x100(benchmark::State& state) {
  const BenchClass bench;
  const ClassTable table = ReadClassFolder(bench.folder.string());
  for (auto _ : state) benchmark::DoNotOptimize(ClassCsv(table));
}
BENCHMARK(BM_ClassCsvOf40x10x100)->Unit(benchmark::kMillisecond);

}  // namespace
