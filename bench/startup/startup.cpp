// Times the program as its users meet it, in one binary beside a bare Qt window built with the
// same flags: start to the first painted window, peak memory, and a quick click on the plane to
// the new curve on screen. Run by bench/startup/run.sh on an X server (or offscreen).
//   mevrolin_startup bare        a QWidget of the main window's size, shown and painted
//   mevrolin_startup program     every window of the program created, the main one painted
//   mevrolin_startup program100  the same, then 100 curves drawn one by one
//   mevrolin_startup click N     N quick clicks on lattice points, each to its curve on screen
// Each prints one line: the mode, milliseconds from entering main to the first paint (and from
// the process's start, when the environment gives it as STARTED_NS on the real-time clock), peak
// resident memory in KiB, and for clicks the median milliseconds of a click.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "model/equation_text.h"
#include "windows/frm_program.h"

namespace {

QElapsedTimer sinceMain;

// Milliseconds since the moment the caller started this process, or -1 when it did not say.
double SinceStart() {
  const char* started = std::getenv("STARTED_NS");
  if (started == nullptr) return -1;
  const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                       std::chrono::system_clock::now().time_since_epoch())
                       .count();
  return static_cast<double>(now - std::atoll(started)) / 1e6;
}

long PeakKiB() {
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Runs the action once the widget's next paint event has been handled.
class AfterPaint : public QObject {
 public:
  AfterPaint(QWidget* widget, std::function<void()> action)
      : widget_(widget), action_(std::move(action)) {
    widget_->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == widget_ && event->type() == QEvent::Paint && action_) {
      QTimer::singleShot(0, this, [this] {
        if (!action_) return;  // several paints before the first was followed up
        auto action = std::move(action_);
        action_ = nullptr;
        action();
      });
    }
    return false;
  }

 private:
  QWidget* widget_;
  std::function<void()> action_;
};

int Bare() {
  QWidget window;
  window.resize(1024, 740);
  double painted = 0;
  double started = 0;
  AfterPaint after(&window, [&] {
    painted = static_cast<double>(sinceMain.nsecsElapsed()) / 1e6;
    started = SinceStart();
    QApplication::quit();
  });
  window.show();
  QApplication::exec();
  std::printf("bare painted_ms=%.2f started_ms=%.2f peak_kib=%ld\n", painted, started, PeakKiB());
  return 0;
}

// A quick click as the window system delivers it to the window: the press, and the release
// as the next event.
void Tap(QWidget* plane, const QPoint& at) {
  QWindow* window = plane->window()->windowHandle();
  const QPoint inWindow = plane->mapTo(plane->window(), at);
  QTimer::singleShot(
      0, [window, inWindow] { QTest::mouseRelease(window, Qt::LeftButton, {}, inWindow); });
  QTest::mousePress(window, Qt::LeftButton, {}, inWindow);
}

// Quick clicks on lattice points one after another, each timed from the press to the first paint
// of the plane that shows its curve.
class ClickRun {
 public:
  ClickRun(TfrmMain& main, int clicks) : main_(main), clicks_(clicks) {}

  void Next() {
    const int i = static_cast<int>(ms_.size());
    if (i == clicks_) {
      QApplication::quit();
      return;
    }
    const PixelPoint p = main_.editor().Geometry().LatticeToPixel(1 + i % 10, 1 + (i / 10) % 10);
    before_ = main_.editor().OpenWork().Count();
    watch_ = std::make_unique<AfterPaint>(main_.imgCood, [this] { Painted(); });
    clock_.start();
    Tap(main_.imgCood, QPoint(p.x, p.y));
  }

  double MedianMs() {
    if (ms_.empty()) return 0;
    std::sort(ms_.begin(), ms_.end());
    return ms_[ms_.size() / 2];
  }
  std::size_t Count() const { return ms_.size(); }

 private:
  void Painted() {
    if (main_.editor().OpenWork().Count() == before_) {  // a paint before the curve came
      watch_ = std::make_unique<AfterPaint>(main_.imgCood, [this] { Painted(); });
      return;
    }
    ms_.push_back(static_cast<double>(clock_.nsecsElapsed()) / 1e6);
    QTimer::singleShot(20, [this] { Next(); });  // a moment between clicks, as a hand takes
  }

  TfrmMain& main_;
  int clicks_;
  int32_t before_ = 0;
  std::vector<double> ms_;
  std::unique_ptr<AfterPaint> watch_;
  QElapsedTimer clock_;
};

int Program(const char* mode, int clicks) {
  SetUpApplication();
  TProgram program;
  TfrmMain& main = program.frmMain;
  double painted = 0;
  double started = 0;
  ClickRun run(main, clicks);
  AfterPaint first(main.imgCood, [&] {
    painted = static_cast<double>(sinceMain.nsecsElapsed()) / 1e6;
    started = SinceStart();
    if (std::strcmp(mode, "program100") == 0) {
      for (int32_t i = 0; i < kMaxLines; ++i) {
        TLineData line = main.editor().Mouse().MakeLine({1 + i % 10, 1 + i / 10});
        line.Shiki = EquationText(line, EquationForm::Standard);
        main.editor().Mouse().RegistLine(line, -1);
      }
      QTimer::singleShot(0, [] { QApplication::quit(); });
    } else if (clicks > 0) {
      run.Next();
    } else {
      QApplication::quit();
    }
  });
  main.show();
  QApplication::exec();
  std::printf("%s painted_ms=%.2f started_ms=%.2f peak_kib=%ld", mode, painted, started, PeakKiB());
  if (run.Count() > 0) {
    std::printf(" click_median_ms=%.2f clicks=%zu", run.MedianMs(), run.Count());
  }
  std::printf("\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  sinceMain.start();
  QApplication app(argc, argv);
  const char* mode = argc > 1 ? argv[1] : "program";
  if (std::strcmp(mode, "bare") == 0) return Bare();
  if (std::strcmp(mode, "click") == 0) return Program(mode, argc > 2 ? std::atoi(argv[2]) : 20);
  return Program(mode, 0);
}
