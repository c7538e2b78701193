#include "library/tangen_open_form.h"

#include "model/messages.h"
#include "render/coordinate_plane.h"
#include "render/curve_plot.h"
#include "storage/work_file.h"

TangenOpenForm::TangenOpenForm(Canvas& imgCood, const PlaneSettings& settings2,
                               const PlaneSettings& mainSettings)
    : imgCood_(imgCood), settings2_(settings2), mainSettings_(mainSettings) {}

void TangenOpenForm::FormShow(bool openForEdit, const std::string& libraryPath,
                              const EditorState& editorState) {
  state_ = editorState;
  // A picture pasted on the main plane has nothing to do with the preview.
  state_.BitmapPasted = false;
  openForEdit_ = openForEdit;
  libraryPath_ = libraryPath;
  units_ = ListUnits(libraryPath, openForEdit ? UnitMask::DrawingAndTest : UnitMask::TestOnly);
  chosen_ = -1;
  fileName_.clear();
  previewItems_.clear();
  buffer_.clear();
  practiceCount_ = 0;
  unitName_.clear();
  DrawEmptyPlane();
}

void TangenOpenForm::DrawEmptyPlane() {
  imgCood_.SetPenMode(PenMode::Copy);
  geometry_ = DrawCood2(imgCood_, settings2_, mainSettings_, state_);
}

void TangenOpenForm::TitleClick(int32_t i, Prompter& prompter) {
  if (i < 0 || static_cast<std::size_t>(i) >= units_.size()) return;
  chosen_ = i;
  fileName_ = units_[static_cast<std::size_t>(i)].fileName;
  DrawEmptyPlane();
  practiceCount_ = 0;
  previewItems_.clear();
  buffer_.clear();
  practiceCount_ =
      LoadPreviewFile(libraryPath_ + fileName_, prompter, buffer_, practiceData_, previewItems_);
  for (int32_t k = 0; k < practiceCount_; ++k) {
    DrawLine(imgCood_, geometry_, practiceData_[static_cast<std::size_t>(k)], false, state_);
  }
}

bool TangenOpenForm::OkClick(Prompter& prompter) {
  if (fileName_.empty()) {
    prompter.Message(Msg().ChooseUnit);
    return false;
  }
  if (!openForEdit_ && practiceCount_ == 0) {
    prompter.Message(Msg().NoTestData);
    return false;
  }
  unitName_ = units_[static_cast<std::size_t>(chosen_)].title;
  return true;
}

PracticeSet TangenOpenForm::ChosenSet() const {
  PracticeSet set;
  set.curves.assign(practiceData_.begin(), practiceData_.begin() + practiceCount_);
  set.unitName = unitName_;
  set.testMode = false;
  return set;
}
