// An editor with everything it talks to faked: recording canvases, scripted answers and a
// scripted set of the program's other windows, for tests of the commands that span the editor,
// its files and its windows.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editor/editor.h"
#include "support/core/recording_canvas.h"
#include "support/core/scripted_prompter.h"

class RigView : public EditorView {
 public:
  int32_t fileInfoChanges = 0;
  int32_t listChanges = 0;
  int32_t lineModeChanges = 0;
  int32_t cursor = 0;  // the plane's pointer as last set
  void PlanePlaced(int32_t, int32_t, int32_t, int32_t) override {}
  void ImagesChanged() override {}
  void SetPlaneCursor(int32_t number) override { cursor = number; }
  void ListChanged() override { ++listChanges; }
  void FileInfoChanged() override { ++fileInfoChanges; }
  void TextsChanged() override {}
  void LineModeChanged() override { ++lineModeChanges; }
};

class RigWait : public HoldWait {
 public:
  std::function<void()> duringWait;  // runs once inside the press-and-hold wait
  void WaitFor(int32_t, const std::function<bool()>&) override {
    if (duringWait) std::exchange(duringWait, nullptr)();
  }
};

class RigClipboard : public Clipboard {
 public:
  bool hasPicture = false;  // a picture is there to paste
  int32_t put = 0;          // pictures copied
  void PutImage(const Canvas&) override { ++put; }
  bool DrawImageOn(Canvas&) override { return hasPicture; }
};

// The program's windows as a script: each modal window hands back the next scripted answer
// (nothing, as if cancelled, once the script has run out) and every request is recorded.
class RigWindows : public WindowHost {
 public:
  std::deque<std::optional<std::string>> unitNames;    // answers of the unit-name dialog
  std::deque<std::optional<std::string>> unitsToEdit;  // files chosen for editing
  std::deque<std::optional<PracticeSet>> unitsToPractise;
  std::vector<std::string> unitNameAsked;  // the shown title each unit-name dialog started from
  int32_t unitWindowsShown = 0;
  std::vector<PracticeSet> practised;
  std::vector<ProgramWindow> shown;
  // Runs while the open-by-unit window is up (what the main plane shows then, for example).
  std::function<void()> whileUnitWindowIsUp;

  void Show(ProgramWindow window) override { shown.push_back(window); }
  std::optional<std::string> AskUnitName(const std::string& shownTitle) override {
    unitNameAsked.push_back(shownTitle);
    return Next(unitNames);
  }
  std::optional<std::string> ChooseUnitForEditing() override {
    UnitWindowUp();
    return Next(unitsToEdit);
  }
  std::optional<PracticeSet> ChooseUnitForPractice() override {
    UnitWindowUp();
    return Next(unitsToPractise);
  }
  void ShowPractice(const PracticeSet& set) override { practised.push_back(set); }
  void ShowHelp(int32_t) override {}

 private:
  void UnitWindowUp() {
    ++unitWindowsShown;
    if (whileUnitWindowIsUp) whileUnitWindowIsUp();
  }
  template <typename T>
  static std::optional<T> Next(std::deque<std::optional<T>>& script) {
    if (script.empty()) return std::nullopt;
    std::optional<T> next = std::move(script.front());
    script.pop_front();
    return next;
  }
};

// A 384 × 384 main plane at 16 pixels a unit, first shown with an empty work. The program
// folder is given by the test.
struct EditorRig {
  explicit EditorRig(const std::string& progDirPath)
      : grid(tableCanvas),
        grid2(table2Canvas),
        editor(EditorSurfaces{plane, shiki, teisuu, henikiX, henikiY, sample, grid, grid2}, view,
               EditorServices{prompter, wait, clipboard, windows}, settings) {
    editor.SetLayout(1024, 740, 384);
    editor.SetProgramFolder(progDirPath, progDirPath, false);
    editor.FormShow();
    prompter.messages.clear();
  }

  // A left click on the lattice point (x, y): in whole-curve mode it registers y = xy/x.
  void Click(int32_t x, int32_t y) {
    const int32_t px = 192 + 16 * x;
    const int32_t py = 192 - 16 * y;
    wait.duringWait = [this, px, py] { editor.Mouse().MouseUp(MouseButton::Left, px, py); };
    editor.Mouse().MouseDown(MouseButton::Left, px, py);
  }

  // Lines drawn in the first automatic colour since the plane was last drawn afresh: the
  // first curve of a work, as the plane shows it now.
  int32_t FirstCurveStrokesOnPlane() const {
    int32_t strokes = 0;
    for (const std::string& op : plane.ops) {
      if (op.rfind("Resize", 0) == 0) strokes = 0;
      if (op.rfind("LineTo", 0) == 0 && op.find("#FF0000") != std::string::npos) ++strokes;
    }
    return strokes;
  }

  RecordingCanvas plane{384, 384}, shiki{161, 65}, teisuu{161, 65}, henikiX{347, 73},
      henikiY{347, 73}, sample{40, 24}, tableCanvas{367, 65}, table2Canvas{367, 65};
  TableGrid grid;
  TableGrid grid2;
  RigView view;
  RigWait wait;
  RigClipboard clipboard;
  RigWindows windows;
  ScriptedPrompter prompter;
  PlaneSettings settings;
  Editor editor;
};
