// The options box and the tool bar's settings for the next curve: every display option, the
// standard and general equation form, the line-mode buttons, the inequality-kind button and the
// line sample.
#pragma once

#include <cstdint>

#include "editor/editor_display.h"
#include "editor/editor_view.h"
#include "model/editor_state.h"
#include "settings/line_kind_form.h"
#include "storage/work.h"

// Options whose only effect is a full redraw with the new setting.
enum class RedrawOption { IntOnly, MaruX, JikuColor, Handle, Nidan };

class EditorOptions {
 public:
  EditorOptions(EditorState& state, Work& work, EditorDisplay& display, EditorView& view,
                ToolBarTexts& texts);

  // Line-mode buttons (0 全域, 1 中央, 2 右側, 3 左側).
  void SetLineMode(int32_t mode);
  // The line-kind window's OK: mode, pen width and inequality kinds of the next curve, brought
  // in as the mode's button would, then a full redraw.
  void SetLineKind(const LineKind& kind);
  // spdSample: the next inequality kind of the current mode.
  void SampleButtonClick();
  // imgSample: the next automatic colour is skipped.
  void SampleImageClick();

  void OnDataTableClicked(bool checked);
  void OnShikiClicked(bool checked);
  void OnDispHenikiClicked(bool checked);
  void OnRanColorClicked(bool checked);
  void OnTensenClicked(bool checked);
  void OnRedrawOptionClicked(RedrawOption option, bool checked);
  // The hidden radius spin box of the end circles.
  void OnMaruRadChanged(int32_t radius);
  int32_t MaruRadSetting() const { return spnMaruRad_; }

  // The standard/general form buttons; false when they do nothing (equations hidden).
  bool ChooseForm(EquationForm form);

 private:
  void SwitchForm();

  EditorState& state_;
  Work& work_;
  EditorDisplay& display_;
  EditorView& view_;
  ToolBarTexts& texts_;
  int32_t spnMaruRad_ = 5;
};
