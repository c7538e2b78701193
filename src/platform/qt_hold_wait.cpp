#include "platform/qt_hold_wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

void QtHoldWait::WaitFor(int32_t milliseconds, const std::function<bool()>& finished) {
  QElapsedTimer elapsed;
  elapsed.start();
  // A ticking timer lets the wait below return when no other event comes.
  QTimer tick;
  tick.start(5);
  while (!finished() && elapsed.elapsed() < milliseconds) {
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
}
