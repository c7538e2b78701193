// The unit library at a size no school reaches: 1,000 units of five curves each. Listing them
// by title (what every unit window does when shown), opening one into the editor's work, and
// previewing one on a plane as the open-by-unit window does on a click.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "bench_app.h"
#include "library/tangen_open_form.h"
#include "library/unit_library.h"
#include "platform/qt_canvas.h"
#include "silent_prompter.h"
#include "storage/work_file.h"

namespace {

constexpr int kUnits = 1000;

// A library of kUnits files, made once and removed at exit.
const std::string& Library() {
  static const std::string path = [] {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("mevrolin_library_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    SilentPrompter prompter;
    for (int u = 0; u < kUnits; ++u) {
      DocumentBuffer buffer;
      buffer.Reset("");
      for (int32_t k = 1; k <= 5; ++k) {
        TLineData line;
        line.LWidth = 1;
        line.IncStart = line.IncEnd = true;
        line.X1 = k;
        line.Y1 = u % 7 + 1;
        line.HenikiStart = kOpenLeft;
        line.HenikiEnd = kOpenRight;
        line.Shiki = EquationText(line, EquationForm::Standard);
        buffer.AppendCurve(line);
      }
      char name[32];
      std::snprintf(name, sizeof name, "unit%04d.%s", u, u % 3 == 0 ? "tst" : "mvr");
      SaveLineFile("unit " + std::to_string(u), (folder / name).string(), buffer, prompter);
    }
    std::atexit([] { std::filesystem::remove_all(Library()); });
    return folder.string() + "/";
  }();
  return path;
}

void BM_ListUnits1000(benchmark::State& state) {
  const std::string& library = Library();
  for (auto _ : state) benchmark::DoNotOptimize(ListUnits(library, UnitMask::DrawingAndTest));
}
BENCHMARK(BM_ListUnits1000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_OpenUnitFrom1000(benchmark::State& state) {
  const std::string path = Library() + "unit0500.mvr";
  SilentPrompter prompter;
  Work work;
  for (auto _ : state) {
    benchmark::DoNotOptimize(LoadLineFile(path, EquationForm::Standard, prompter, work));
  }
}
BENCHMARK(BM_OpenUnitFrom1000)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// Shows the window's lists afresh and previews one unit on a 544-pixel plane.
void BM_ShowAndPreviewFrom1000(benchmark::State& state) {
  EnsureApplication();
  const std::string& library = Library();
  QtCanvas plane(544, 544);
  PlaneSettings settings;
  EditorState editorState;
  editorState.MaxCoodSize = 544;
  TangenOpenForm form(plane, settings, settings);
  SilentPrompter prompter;
  for (auto _ : state) {
    form.FormShow(true, library, editorState);
    form.TitleClick(500, prompter);
    benchmark::DoNotOptimize(plane.Image());
  }
}
BENCHMARK(BM_ShowAndPreviewFrom1000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
