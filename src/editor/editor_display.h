// The editor's full redraw and its panels: the plane with every curve of the open work, the
// equation, constant, domain and range panels, the function table and the sample of the next
// curve. Each plane drawing keeps the geometry it was drawn with, for mapping clicks on it.
#pragma once

#include <cstdint>

#include "editor/editor_view.h"
#include "model/editor_state.h"
#include "render/plane_geometry.h"
#include "render/plane_settings.h"
#include "storage/work.h"

class EditorDisplay {
 public:
  EditorDisplay(EditorSurfaces surfaces, EditorState& state, const Work& work, EditorView& view,
                Prompter& prompter, const PlaneSettings& planeSettings);

  // The settings the main plane is drawn from (those of the coordinate settings window).
  void UsePlaneSettings(const PlaneSettings& settings) { planeSettings_ = &settings; }
  const PlaneSettings& Settings() const { return *planeSettings_; }
  // The main window's size, which places the plane.
  void SetWindowSize(int32_t width, int32_t height);
  const PlaneGeometry& Geometry() const { return geometry_; }
  EditorSurfaces& Surfaces() { return surfaces_; }

  // The empty plane, then every curve (selected ones with handles and lattice marks), then the
  // panels of the last selected curve; interactive drawing (not-xor) afterwards.
  void DispAllLine();
  // The empty plane only.
  void RedrawPlane();
  // The plane as shown, drawn afresh on another canvas (resized to the plane's size, a scaled
  // one for a finer picture) for printing and picture files: every curve, and with marks the
  // handles and lattice marks of the selected ones. A pasted picture is copied as it is shown.
  void DrawPicture(Canvas& target, bool withMarks);
  // The four panel images in the panel colour and an empty table.
  void ClearPanels();
  void ClearTable();
  // The domain panels of curve i, while the range option is on.
  void RefreshHeniki(int32_t i);
  // Every panel for curve i, the table for the first selected curve.
  void DispPanels(int32_t i);
  // The panels of the first selected curve, or empty panels when there is no curve.
  void RefreshPanels();
  void FillTable(int32_t i);
  // imgShiki shows curve i's equation, while the equations are shown.
  void ShowEquation(int32_t i);
  // The domain, range and constant panels of curve i as their options allow.
  void ShowDomainPanels(int32_t i);
  // One panel image in the panel colour.
  void ClearPanel(Canvas& image);
  // imgSample from the settings for the next curve.
  void RefreshSample();
  // Says "GraphMode error" when a sample was drawn from a broken line mode.
  void ReportSample(bool lineModeSound);
  // The graph list's sample of curve i at the top of the canvas.
  void DrawListSample(Canvas& canvas, int32_t i);
  // A curve drawn on the plane in its current pen mode, not selected (interactive drawing).
  void DrawOnPlane(const TLineData& line);
  // Tells the window to show the images again.
  void Show() { view_.ImagesChanged(); }

 private:
  bool IsCurve(int32_t i) const { return i >= 0 && i < work_.Count(); }

  EditorSurfaces surfaces_;
  EditorState& state_;
  const Work& work_;
  EditorView& view_;
  Prompter& prompter_;
  const PlaneSettings* planeSettings_;
  PlaneGeometry geometry_{};
  int32_t windowWidth_ = 1024;
  int32_t windowHeight_ = 740;
};
