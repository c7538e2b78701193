// The rules of the class's records window: the class folder chosen and remembered in the
// settings, the table read from it, the lines of the cell clicked and the CSV saved for a grade
// book. The window reads the folder in the background and shows what this keeps.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "library/class_records.h"
#include "services/prompter.h"
#include "services/settings_store.h"

// The settings value that remembers the class folder.
inline constexpr char kClassFolderSetting[] = "ClassFolder";

class ClassRecordsView {
 public:
  ClassRecordsView(Prompter& prompter, SettingsStore& settings);

  // The class folder as the platform names it; "" before one was ever chosen.
  const std::string& Folder() const { return folder_; }

  // "フォルダの選択": asks for the class folder and remembers it. True when one was chosen.
  bool ChooseFolder();

  // The table read from Folder(); says so when the folder itself could not be read.
  void Take(ClassTable table);
  const ClassTable& Table() const { return table_; }

  // A cell clicked: that pupil's records of that unit.
  void Click(int32_t row, int32_t column);
  const std::vector<std::string>& DetailLines() const { return detailLines_; }

  // "CSVで保存": asks for the file (".csv" is added to a name without an extension), asks before
  // replacing one, and writes the table; a failed write is told with the system's reason.
  // True when the file was written.
  bool SaveCsv();

 private:
  Prompter& prompter_;
  SettingsStore& settings_;
  std::string folder_;
  ClassTable table_;
  std::vector<std::string> detailLines_;
};
