// Entry of the window tests: a QApplication on the offscreen platform with a 1024 × 768 screen,
// unless the environment already chose a platform. The per-user settings go to a fresh folder
// of this run, so tests never read or change the settings of the user running them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr ||
      std::string(std::getenv("QT_QPA_PLATFORM")) == "offscreen") {
    setenv("QT_QPA_PLATFORM", "offscreen:configfile=" MEVROLIN_TEST_SCREEN, 1);
  }
  const std::filesystem::path config =
      std::filesystem::temp_directory_path() / ("mevrolin_config_" + std::to_string(::getpid()));
  std::filesystem::remove_all(config);
  std::filesystem::create_directories(config);
  setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  std::error_code ignored;
  std::filesystem::remove_all(config, ignored);
  return result;
}
