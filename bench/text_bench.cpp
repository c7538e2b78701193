// Panel texts and the function table: what the panels cost each time a curve is selected.
#include <benchmark/benchmark.h>

#include "model/domain_text.h"
#include "model/editor_state.h"
#include "render/function_table.h"
#include "render/math_text.h"

namespace {

// A canvas that only counts operations, so the layout work itself is measured.
class NullCanvas : public Canvas {
 public:
  int64_t count = 0;

  int32_t Width() const override { return width_; }
  int32_t Height() const override { return height_; }
  void Resize(int32_t width, int32_t height) override {
    width_ = width;
    height_ = height;
  }
  void SetPenColor(TColor) override {}
  void SetPenWidth(int32_t) override {}
  void SetPenMode(PenMode mode) override { mode_ = mode; }
  PenMode GetPenMode() const override { return mode_; }
  void SetBrushColor(TColor) override {}
  void SetBrushNone() override {}
  void SetFontName(std::string_view) override {}
  void SetFontSize(int32_t points) override { size_ = points; }
  void SetFontItalic(bool) override {}
  void SetFontColor(TColor) override {}
  int32_t FontSize() const override { return size_; }
  void MoveTo(int32_t, int32_t) override { ++count; }
  void LineTo(int32_t, int32_t) override { ++count; }
  void Rectangle(int32_t, int32_t, int32_t, int32_t) override { ++count; }
  void Ellipse(int32_t, int32_t, int32_t, int32_t) override { ++count; }
  void FillRect(const PixelRect&, TColor) override { ++count; }
  void TextOut(int32_t, int32_t, const std::string&) override { ++count; }
  void CopyRect(const PixelRect&, const Canvas&, const PixelRect&, CopyMode) override { ++count; }

 private:
  int32_t width_ = 347;
  int32_t height_ = 73;
  int32_t size_ = 9;
  PenMode mode_ = PenMode::Copy;
};

void BM_DomainText(benchmark::State& bench) {
  TLineData line;
  line.X1 = 4;
  line.Y1 = 3;
  line.LMode = kModeSegment;
  line.HenikiStart = -5;
  line.HenikiEnd = 7;
  line.IncStart = true;
  const std::string text = YRangeText(line);  // "y ≦-12/5, 12/7＜ y"
  const EditorState state;
  NullCanvas canvas;
  for (auto _ : bench) {
    DrawMathText(canvas, text, state);
    benchmark::DoNotOptimize(canvas.count);
  }
}
BENCHMARK(BM_DomainText);

// a = 6: all values shown; a = 307 with integers only: 600 values are looked at for two.
void BM_FillTable(benchmark::State& bench) {
  DisplayOptions options;
  std::vector<TLineData> curves(1);
  curves[0].X1 = static_cast<int32_t>(bench.range(0));
  curves[0].Y1 = 1;
  options.chkIntOnly = bench.range(1) != 0;
  NullCanvas canvas1;
  NullCanvas canvas2;
  TableGrid drgTable(canvas1);
  TableGrid drgTable2(canvas2);
  for (auto _ : bench) {
    FillTable(drgTable, drgTable2, options, curves, 0);
    benchmark::DoNotOptimize(canvas1.count);
  }
}
BENCHMARK(BM_FillTable)->Args({6, 0})->Args({307, 1});

}  // namespace
