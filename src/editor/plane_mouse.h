// The plane's click-and-drag machine: a left click creates a curve through a lattice point
// (and for the domain modes one or two more clicks fix its domain), a right press held on a
// handle drags it, a short right click on a handle selects its curve; the arrow buttons move
// the selected curve's point. Finished curves are registered in the open work.
#pragma once

#include <cstdint>

#include "editor/editor_display.h"
#include "editor/editor_view.h"
#include "model/editor_state.h"
#include "storage/work.h"

enum class ShiftDirection { Up, Down, Left, Right };

class PlaneMouse {
 public:
  PlaneMouse(EditorState& state, Work& work, EditorDisplay& display, EditorView& view,
             ToolBarTexts& texts, ShownFileInfo& shown, Prompter& prompter, HoldWait& wait);

  // The plane's mouse, in pixels of the plane image.
  void MouseDown(MouseButton button, int32_t px, int32_t py);
  void MouseUp(MouseButton button, int32_t px, int32_t py);
  void MouseMove(int32_t px, int32_t py);
  void DoubleClick(MouseButton button, int32_t px, int32_t py);
  // The pointer moved over the window itself: a pending action is abandoned.
  void FormMouseMove();

  // The left-click action at a pixel of the plane, by the placing state.
  void CoodClick(int32_t px, int32_t py);
  // A new curve through p from the settings for the next curve.
  TLineData MakeLine(LatticePoint p);
  // Adds the curve (index < 0, or an index past the list) or replaces curve index, selects it
  // alone and redraws; false when the curve is refused.
  bool RegistLine(TLineData line, int32_t index);
  // Back to the idle state with the pencil cursor and no handle target.
  void ResetMouse();
  struct Hit {
    int32_t index = -1;
    int32_t handle = -1;
  };
  // The first curve with a handle at p: handle 1 at (X1, Y1), handle 2 at (-X1, -Y1).
  Hit HitHandle(LatticePoint p) const;
  void StartDrag();
  void DropHandle(int32_t px, int32_t py);
  // The arrow buttons.
  void ShiftLine(ShiftDirection direction);

 private:
  void Commit();

  EditorState& state_;
  Work& work_;
  EditorDisplay& display_;
  EditorView& view_;
  ToolBarTexts& texts_;
  ShownFileInfo& shown_;
  Prompter& prompter_;
  HoldWait& wait_;
};
