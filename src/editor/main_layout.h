// Where the main window puts its parts, worked out from the screen size when it is created.
#pragma once

#include <array>
#include <cstdint>

struct ControlRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  friend bool operator==(const ControlRect&, const ControlRect&) = default;
};

// Design sizes of the main window's parts.
inline constexpr int32_t kPnlMainHeight = 40;
inline constexpr int32_t kImgShikiWidth = 161;
inline constexpr int32_t kImgShikiHeight = 65;
inline constexpr int32_t kGrpShikiHeight = 89;
inline constexpr int32_t kGrpHenikiHeight = 97;
inline constexpr int32_t kImgHenikiWidth = 347;
inline constexpr int32_t kImgHenikiHeight = 73;
inline constexpr int32_t kGrpJikuHeight = 49;
inline constexpr int32_t kLstShikiLeft = 24;
inline constexpr int32_t kLstShikiWidth = 363;
inline constexpr int32_t kGrpSetteiHeight = 76;
inline constexpr int32_t kTableRowHeights = 20 + 40;
inline constexpr int32_t kGridLineWidth = 1;

// The options box holds ten check boxes and eight buttons. Where the box is wide enough they
// stand in their design places; on a narrow screen (800 x 600) they are packed into four rows.
inline constexpr std::size_t kOptionChecks = 10;
inline constexpr std::size_t kOptionButtons = 8;
inline constexpr int32_t kOptionsDesignWidth = 502;

struct MainLayout {
  int32_t H = 0;  // window height: screen height less the task bar
  int32_t W = 0;
  int32_t MaxCoodSize = 0;
  ControlRect imgCood;
  ControlRect lstShiki;
  ControlRect drgTable;
  ControlRect drgTable2;
  ControlRect grpShiki;
  ControlRect grpTeisuu;
  ControlRect grpHenikiX;
  ControlRect grpHenikiY;
  ControlRect grpJiku;
  ControlRect grpChouten;
  ControlRect grpSettei;
  // Inside grpSettei, in the window's order of its check boxes and of its buttons; a check box
  // keeps its own size (width and height 0).
  std::array<ControlRect, kOptionChecks> optionChecks;
  std::array<ControlRect, kOptionButtons> optionButtons;
};

MainLayout ComputeMainLayout(int32_t screenWidth, int32_t screenHeight);
