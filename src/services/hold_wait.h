// The press-and-hold wait of the plane: pending events (the release among them) run while the
// press handler waits, so that a click can be told from a held press.
#pragma once

#include <cstdint>
#include <functional>

class HoldWait {
 public:
  virtual ~HoldWait() = default;
  // Lets pending events run for at most this many milliseconds, and returns as soon as finished
  // holds after an event has run (a click ends with its release, not with the time).
  virtual void WaitFor(int32_t milliseconds, const std::function<bool()>& finished) = 0;
};
