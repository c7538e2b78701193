// The press-and-hold wait on Qt's event loop.
#pragma once

#include "services/hold_wait.h"

class QtHoldWait : public HoldWait {
 public:
  void ProcessEvents(int32_t milliseconds) override;
};
