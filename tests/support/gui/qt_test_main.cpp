// Entry of the window tests: a QApplication on the offscreen platform with a 1024 × 768 screen,
// unless the environment already chose a platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr ||
      std::string(std::getenv("QT_QPA_PLATFORM")) == "offscreen") {
    setenv("QT_QPA_PLATFORM", "offscreen:configfile=" MEVROLIN_TEST_SCREEN, 1);
  }
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
