#include "platform/qt_hold_wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

void QtHoldWait::ProcessEvents(int32_t milliseconds) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < milliseconds) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(5);
  }
}
