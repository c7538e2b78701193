#include "platform/qt_text.h"

#include <gtest/gtest.h>

namespace {

// File names come as the platform's bytes: UTF-8 from this system, Shift-JIS from a Windows
// archive. Both are shown as the teacher wrote them.
struct DisplayCase {
  const char* name;
  std::string path;
  const char* shown;  // UTF-8
};

class PathShown : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(PathShown, AsTheUserWroteIt) {
  EXPECT_EQ(PathForDisplay(GetParam().path), QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Names, PathShown,
    ::testing::Values(DisplayCase{"Ascii", "/home/t/DATA/a.mvr", "/home/t/DATA/a.mvr"},
                      DisplayCase{"Utf8", "/home/t/DATA/テスト.mvr", "/home/t/DATA/テスト.mvr"},
                      // "テスト" in Shift-JIS
                      DisplayCase{"ShiftJis", "/home/t/DATA/b_\x83\x65\x83\x58\x83\x67.mvr",
                                  "/home/t/DATA/b_テスト.mvr"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
