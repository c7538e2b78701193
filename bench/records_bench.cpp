// Practice records at the size of a school's year: a Record.ini of 100 units with 100 records
// each. Adding one record (lock, read, parse, write, flush, rename) and filling the records
// viewer for a library of 100 test files.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "library/records.h"
#include "library/records_view.h"
#include "model/cp932.h"
#include "silent_prompter.h"

namespace {

constexpr int kUnits = 100;
constexpr int kRecordsPerUnit = 100;

std::string UnitTitle(int unit) { return ToCp932("反比例のグラフ　その" + std::to_string(unit)); }

std::string HundredByHundred() {
  const std::string value = ToCp932("2003年06月12日 09:05 ○○△×○○○○△○ 03分12秒");
  std::string bytes;
  for (int unit = 1; unit <= kUnits; ++unit) {
    bytes += "[" + UnitTitle(unit) + "]\r\n";
    for (int k = 1; k <= kRecordsPerUnit; ++k) bytes += std::to_string(k) + "=" + value + "\r\n";
  }
  return bytes;
}

void Write(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A program folder with Record.ini and DATA holding a test file per unit.
struct BenchProgram {
  std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("mevrolin_records_" + std::to_string(::getpid()));
  std::string records = HundredByHundred();
  BenchProgram() {
    std::filesystem::create_directories(folder / "DATA");
    Write(folder / "Record.ini", records);
    for (int unit = 1; unit <= kUnits; ++unit) {
      Write(folder / "DATA" / ("unit" + std::to_string(unit) + ".tst"),
            UnitTitle(unit) + "\r\n255,16\r\ny = 6/x\r\n2,3\r\n-99,-99\r\n-99,99\r\n");
    }
  }
  ~BenchProgram() { std::filesystem::remove_all(folder); }
  std::string ProgDir() const { return folder.string() + "/"; }
};

void BM_WriteRecordInto100Units(benchmark::State& state) {
  const BenchProgram program;
  const std::string unit = UnitTitle(kUnits / 2);
  const std::string value = ToCp932("2003年06月13日 14:30 ○○○ 00分48秒");
  for (auto _ : state) {
    if (!WriteRecord(program.ProgDir(), unit, value)) state.SkipWithError("not written");
    state.PauseTiming();
    Write(program.folder / "Record.ini", program.records);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_WriteRecordInto100Units)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same change in memory only: what the write costs besides the file system.
void BM_AddRecordInMemory100Units(benchmark::State& state) {
  const std::string records = HundredByHundred();
  const std::string unit = UnitTitle(kUnits / 2);
  for (auto _ : state) {
    ProfileFile file(records);
    const int64_t next = RecordKeys(file, unit).back() + 1;
    file.WriteString(unit, std::to_string(next), "x");
    benchmark::DoNotOptimize(file.Bytes());
  }
}
BENCHMARK(BM_AddRecordInMemory100Units)->Unit(benchmark::kMillisecond);

void BM_RecordsViewFill100TestFiles(benchmark::State& state) {
  const BenchProgram program;
  SilentPrompter prompter;
  RecordsView view(program.ProgDir(), prompter);
  for (auto _ : state) {
    view.Fill();
    benchmark::DoNotOptimize(view.TitleItems().data());
  }
}
BENCHMARK(BM_RecordsViewFill100TestFiles)->Unit(benchmark::kMillisecond)->UseRealTime();

// A class's records after years: units of many records each, and a library of their test files.
struct LongSections {
  std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                 ("mevrolin_long_records_" + std::to_string(::getpid()));
  LongSections(int units, int records) {
    std::filesystem::create_directories(folder / "DATA");
    const std::string value = ToCp932("2003年06月12日 09:05 ○○△×○○○○△○ 03分12秒");
    std::string bytes;
    for (int unit = 1; unit <= units; ++unit) {
      bytes += "[" + UnitTitle(unit) + "]\r\n";
      for (int k = 1; k <= records; ++k) bytes += std::to_string(k) + "=" + value + "\r\n";
      Write(folder / "DATA" / ("unit" + std::to_string(unit) + ".tst"),
            UnitTitle(unit) + "\r\n255,16\r\ny = 6/x\r\n2,3\r\n-99,-99\r\n-99,99\r\n");
    }
    Write(folder / "Record.ini", bytes);
  }
  ~LongSections() { std::filesystem::remove_all(folder); }
  std::string ProgDir() const { return folder.string() + "/"; }
};

// A click on a unit of 40,000 records: the file read again and the unit's lines listed.
void BM_RecordsViewClickOn40000Records(benchmark::State& state) {
  const LongSections program(1, 40000);
  SilentPrompter prompter;
  RecordsView view(program.ProgDir(), prompter);
  view.Fill();
  for (auto _ : state) {
    view.Click(0);
    benchmark::DoNotOptimize(view.DetailLines().data());
  }
}
BENCHMARK(BM_RecordsViewClickOn40000Records)->Unit(benchmark::kMillisecond)->UseRealTime();

// Filling the viewer over 31 units of 5,000 records each (1.3 MiB), and a click on one of them.
void BM_RecordsViewFill31Units5000Records(benchmark::State& state) {
  const LongSections program(31, 5000);
  SilentPrompter prompter;
  RecordsView view(program.ProgDir(), prompter);
  for (auto _ : state) {
    view.Fill();
    benchmark::DoNotOptimize(view.TitleItems().data());
  }
}
BENCHMARK(BM_RecordsViewFill31Units5000Records)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RecordsViewClick31Units5000Records(benchmark::State& state) {
  const LongSections program(31, 5000);
  SilentPrompter prompter;
  RecordsView view(program.ProgDir(), prompter);
  view.Fill();
  for (auto _ : state) {
    view.Click(15);
    benchmark::DoNotOptimize(view.DetailLines().data());
  }
}
BENCHMARK(BM_RecordsViewClick31Units5000Records)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
