#include "library/records_view.h"

#include <cstring>
#include <utility>

#include "library/records.h"
#include "library/unit_library.h"
#include "model/cp932.h"
#include "model/messages.h"

RecordsView::RecordsView(std::string progDirPath, Prompter& prompter)
    : progDirPath_(std::move(progDirPath)), prompter_(prompter) {}

void RecordsView::Fill() {
  titleItems_.clear();
  reserveItems_.clear();
  counts_.clear();
  // A file that is there but cannot be read would show every unit without records; say so
  // rather than let the teacher believe them lost.
  if (!ReadRecordBytes(progDirPath_, records_)) prompter_.Message(Msg().RecordReadFailed);
  for (UnitEntry& unit : ListUnits(UnitLibraryPath(progDirPath_), UnitMask::TestOnly)) {
    reserveItems_.push_back(std::move(unit.title));
  }
  // Counted in one pass: a class's file may hold thousands of records in each of many units.
  counts_ = RecordCounts(records_, reserveItems_);
  for (std::size_t i = 0; i < reserveItems_.size(); ++i) {
    titleItems_.push_back(std::to_string(counts_[i]) + Msg().RecordCountTail + reserveItems_[i]);
  }
}

void RecordsView::Click(int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= reserveItems_.size()) return;
  const std::size_t i = static_cast<std::size_t>(index);
  // The file is read again: in a folder a class shares, other pupils' runs may have ended since
  // the list was filled. Should it have become unreadable, the records read before are shown.
  std::string now;
  if (ReadRecordBytes(progDirPath_, now)) records_ = std::move(now);
  counts_[i] = 0;
  detailLines_ = RecordLines(records_, reserveItems_[i], &counts_[i]);
  if (counts_[i] == 0) detailLines_ = {Msg().NoRecords};
}

bool RecordsView::Erase(const std::vector<int32_t>& selected) {
  if (selected.empty()) {
    prompter_.Message(Msg().ChooseUnitsToErase);
    return false;
  }
  if (prompter_.Ask(Msg().EraseRecordsQuestion) != Answer::Yes) return false;
  std::vector<std::string> sections;
  for (const int32_t index : selected) {
    if (index < 0 || static_cast<std::size_t>(index) >= reserveItems_.size()) continue;
    const std::size_t i = static_cast<std::size_t>(index);
    if (counts_[i] > 0) sections.push_back(reserveItems_[i]);
  }
  int error = 0;
  if (!sections.empty() && !EraseRecords(progDirPath_, sections, &error)) {
    prompter_.Message(Msg().RecordEraseFailed);
    // Then why, in the system's words, as a failed save says it.
    if (error != 0) prompter_.Message(ToCp932(std::strerror(error)));
  }
  detailLines_.clear();
  Fill();
  return true;
}
