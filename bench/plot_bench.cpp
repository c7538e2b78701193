// Plane redraw speed: a full redraw with 100 curves, one rubber-band step of a drag, and the
// floor they are measured against (the same line segments painted straight with QPainter).
// Measure a release build, e.g. with --benchmark_enable_random_interleaving=true so that the
// load of a shared machine falls on all of them alike.
#include <benchmark/benchmark.h>

#include <QPainter>
#include <QTemporaryDir>
#include <vector>

#include "bench_app.h"
#include "platform/qt_canvas.h"
#include "platform/qt_figure_encoder.h"
#include "platform/qt_printer.h"
#include "printing/print_session.h"
#include "render/coordinate_plane.h"
#include "render/curve_plot.h"
#include "silent_prompter.h"
#include "windows/frm_print.h"

namespace {

constexpr int32_t kPlaneSize = 544;

struct PlotWork {
  EditorState state;
  PlaneSettings settings;
  std::vector<TLineData> curves;
  std::vector<bool> selected;
};

// 100 curves of every mode, widths 1 and 2, every tenth selected.
PlotWork MakeWork() {
  PlotWork w;
  w.state.MaxCoodSize = kPlaneSize;
  w.state.Options.chkMaruX = true;
  w.curves.resize(kMaxLines);
  for (int32_t i = 0; i < kMaxLines; ++i) {
    TLineData& c = w.curves[static_cast<size_t>(i)];
    c.X1 = (i % 11) - 5;
    if (c.X1 == 0) c.X1 = 6;
    c.Y1 = (i % 2 == 0 ? 1 : -1) * ((i % 7) + 1);
    c.LMode = i % 4;
    c.LWidth = i % 3 == 0 ? 2 : 1;
    c.Color = ColorTable[static_cast<size_t>(i % 16)];
    c.IncStart = i % 2 == 0;
    c.IncEnd = i % 3 == 0;
    c.HenikiStart = kOpenLeft;
    c.HenikiEnd = kOpenRight;
    if (c.LMode == kModeSegment) {
      c.HenikiStart = (i % 5) - 4;
      c.HenikiEnd = c.HenikiStart + 3 + (i % 4);
    } else if (c.LMode == kModeRight) {
      c.HenikiStart = (i % 9) - 4;
    } else if (c.LMode == kModeLeft) {
      c.HenikiEnd = (i % 9) - 4;
    }
    w.selected.push_back(i % 10 == 0);
  }
  return w;
}

void FullRedraw(Canvas& canvas, PlotWork& w) {
  const PlaneGeometry g = DrawCood(canvas, w.settings, w.state);
  canvas.SetPenMode(PenMode::Copy);
  for (std::size_t i = 0; i < w.curves.size(); ++i) {
    const TLineData& c = w.curves[i];
    const bool selected = w.selected[i];
    DrawLine(canvas, g, c, selected, w.state);
    if (selected) DrawLatticeMarks(canvas, g, c, w.state);
  }
  canvas.SetPenMode(PenMode::NotXor);
}

// Collects the line runs a drawing paints, each with the pen it was drawn with, to replay them
// straight with QPainter as the floor.
class RunCollector : public QtCanvas {
 public:
  using QtCanvas::QtCanvas;
  struct Run {
    QPolygon points;
    QPen pen;
  };
  std::vector<Run> runs;
  void SetPenColor(TColor color) override {
    pen_.setColor(ToQColor(color));
    QtCanvas::SetPenColor(color);
  }
  void SetPenWidth(int32_t width) override {
    pen_.setWidth(width);
    QtCanvas::SetPenWidth(width);
  }
  void MoveTo(int32_t x, int32_t y) override {
    runs.push_back({QPolygon(), pen_});
    runs.back().points << QPoint(x, y);
    QtCanvas::MoveTo(x, y);
  }
  void LineTo(int32_t x, int32_t y) override {
    if (runs.empty()) runs.push_back({QPolygon(), pen_});
    runs.back().points << QPoint(x, y);
    QtCanvas::LineTo(x, y);
  }

 private:
  QPen pen_{QColor(Qt::black), 1, Qt::SolidLine, Qt::FlatCap};
};

// The runs painted straight, with their own pens.
void PaintRuns(QPainter& p, const std::vector<RunCollector::Run>& runs) {
  for (const RunCollector::Run& run : runs) {
    p.setPen(run.pen);
    p.drawPolyline(run.points);
  }
}

void BM_FullRedraw(benchmark::State& bench) {
  EnsureApplication();
  PlotWork w = MakeWork();
  QtCanvas canvas(kPlaneSize, kPlaneSize);
  for (auto _ : bench) {
    FullRedraw(canvas, w);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly();

void BM_FullRedrawFloor(benchmark::State& bench) {
  EnsureApplication();
  PlotWork w = MakeWork();
  RunCollector collector(kPlaneSize, kPlaneSize);
  FullRedraw(collector, w);
  int64_t segments = 0;
  for (const auto& run : collector.runs) segments += std::max<int64_t>(run.points.size() - 1, 0);
  QImage image(kPlaneSize, kPlaneSize, QImage::Format_RGB32);
  for (auto _ : bench) {
    QPainter p(&image);
    p.fillRect(image.rect(), Qt::white);
    PaintRuns(p, collector.runs);
    p.end();
    benchmark::DoNotOptimize(image.constBits());
  }
  bench.counters["segments"] = static_cast<double>(segments);
}
BENCHMARK(BM_FullRedrawFloor)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly();

// One step of dragging a handle: the curve at its old place is drawn again in not-xor (which
// removes it) and drawn at its new place.
void BM_RubberBandStep(benchmark::State& bench) {
  EnsureApplication();
  PlotWork w = MakeWork();
  QtCanvas canvas(kPlaneSize, kPlaneSize);
  FullRedraw(canvas, w);
  const PlaneGeometry g = ComputePlaneGeometry(w.settings, w.settings, w.state.MaxCoodSize);
  TLineData dragged = w.curves[0];
  dragged.X1 = 2;
  dragged.Y1 = 3;
  w.state.DragMode = 2;
  canvas.SetPenMode(PenMode::NotXor);
  for (auto _ : bench) {
    DrawLine(canvas, g, dragged, true, w.state);
    DrawLine(canvas, g, dragged, true, w.state);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_RubberBandStep)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly();

// The floor of a drag step: the same curve's runs painted twice in not-xor, with their pens.
void BM_RubberBandStepFloor(benchmark::State& bench) {
  EnsureApplication();
  PlotWork w = MakeWork();
  RunCollector collector(kPlaneSize, kPlaneSize);
  const PlaneGeometry g = ComputePlaneGeometry(w.settings, w.settings, w.state.MaxCoodSize);
  TLineData dragged = w.curves[0];
  dragged.X1 = 2;
  dragged.Y1 = 3;
  w.state.DragMode = 2;
  collector.SetPenMode(PenMode::NotXor);
  DrawLine(collector, g, dragged, true, w.state);
  QtCanvas canvas(kPlaneSize, kPlaneSize);
  FullRedraw(canvas, w);
  QImage& image = canvas.Image();
  for (auto _ : bench) {
    QPainter p(&image);
    p.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    PaintRuns(p, collector.runs);
    PaintRuns(p, collector.runs);
    p.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_RubberBandStepFloor)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly();

// Printing a page of the 544 plane with 100 curves to a PDF at the printer's resolution
// (300 dots per inch and more): the page drawn four times finer, then written losslessly.
// Target: under 0.5 s.
class FinePage : public PagePicture {
 public:
  FinePage(PlotWork& w, const QtCanvas& plane) : work_(w), plane_(plane) {}
  int32_t Width() const override { return kPreviewSize; }
  int32_t Height() const override { return kPreviewSize; }
  const Canvas& At(int32_t factor) override {
    DrawFinePage(
        page_, factor, plane_, [this](Canvas& c) { FullRedraw(c, work_); }, PreviewLayout{},
        "Mevrolin.mvr  2003.06.05  09:05", "Kelvado");
    return page_;
  }

 private:
  PlotWork& work_;
  const QtCanvas& plane_;
  QtCanvas page_{1, 1};
};

void BM_PrintPageToPdf(benchmark::State& bench) {
  EnsureApplication();
  PlotWork w = MakeWork();
  QtCanvas plane(kPlaneSize, kPlaneSize);
  FullRedraw(plane, w);
  QTemporaryDir folder;
  QtPrinter printer(nullptr);
  printer.Device().setOutputFormat(QPrinter::PdfFormat);
  printer.Device().setOutputFileName(folder.filePath("page.pdf"));
  SilentPrompter prompter;
  FinePage page(w, plane);
  for (auto _ : bench) PrintSession(printer, prompter).PrintPreview(page);
}
BENCHMARK(BM_PrintPageToPdf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// 図を保存 of the same plane as a PNG four times its size. Target: under 0.5 s.
void BM_SaveFourTimesPng(benchmark::State& bench) {
  EnsureApplication();
  PlotWork w = MakeWork();
  QtFigureEncoder encoder;
  for (auto _ : bench) {
    const std::string png = encoder.Png([&w](Canvas& c) { FullRedraw(c, w); }, 4);
    benchmark::DoNotOptimize(png.data());
  }
}
BENCHMARK(BM_SaveFourTimesPng)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

}  // namespace
