// The system clipboard for the plane's pictures (QtCanvas images).
#pragma once

#include "services/clipboard.h"

class QtClipboard : public Clipboard {
 public:
  void PutImage(const Canvas& image) override;
  bool DrawImageOn(Canvas& target) override;
};
