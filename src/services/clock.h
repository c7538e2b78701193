// The date, the time of day and a millisecond tick: what records, printing and the practice
// timer read of the clock. The program reads the system clock; tests set the time.
#pragma once

#include <cstdint>

struct DateTime {
  int32_t year = 2000;
  int32_t month = 1;  // 1..12
  int32_t day = 1;    // 1..31
  int32_t hour = 0;   // 0..23
  int32_t minute = 0;
  int32_t second = 0;
  friend bool operator==(const DateTime&, const DateTime&) = default;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // The local date and time.
  virtual DateTime Now() const = 0;
  // Milliseconds from an arbitrary start; only differences mean anything.
  virtual int64_t TickMs() const = 0;
};
