// The graph list's commands: presses on its rows, selecting, deleting, the colour and width of
// the selected curves, the fixed colour of new curves, and pasting or clearing a picture on
// the plane.
#pragma once

#include <cstdint>
#include <vector>

#include "editor/editor_display.h"
#include "editor/editor_view.h"
#include "editor/plane_mouse.h"
#include "model/editor_state.h"
#include "storage/work.h"

class GraphList {
 public:
  GraphList(EditorState& state, Work& work, EditorDisplay& display, PlaneMouse& mouse,
            EditorView& view, Prompter& prompter, Clipboard& clipboard);

  // A right press on a row (-1 or past the end below the last row): the row becomes the only
  // selected one unless it already is selected; true when the pop-up menu is to open.
  bool RightPress(int32_t row);
  // A press of another button on a row, before the list changes its selection: a curve waiting
  // for its domain is abandoned; with Ctrl the panels are emptied first.
  void Press(bool ctrl);
  // The list's selection as the user left it.
  void SelectionChanged(const std::vector<bool>& selected);
  // A plain press on a row: the row becomes the only selected one.
  void SelectOnlyRow(int32_t row);
  void SelectAll();
  void CancelSelection();
  // Deletes the selected curves, or abandons a curve waiting for its domain.
  void DeleteSelected();
  void ChangeColorOfSelected();
  void ChangeWidthOfSelected(int32_t width);
  void SetFixedColor();
  void PasteBitmap();
  void ClearBitmap();
  // The plane exactly as shown, onto the clipboard.
  void CopyPlane();

 private:
  EditorState& state_;
  Work& work_;
  EditorDisplay& display_;
  PlaneMouse& mouse_;
  EditorView& view_;
  Prompter& prompter_;
  Clipboard& clipboard_;
};
