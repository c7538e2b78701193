// The application object the Qt benchmarks need for fonts and the raster engine.
#pragma once

#include <QGuiApplication>
#include <cstdlib>

// Creates it on first use, offscreen unless a platform is chosen; it lives until the process ends.
inline void EnsureApplication() {
  static int argc = 1;
  static char name[] = "mevrolin_bench";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = [] {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return new QGuiApplication(argc, argv);
  }();
  (void)app;
}
