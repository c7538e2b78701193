// What the unit-name dialog (新規入力) does, without its window: the titles of the drawing files
// already in the library, the unit name being typed, and whether OK may close the dialog.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "library/unit_library.h"
#include "services/prompter.h"

class NewWorkForm {
 public:
  // On show: the drawing files of the library, read afresh, and the open work's shown title as
  // the name to start from.
  void FormShow(const std::string& libraryPath, const std::string& shownTitle);

  // The listed drawing files with their titles, in the list's order.
  const std::vector<UnitEntry>& Units() const { return units_; }
  // The unit name (CP932) as it stands in the edit.
  const std::string& UnitName() const { return unitName_; }

  // The user typed: the text as CP932, and whether characters were lost on the way because no
  // work file can hold them.
  void Edit(const std::string& cp932, bool lostCharacters);
  // A click on title i puts it into the edit.
  void TitleClick(int32_t i);
  // OK: true when the dialog may close with this unit name. An empty name, or one holding
  // characters that cannot be written, is refused; a name some drawing file already has is
  // taken only when the user says so.
  bool OkClick(Prompter& prompter) const;

 private:
  std::vector<UnitEntry> units_;
  std::string unitName_;
  bool lostCharacters_ = false;
};
