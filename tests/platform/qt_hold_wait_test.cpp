#include "platform/qt_hold_wait.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>

namespace {

TEST(QtHoldWait, EndsWithTheEventThatFinishesItNotWithTheTime) {
  QtHoldWait wait;
  bool released = false;
  QTimer::singleShot(10, [&released] { released = true; });
  QElapsedTimer elapsed;
  elapsed.start();
  wait.WaitFor(60000, [&released] { return released; });
  EXPECT_TRUE(released);
  EXPECT_LT(elapsed.elapsed(), 30000);  // far from the minute it might have waited
}

TEST(QtHoldWait, AHeldPressWaitsItsTimeWhileEventsRun) {
  QtHoldWait wait;
  int ticks = 0;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&ticks] { ++ticks; });
  tick.start(10);
  QElapsedTimer elapsed;
  elapsed.start();
  wait.WaitFor(100, [] { return false; });
  EXPECT_GE(elapsed.elapsed(), 100);
  EXPECT_GT(ticks, 0);  // other events ran meanwhile
}

}  // namespace
