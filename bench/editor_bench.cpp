// The editor's full redraw as the main window runs it: plane, 100 curves, and the panels and
// function table of the last selected curve, all on real images.
#include <benchmark/benchmark.h>

#include "bench_app.h"
#include "editor/editor.h"
#include "model/cp932.h"
#include "platform/qt_canvas.h"
#include "silent_prompter.h"

// Puts the curves in place without a redraw each.
class EditorTestAccess {
 public:
  static Work& WorkOf(Editor& editor) { return editor.work_; }
};

namespace {

class NullView : public EditorView {
 public:
  void PlanePlaced(int32_t, int32_t, int32_t, int32_t) override {}
  void ImagesChanged() override {}
  void SetPlaneCursor(int32_t) override {}
  void ListChanged() override {}
  void FileInfoChanged() override {}
  void TextsChanged() override {}
};

class NullServices : public HoldWait, public Clipboard, public WindowHost {
 public:
  void WaitFor(int32_t, const std::function<bool()>&) override {}
  void PutImage(const Canvas&) override {}
  bool DrawImageOn(Canvas&) override { return false; }
  void Show(ProgramWindow) override {}
  std::optional<PracticeSet> ChooseUnitForPractice() override { return std::nullopt; }
  void ShowPractice(const PracticeSet&) override {}
  void ShowHelp(int32_t) override {}
};

void BM_DispAllLine(benchmark::State& bench) {
  EnsureApplication();
  QtCanvas plane(544, 544), shiki(161, 65), teisuu(161, 65), henikiX(347, 73), henikiY(347, 73),
      sample(40, 24), table(367, 65), table2(367, 65);
  TableGrid grid(table), grid2(table2);
  NullView view;
  SilentPrompter prompter;
  NullServices services;
  PlaneSettings settings;
  Editor editor({plane, shiki, teisuu, henikiX, henikiY, sample, grid, grid2}, view,
                EditorServices{prompter, services, services, services}, settings);
  editor.SetLayout(1024, 740, 544);
  editor.FormShow();
  Work& work = EditorTestAccess::WorkOf(editor);
  // 100 curves of every mode; every tenth selected, the last selected one a segment.
  for (int32_t i = 0; i < kMaxLines; ++i) {
    editor.Options().SetLineMode(i % 4);
    TLineData line = editor.Mouse().MakeLine({(i % 11) - 5 == 0 ? 6 : (i % 11) - 5, 1 + i % 7});
    if (line.LMode == kModeSegment) {
      line.HenikiStart = (i % 5) - 4;
      line.HenikiEnd = line.HenikiStart + 3 + (i % 4);
    } else if (line.LMode == kModeRight) {
      line.HenikiStart = (i % 9) - 4;
    } else if (line.LMode == kModeLeft) {
      line.HenikiEnd = (i % 9) - 4;
    }
    line.Shiki = EquationText(line, EquationForm::Standard);
    work.Add(line, EquationForm::Standard);
    work.SetSelected(i, i % 10 == 1);
  }
  for (auto _ : bench) {
    editor.Display().DispAllLine();
    benchmark::DoNotOptimize(plane.Image().constBits());
    benchmark::DoNotOptimize(table.Image().constBits());
  }
}
BENCHMARK(BM_DispAllLine)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly();

}  // namespace
