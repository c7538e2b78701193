// The program's pictures (app/resources.qrc) come from a static library, whose resource data
// the linker keeps only when something names it: every window that shows one of the pictures
// registers them first.
#pragma once

#include <QtGlobal>

inline void InitProgramResources() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(resources);
    return true;
  }();
  (void)registered;
}
