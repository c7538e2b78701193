// What the open-by-unit window does, without its window: it lists the units of the library by
// title (drawing and test files for editing, test files only for practice), previews the one
// clicked on its own plane and in its own list, and decides whether OK may close it. For
// practice the preview's curves are the questions handed on.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "library/unit_library.h"
#include "model/editor_state.h"
#include "model/line_data.h"
#include "model/practice_set.h"
#include "render/canvas.h"
#include "render/plane_geometry.h"
#include "render/plane_settings.h"
#include "services/prompter.h"

class TangenOpenForm {
 public:
  // imgCood: the preview plane, drawn from the practice planes' settings (settings2) at the
  // main plane's size (mainSettings).
  TangenOpenForm(Canvas& imgCood, const PlaneSettings& settings2,
                 const PlaneSettings& mainSettings);

  // On show: the units of the library read afresh, nothing chosen, the preview empty and the
  // plane drawn empty. editorState gives the plane's marks and options.
  void FormShow(bool openForEdit, const std::string& libraryPath, const EditorState& editorState);

  bool OpenForEdit() const { return openForEdit_; }
  const std::vector<UnitEntry>& Units() const { return units_; }
  // lblFileName: the file of the title clicked last, empty before any click.
  const std::string& FileName() const { return fileName_; }
  // lstShiki: the equation texts the chosen file stores (CP932).
  const std::vector<std::string>& PreviewItems() const { return previewItems_; }
  // memBuffer: the chosen file's lines.
  const std::vector<std::string>& Buffer() const { return buffer_; }
  int32_t PracticeCount() const { return practiceCount_; }
  // The title chosen when OK closed the window.
  const std::string& UnitName() const { return unitName_; }

  // A click on title i: the file becomes the chosen one and is previewed. The count of
  // questions is cleared before the file is read, so a file that cannot be read previews and
  // hands on nothing.
  void TitleClick(int32_t i, Prompter& prompter);
  // OK: true when the window may close. Refused with no title clicked, and for practice when
  // the chosen file holds no question.
  bool OkClick(Prompter& prompter);

  // The questions of the chosen test file under its unit title.
  PracticeSet ChosenSet() const;

 private:
  void DrawEmptyPlane();

  Canvas& imgCood_;
  const PlaneSettings& settings2_;
  const PlaneSettings& mainSettings_;
  EditorState state_;
  PlaneGeometry geometry_{};
  bool openForEdit_ = true;
  std::string libraryPath_;
  std::vector<UnitEntry> units_;
  int32_t chosen_ = -1;
  std::string fileName_;
  std::vector<std::string> previewItems_;
  std::vector<std::string> buffer_;
  std::array<TLineData, kMaxLines + 1> practiceData_{};
  int32_t practiceCount_ = 0;
  std::string unitName_;
};
