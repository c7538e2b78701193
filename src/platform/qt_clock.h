// The system clock: local date and time, and a monotonic millisecond tick.
#pragma once

#include <QElapsedTimer>

#include "services/clock.h"

class QtClock : public Clock {
 public:
  QtClock() { timer_.start(); }
  DateTime Now() const override;
  int64_t TickMs() const override { return timer_.elapsed(); }

 private:
  QElapsedTimer timer_;
};
