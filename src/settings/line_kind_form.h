// The line-kind window without its widgets: working copies of the four settings for new curves,
// which of its groups are in use for the chosen mode, and what OK hands back.
#pragma once

#include <cstdint>

// The settings of the next new curve that the window edits.
struct LineKind {
  int32_t LineMode = 0;         // 0 全域, 1 中央, 2 右側, 3 左側
  int32_t LineWidth = 1;        // 1..3 pixels
  int32_t SenbunKind = 0;       // 0..3: ≦≦, ≦＜, ＜≦, ＜＜
  int32_t HanchokusenKind = 0;  // 0..1: ≦, ＜
  friend bool operator==(const LineKind&, const LineKind&) = default;
};

class LineKindForm {
 public:
  // The window is shown over the settings in force.
  void FormShow(const LineKind& current) { working_ = current; }

  // Radio-button clicks set their working copy only.
  void ModeClick(int32_t mode) { working_.LineMode = mode; }
  void WidthClick(int32_t width) { working_.LineWidth = width; }
  void SenbunClick(int32_t kind) { working_.SenbunKind = kind; }
  void HanchokusenClick(int32_t kind) { working_.HanchokusenKind = kind; }

  const LineKind& Working() const { return working_; }
  // The segment ends are chosen in mode 中央, the half-line end in 右側 and 左側.
  bool SegmentGroupEnabled() const { return working_.LineMode == 1; }
  bool HalfLineGroupEnabled() const { return working_.LineMode == 2 || working_.LineMode == 3; }

  // OK: the settings to put in force. The whole curve has no ends, so its kinds go back to 0.
  LineKind Chosen() const;

 private:
  LineKind working_;
};
