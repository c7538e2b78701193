// Undo and redo for the open work: the states the work went through as snapshots, a position
// among them and the state last saved or opened. Snapshots share the curves they have in
// common, so one step costs the curves it changed and a list of pointers, not a copy of the work.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "model/equation_text.h"
#include "model/line_data.h"

// One curve as the work holds it: the record, its graph-list text and its lines of the file
// (five; fewer only when a short buffer ends inside the curve).
struct WorkPiece {
  TLineData line;
  std::string item;
  std::vector<std::string> lines;
};

// The whole work at one moment. The pieces, the title line and the lines after the curves are
// shared with the neighbouring snapshots wherever they did not change.
struct WorkSnapshot {
  std::vector<std::shared_ptr<const WorkPiece>> curves;
  std::vector<bool> selected;
  std::shared_ptr<const std::vector<std::string>> head;  // the title line, if the buffer has one
  std::shared_ptr<const std::vector<std::string>> tail;  // lines kept beyond the curves
  EquationForm form = EquationForm::Standard;            // the form the list texts are in
};

class WorkHistory {
 public:
  // Steps kept: older ones are forgotten.
  static constexpr std::size_t kMaxSteps = 100;

  // A history of one state, which counts as saved (a new or opened work).
  void Start(WorkSnapshot state);
  // A change: the state before it (the current one, with what changed since it was recorded
  // without being a step, such as the selection) and the state it made, which becomes current.
  // Steps that had been undone can no longer be redone.
  void Record(WorkSnapshot before, WorkSnapshot after);
  bool CanUndo() const { return position_ > 0; }
  bool CanRedo() const { return position_ + 1 < states_.size(); }
  // Moves one step back or forward; now is the work as it is, kept for the way back. Returns
  // the state to restore. Only valid when CanUndo / CanRedo.
  const WorkSnapshot& Undo(WorkSnapshot now);
  const WorkSnapshot& Redo(WorkSnapshot now);
  // The current state is the one on file.
  void MarkSaved() { saved_ = static_cast<int64_t>(position_); }
  // No state in the history is the one on file (a work recovered from a former run).
  void ForgetSaved() { saved_ = -1; }
  bool AtSaved() const { return saved_ == static_cast<int64_t>(position_); }
  // The current state, as last recorded; what a new snapshot can share its pieces with.
  const WorkSnapshot& Current() const { return states_[position_]; }
  std::size_t UndoSteps() const { return position_; }

 private:
  std::deque<WorkSnapshot> states_{WorkSnapshot{}};
  std::size_t position_ = 0;
  int64_t saved_ = 0;  // -1 when the saved state is no longer in the history
};
