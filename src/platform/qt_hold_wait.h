// The press-and-hold wait on Qt's event loop.
#pragma once

#include "services/hold_wait.h"

class QtHoldWait : public HoldWait {
 public:
  void WaitFor(int32_t milliseconds, const std::function<bool()>& finished) override;
};
