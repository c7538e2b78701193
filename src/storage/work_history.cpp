#include "storage/work_history.h"

#include <utility>

void WorkHistory::Start(WorkSnapshot state) {
  states_.clear();
  states_.push_back(std::move(state));
  position_ = 0;
  saved_ = 0;
}

void WorkHistory::Record(WorkSnapshot before, WorkSnapshot after) {
  states_[position_] = std::move(before);
  states_.erase(states_.begin() + static_cast<std::ptrdiff_t>(position_) + 1, states_.end());
  if (saved_ > static_cast<int64_t>(position_)) saved_ = -1;  // it was among the redo steps
  states_.push_back(std::move(after));
  ++position_;
  if (states_.size() > kMaxSteps + 1) {
    states_.pop_front();
    --position_;
    if (saved_ >= 0) --saved_;
  }
}

const WorkSnapshot& WorkHistory::Undo(WorkSnapshot now) {
  states_[position_] = std::move(now);
  return states_[--position_];
}

const WorkSnapshot& WorkHistory::Redo(WorkSnapshot now) {
  states_[position_] = std::move(now);
  return states_[++position_];
}
