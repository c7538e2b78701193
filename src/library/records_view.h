// The records viewer's rules: the test files of the unit library with their number of records,
// the records of the unit clicked, and erasing the records of the units chosen. The window shows
// the lists and lines it keeps (CP932) and turns clicks into calls.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "library/profile_file.h"
#include "services/prompter.h"

class RecordsView {
 public:
  // progDirPath: the program folder as the platform names it, ending in its separator.
  RecordsView(std::string progDirPath, Prompter& prompter);

  // On show: one line per test file of the library in list order, "3回 比例のグラフ", read
  // afresh from the folder and Record.ini.
  void Fill();

  // lstTitle: the lines shown; lstReserve: the unit title of each line, the section its
  // records are kept under.
  const std::vector<std::string>& TitleItems() const { return titleItems_; }
  const std::vector<std::string>& ReserveItems() const { return reserveItems_; }

  // A unit clicked: its records in key order, or "練習の記録はありません".
  void Click(int32_t index);
  const std::vector<std::string>& DetailLines() const { return detailLines_; }

  // "記録消去" with the selected lines: asks, erases the records of the selected units that have
  // any, clears the records shown and fills the lists again. False when it stopped before that
  // (nothing selected, or the question not answered yes), so the selection stays.
  bool Erase(const std::vector<int32_t>& selected);

  // "閉じる".
  void Close() { detailLines_.clear(); }

 private:
  std::string progDirPath_;
  Prompter& prompter_;
  std::string records_;  // Record.ini as last read
  std::vector<std::string> titleItems_;
  std::vector<std::string> reserveItems_;
  std::vector<int32_t> counts_;
  std::vector<std::string> detailLines_;
};
