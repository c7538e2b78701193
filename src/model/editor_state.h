// The state of the graph editor besides its curves (which belong to the open work): the
// settings for the next curve, the pointer state of the plane, the work's title and file name,
// the panel colours and the display options. One instance, owned by the editor; the drawing
// code reads it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/equation_text.h"
#include "model/line_data.h"

struct LatticePoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const LatticePoint&, const LatticePoint&) = default;
};

enum class MouseButton { None, Left, Right, Middle };

// Colours given to new curves in turn while no colour is fixed.
inline constexpr std::array<int32_t, 16> ColorTable = {
    0xFF0000, 0x0000FF, 0xFF00FF, 0x00FF00, 0x008000, 0x02869F, 0x000080, 0x808080,
    0x0080FF, 0xC08000, 0xC000C0, 0x198DCF, 0x0000C0, 0xFFFF00, 0x838860, 0x000000};

// White as a curve colour or fixed colour means "automatic colour".
inline constexpr int32_t kAutoColor = 0xFFFFFF;

// The check boxes of the options box, mirrored here so that the core can read them.
struct DisplayOptions {
  bool chkDataTable = true;   // 関数の表
  bool chkShiki = true;       // グラフの式
  bool chkDispHeniki = true;  // ｙの変域
  bool chkIntOnly = true;     // 整数表示
  bool chkNidan = false;      // ２段表示
  bool chkMaruX = false;      // 格子点の丸
  bool chkJikuColor = true;   // 軸の色
  bool chkRanColor = true;    // 定数欄の色
  bool chkHandle = true;      // ﾊﾝﾄﾞﾙ (mirrored by the menu item 四角ﾊﾝﾄﾞﾙ)
  bool chkTensen = true;      // 点線
  bool chkKeishiki = true;    // equation form: checked standard, unchecked general

  EquationForm Form() const { return chkKeishiki ? EquationForm::Standard : EquationForm::General; }
};

struct EditorState {
  // Settings given to the next new curve.
  int32_t LineMode = kModeWhole;
  int32_t SenbunKind = 0;       // 0..3: ≦≦, ≦＜, ＜≦, ＜＜
  int32_t HanchokusenKind = 0;  // 0..1: ≦, ＜
  bool CurIncStart = true;
  bool CurIncEnd = true;
  int32_t LineWidth = 1;
  int32_t FixedColor = kAutoColor;
  int32_t ColorIndex = 0;

  // Pointer state of the plane.
  int32_t DrawState = 0;  // 0 idle, 1 waiting for the first domain click, 2 for the second
  int32_t DragMode = 0;   // 0 no drag, 2 a handle is being dragged
  TLineData WorkLine{};
  int32_t TargetIndex = -1;
  int32_t TargetHandle = -1;
  LatticePoint DownPoint{};
  LatticePoint MousePoint{};
  LatticePoint PrevPoint{};
  bool DragSecond = false;
  bool PreviewWhole = false;  // a new curve with a domain mode is shown whole until fixed
  bool ButtonHeld = false;
  MouseButton LastButton = MouseButton::None;

  // The open work's name. Paths are kept as the platform names them: a name need not survive
  // the trip through CP932 (the wave dash 〜 comes back as ～, é has no form at all), so the
  // file system is always given these.
  bool NewFileFlag = true;
  std::string CurTitle;                      // CP932
  std::string CurFileName = "Mevrolin.mvr";  // as the platform names it
  std::string ProgDir;                       // CP932, ends in the platform's separator
  std::string ProgDirPath;                   // the same folder as the platform names it
  bool OnCDROM = false;

  // Panels and marks.
  int32_t PanelBackColor = 0x808000;
  int32_t PanelTextColor = 0xFFFFFF;
  int32_t PanelLineHeight = 20;
  int32_t MaruRadius = 5;
  bool TensenFlag = true;
  bool BitmapPasted = false;
  int32_t MaxCoodSize = 0;

  bool TestMode = false;
  bool OpenForEdit = false;

  DisplayOptions Options;
};

// The colour of the next new curve: the fixed colour, or the next entry of ColorTable.
// ColorIndex is stored back reduced to 0..15.
int32_t CurColor(EditorState& state);

// A new curve waiting for its domain is given up: the plane is idle again and no preview is
// pending.
inline void AbandonPendingCurve(EditorState& state) {
  state.DrawState = 0;
  state.PreviewWhole = false;
}
