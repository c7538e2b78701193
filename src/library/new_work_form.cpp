#include "library/new_work_form.h"

#include <algorithm>

#include "model/messages.h"

void NewWorkForm::FormShow(const std::string& libraryPath, const std::string& shownTitle) {
  units_ = ListUnits(libraryPath, UnitMask::DrawingOnly);
  unitName_ = shownTitle;
  lostCharacters_ = false;
}

void NewWorkForm::Edit(const std::string& cp932, bool lostCharacters) {
  unitName_ = cp932;
  lostCharacters_ = lostCharacters;
}

void NewWorkForm::TitleClick(int32_t i) {
  if (i < 0 || static_cast<std::size_t>(i) >= units_.size()) return;
  Edit(units_[static_cast<std::size_t>(i)].title, false);
}

bool NewWorkForm::OkClick(Prompter& prompter) const {
  if (unitName_.empty()) {
    prompter.Message(Msg().EnterUnitName);
    return false;
  }
  if (lostCharacters_) {
    prompter.Message(Msg().UnwritableUnitName);
    return false;
  }
  const bool taken = std::any_of(units_.begin(), units_.end(),
                                 [this](const UnitEntry& unit) { return unit.title == unitName_; });
  return !taken || prompter.Ask(Msg().SameUnitName) == Answer::Yes;
}
