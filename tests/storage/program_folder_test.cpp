#include "storage/program_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

TEST(ProgramFolder, SeparatorAppendedOnlyWhenMissing) {
  EXPECT_EQ(WithTrailingSeparator("/home/teacher/mevrolin", '/'), "/home/teacher/mevrolin/");
  EXPECT_EQ(WithTrailingSeparator("/", '/'), "/");  // the root keeps a single separator
  EXPECT_EQ(WithTrailingSeparator("C:\\", '\\'), "C:\\");
  EXPECT_EQ(WithTrailingSeparator("C:\\Mevrolin", '\\'), "C:\\Mevrolin\\");
  EXPECT_EQ(CurrentProgramFolder().back(), '/');
}

TEST(ProgramFolder, WritableTemporaryFolderIsNotReadOnlyMedium) {
  EXPECT_FALSE(IsOnReadOnlyMedium("/tmp/"));
}

TEST(ProgramFolder, ReadOnlyMountCountsAsReadOnlyMedium) {
  // Any read-only mount of this machine will do.
  std::ifstream mounts("/proc/mounts");
  std::string device, folder, type, flags;
  while (mounts >> device >> folder >> type >> flags) {
    std::string rest;
    std::getline(mounts, rest);
    if ((flags == "ro" || flags.rfind("ro,", 0) == 0) && std::filesystem::is_directory(folder)) {
      EXPECT_TRUE(IsOnReadOnlyMedium(folder + "/")) << folder;
      return;
    }
  }
  GTEST_SKIP() << "no read-only mount on this machine";
}

}  // namespace
