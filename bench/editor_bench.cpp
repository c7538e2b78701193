// The editor's full redraw as the main window runs it: plane, 100 curves, and the panels and
// function table of the last selected curve, all on real images.
#include <benchmark/benchmark.h>

#include "app/editor.h"
#include "bench_app.h"
#include "model/cp932.h"
#include "platform/qt_canvas.h"

namespace {

class NullView : public EditorView {
 public:
  void PlanePlaced(int32_t, int32_t, int32_t, int32_t) override {}
  void ImagesChanged() override {}
  void SetPlaneCursor(int32_t) override {}
  void ListChanged() override {}
  void FileInfoChanged() override {}
  void TextsChanged() override {}
  void ProcessEvents(int32_t) override {}
  void ShowPractice() override {}
  bool ChooseUnitForPractice() override { return false; }
  void ShowListMenu(int32_t, int32_t) override {}
  std::string NewWorkTitle() override { return "bench"; }
  bool PasteClipboardPicture(Canvas&) override { return false; }
};

class SilentPrompter : public Prompter {
 public:
  void Message(const std::string&) override {}
  Answer Ask(const std::string&, bool) override { return Answer::Yes; }
  std::optional<int32_t> ChooseColor(int32_t) override { return std::nullopt; }
};

void BM_DispAllLine(benchmark::State& bench) {
  EnsureApplication();
  QtCanvas plane(544, 544), shiki(161, 65), teisuu(161, 65), henikiX(347, 73), henikiY(347, 73),
      sample(40, 24), table(367, 65), table2(367, 65);
  TableGrid grid(table), grid2(table2);
  NullView view;
  SilentPrompter prompter;
  PlaneSettings settings;
  Editor editor({plane, shiki, teisuu, henikiX, henikiY, sample, grid, grid2}, view, prompter,
                settings);
  editor.state.MaxCoodSize = 544;
  editor.FormShow();
  // 100 curves of every mode; every tenth selected, the last selected one a segment.
  for (int32_t i = 0; i < kMaxLines; ++i) {
    editor.state.LineMode = i % 4;
    TLineData line = editor.MakeLine({(i % 11) - 5 == 0 ? 6 : (i % 11) - 5, 1 + i % 7});
    if (line.LMode == kModeSegment) {
      line.HenikiStart = (i % 5) - 4;
      line.HenikiEnd = line.HenikiStart + 3 + (i % 4);
    } else if (line.LMode == kModeRight) {
      line.HenikiStart = (i % 9) - 4;
    } else if (line.LMode == kModeLeft) {
      line.HenikiEnd = (i % 9) - 4;
    }
    line.Shiki = EquationText(line, EquationForm::Standard);
    editor.state.LineData[static_cast<std::size_t>(i)] = line;
    editor.listItems.push_back(line.Shiki);
    editor.listSelected.push_back(i % 10 == 1);
    editor.state.LineCount = i + 1;
  }
  for (auto _ : bench) {
    editor.DispAllLine();
    benchmark::DoNotOptimize(plane.Image().constBits());
    benchmark::DoNotOptimize(table.Image().constBits());
  }
}
BENCHMARK(BM_DispAllLine)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly();

}  // namespace
