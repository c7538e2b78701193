// What the graph editor shares with the window that shows it: the images it draws on, the
// notices the window acts on, the services it uses, and the texts the window shows for it.
#pragma once

#include <cstdint>
#include <string>

#include "render/canvas.h"
#include "render/function_table.h"
#include "services/clipboard.h"
#include "services/hold_wait.h"
#include "services/prompter.h"
#include "services/window_host.h"

// The images and grids the editor draws on; owned by the window (or by a test).
struct EditorSurfaces {
  Canvas& imgCood;
  Canvas& imgShiki;
  Canvas& imgTeisuu;
  Canvas& imgHenikiX;
  Canvas& imgHenikiY;
  Canvas& imgSample;
  TableGrid& drgTable;
  TableGrid& drgTable2;
};

// What the editor tells the window: something it shows has changed.
class EditorView {
 public:
  virtual ~EditorView() = default;
  // The plane image was redrawn with this size and belongs at this place.
  virtual void PlanePlaced(int32_t left, int32_t top, int32_t width, int32_t height) = 0;
  // Images were drawn on; show them.
  virtual void ImagesChanged() = 0;
  // The plane's cursor, by the numbers 1..7 the cursors are registered under.
  virtual void SetPlaneCursor(int32_t number) = 0;
  // The graph list's items or selection changed.
  virtual void ListChanged() = 0;
  // The shown title, file name or curve count changed.
  virtual void FileInfoChanged() = 0;
  // The texts of the line-mode box, the inequality box or the coordinate read-out changed.
  virtual void TextsChanged() = 0;
  // The line mode of the next curve was set (it may be the same one again); the window shows
  // the mode's button pressed.
  virtual void LineModeChanged() {}
  // What can be undone or redone may have changed.
  virtual void HistoryChanged() {}
};

// The platform services the editor uses.
struct EditorServices {
  Prompter& prompter;
  HoldWait& wait;
  Clipboard& clipboard;
  WindowHost& windows;
};

// Texts of the tool bar boxes (CP932).
struct ToolBarTexts {
  std::string edtLineMode;
  std::string edtHeniki;
  std::string edtCood = "  ( x, y )";
};

// What the unit contents view and the caption show of the open work: the title (CP932), the
// file's path as the platform names it, and the number of curves.
struct ShownFileInfo {
  std::string title;
  std::string filePath;
  int32_t count = 0;
};

// Plane cursors, by the numbers they are registered under.
inline constexpr int32_t kCursorArrow = 1;
inline constexpr int32_t kCursorFinger = 2;
inline constexpr int32_t kCursorScissors = 3;
inline constexpr int32_t kCursorPencil = 5;
inline constexpr int32_t kCursorBracketLeft = 6;
inline constexpr int32_t kCursorBracketRight = 7;
