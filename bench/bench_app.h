// The application object the Qt benchmarks need for fonts, the raster engine and windows.
#pragma once

#include <QApplication>
#include <cstdlib>

// Creates it on first use, offscreen unless a platform is chosen; it lives until the process ends.
inline void EnsureApplication() {
  static int argc = 1;
  static char name[] = "mevrolin_bench";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return new QApplication(argc, argv);
  }();
  (void)app;
}
