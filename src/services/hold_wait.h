// The press-and-hold wait of the plane: pending events (the release among them) run while the
// press handler waits, so that a click can be told from a held press.
#pragma once

#include <cstdint>

class HoldWait {
 public:
  virtual ~HoldWait() = default;
  // Lets pending events run for about this many milliseconds.
  virtual void ProcessEvents(int32_t milliseconds) = 0;
};
