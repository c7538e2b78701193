// The graph editor without its window: the curves, the document lines, the graph list and its
// selection, the click-and-drag machine of the plane and the redraw of plane and panels. The
// main window turns Qt events into calls on this class and shows what it is told through
// EditorView; tests drive it directly with recording canvases and scripted answers.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/editor_state.h"
#include "model/prompter.h"
#include "render/canvas.h"
#include "render/function_table.h"
#include "render/plane_geometry.h"
#include "render/plane_settings.h"
#include "storage/document_buffer.h"

// What the editor asks of the window that shows it.
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
  // Lets pending events run for about this many milliseconds (the press-and-hold wait).
  virtual void ProcessEvents(int32_t milliseconds) = 0;
  // Shows the practice window modally over the practice set.
  virtual void ShowPractice() = 0;
  // Shows the open-by-unit window for practice; true when it was closed with OK after
  // filling the practice set.
  virtual bool ChooseUnitForPractice() = 0;
  // Opens the graph list's pop-up menu at this screen point.
  virtual void ShowListMenu(int32_t x, int32_t y) = 0;
  // The unit name currently typed in the new-work dialog (CP932).
  virtual std::string NewWorkTitle() = 0;
  // Draws the clipboard's picture onto the plane at its top-left corner; false when the
  // clipboard holds no picture.
  virtual bool PasteClipboardPicture(Canvas& plane) = 0;
};

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

enum class ShiftDirection { Up, Down, Left, Right };

class Editor {
 public:
  Editor(EditorSurfaces surfaces, EditorView& view, Prompter& prompter,
         const PlaneSettings& planeSettings);

  EditorState state;
  DocumentBuffer buffer;

  // The graph list: one item per curve, the equation text, and its selection.
  std::vector<std::string> listItems;
  std::vector<bool> listSelected;

  // What the unit contents view shows: title, file name and count (CP932).
  std::string shownTitle;
  std::string shownFileName;
  int32_t shownCount = 0;

  // Texts of the tool bar boxes (CP932).
  std::string edtLineMode;
  std::string edtHeniki;
  std::string edtCood;

  // The value of the hidden radius spin box.
  int32_t spnMaruRad = 5;

  // The main window's size, which places the plane.
  int32_t windowWidth = 1024;
  int32_t windowHeight = 740;

  const PlaneGeometry& Geometry() const { return geometry_; }
  // The settings the main plane is drawn from (those of the coordinate settings window).
  void UsePlaneSettings(const PlaneSettings& settings) { planeSettings_ = &settings; }

  // Start-up and redraw.
  void FormShow();
  void ResetWork(const std::string& title, const std::string& fileName, bool resetKinds);
  void DispFileInfo(const std::string& title, const std::string& fileName, int32_t count);
  void DispAllLine();
  void RedrawPlane();
  void ClearPanels();
  void RefreshHeniki(int32_t index);
  void RefreshSample();

  // Line mode buttons (0 全域, 1 中央, 2 右側, 3 左側).
  void SetLineMode(int32_t mode);

  // The plane's mouse, in pixels of the plane image.
  void MouseDown(MouseButton button, int32_t px, int32_t py);
  void MouseUp(MouseButton button, int32_t px, int32_t py);
  void MouseMove(int32_t px, int32_t py);
  void DoubleClick(MouseButton button, int32_t px, int32_t py);
  // The pointer moved over the window itself: a pending action is abandoned.
  void FormMouseMove();

  void CoodClick(int32_t px, int32_t py);
  TLineData MakeLine(LatticePoint p);
  bool RegistLine(TLineData line, int32_t index);
  void UpdateLineText(const TLineData& line, int32_t index);
  void ResetMouse();
  struct Hit {
    int32_t index = -1;
    int32_t handle = -1;
  };
  Hit HitHandle(LatticePoint p) const;
  void StartDrag();
  void DropHandle(int32_t px, int32_t py);
  void ShiftLine(ShiftDirection direction);

  // The graph list.
  void SelectOnly(int32_t index);
  int32_t FirstSelected() const;
  int32_t LastSelected() const;
  void ListMouseDown(MouseButton button, bool ctrl, int32_t row, int32_t currentItem, int32_t menuX,
                     int32_t menuY);
  void ListClick();
  void SelectAll();
  void CancelSelection();
  void DeleteSelected();
  void EraseAll();
  void ChangeColorOfSelected();
  void ChangeWidthOfSelected(int32_t width);
  void SetFixedColor();
  void PasteBitmap();
  void ClearBitmap();

  // Display panels and options.
  void DispPanels(int32_t index);
  void RefreshPanels();
  void ClearTable();
  void OnDataTableClicked(bool checked);
  void OnShikiClicked(bool checked);
  void OnDispHenikiClicked(bool checked);
  void OnRanColorClicked(bool checked);
  void OnTensenClicked(bool checked);
  void OnMaruRadChanged(int32_t radius);
  // The standard/general form buttons; false when they do nothing (equations hidden).
  bool ChooseForm(EquationForm form);
  void SwitchForm();
  void SampleButtonClick();
  void SampleImageClick();

  // Test and practice.
  std::array<TLineData, kMaxLines + 1> PracticeData{};
  int32_t PracticeCount = 0;
  void TestCommand();
  void PracticeCommand();

 private:
  void AppendListItem(const std::string& text);
  void DrawWorkLine();

  EditorSurfaces surfaces_;
  EditorView& view_;
  Prompter& prompter_;
  const PlaneSettings* planeSettings_;
  PlaneGeometry geometry_{};
};
