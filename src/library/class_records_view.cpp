#include "library/class_records_view.h"

#include <cstring>
#include <utility>

#include "library/class_csv.h"
#include "model/cp932.h"
#include "model/messages.h"
#include "storage/file_access.h"
#include "storage/work_file.h"

ClassRecordsView::ClassRecordsView(Prompter& prompter, SettingsStore& settings)
    : prompter_(prompter), settings_(settings) {
  // The store keeps texts in CP932; a path is kept there only when it survives the trip.
  if (settings_.HasSetting(kClassFolderSetting)) {
    folder_ = FromCp932(settings_.ReadSettingStr(kClassFolderSetting, ""));
  }
}

bool ClassRecordsView::ChooseFolder() {
  std::optional<std::string> chosen = prompter_.ChooseFolder(folder_);
  if (!chosen || chosen->empty()) return false;
  folder_ = std::move(*chosen);
  const std::string stored = ToCp932(folder_);
  if (FromCp932(stored) == folder_) {
    settings_.WriteSettingStr(kClassFolderSetting, stored);
    settings_.SaveSettings();
  }
  return true;
}

void ClassRecordsView::Take(ClassTable table) {
  table_ = std::move(table);
  detailLines_.clear();
  if (!table_.folderRead) prompter_.Message(Msg().ClassFolderUnreadable);
}

void ClassRecordsView::Click(int32_t row, int32_t column) {
  if (row < 0 || column < 0 || static_cast<std::size_t>(row) >= table_.rows.size()) return;
  const ClassRow& pupil = table_.rows[static_cast<std::size_t>(row)];
  if (pupil.state == PupilState::Unreadable) {
    detailLines_ = {Msg().ClassUnreadable};
  } else if (static_cast<std::size_t>(column) < pupil.cells.size()) {
    detailLines_ = ClassCellLines(pupil.cells[static_cast<std::size_t>(column)]);
  }
}

bool ClassRecordsView::SaveCsv() {
  std::string name = folder_;
  while (name.size() > 1 && name.back() == '/') name.pop_back();
  name = name.substr(name.find_last_of('/') + 1);
  std::optional<std::string> chosen =
      prompter_.ChooseSaveFile({Msg().CsvFilter, "", (name.empty() ? "class" : name) + ".csv"});
  if (!chosen || chosen->empty()) return false;
  std::string path = std::move(*chosen);
  if (path.substr(path.find_last_of('/') + 1).find('.') == std::string::npos) path += ".csv";
  if (PathTaken(path) && prompter_.Ask(DisplayName(path) + Msg().OverwriteTail) != Answer::Yes) {
    return false;
  }
  int error = 0;
  if (SaveClassCsv(path, table_, error)) return true;
  prompter_.Message(DisplayName(path) + Msg().SaveFailedTail);
  if (error != 0) prompter_.Message(ToCp932(std::strerror(error)));
  return false;
}
