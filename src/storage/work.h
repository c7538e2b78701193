// The open work: its curves in list order, the graph list's texts and selection, the document
// lines of its file and whether it is saved. Every change goes through one of the operations
// below, each of which keeps all of them in step, so the buffer always holds the title line,
// then each curve's five lines as the writer produces them, then whatever lines a larger file
// held beyond the curves read. A curve's equation line keeps the text the curve was read or last
// registered with: switching the equation form rebuilds the shown texts only.
// Every edit is one step of the work's history, which undoes and redoes it; whether the work is
// saved is whether the history stands at the state last saved or opened. Every step, undo,
// redo, load and save ends in one notice to the work's listener, so what must follow each
// change (the menus, the recovery copy) hangs on one place.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/equation_text.h"
#include "model/line_data.h"
#include "storage/document_buffer.h"
#include "storage/work_history.h"

class Work {
 public:
  Work();

  // The edits made while a Change is alive are one step of the history (a command that
  // recolours several curves is undone as a whole). Every edit below opens its own as well.
  class Change {
   public:
    explicit Change(Work& work) : work_(work) { work_.BeginChange(); }
    ~Change() { work_.EndChange(); }
    Change(const Change&) = delete;
    Change& operator=(const Change&) = delete;

   private:
    Work& work_;
  };

  int32_t Count() const { return static_cast<int32_t>(curves_.size()); }
  bool Empty() const { return curves_.empty(); }
  const TLineData& Curve(int32_t i) const { return curves_[static_cast<std::size_t>(i)]; }
  const std::vector<TLineData>& Curves() const { return curves_; }
  // The graph list: one equation text per curve.
  const std::vector<std::string>& ListItems() const { return listItems_; }
  const DocumentBuffer& Buffer() const { return buffer_; }
  // The work is as it was started, opened or last saved (undoing back to that state counts).
  bool DataSaved() const { return history_.AtSaved(); }
  // There are curves and they are not saved.
  bool NeedSave() const { return !DataSaved() && !curves_.empty(); }

  // ---- selection: the graph list's own state ----
  bool IsSelected(int32_t i) const;
  const std::vector<bool>& Selection() const { return selected_; }
  int32_t SelectedCount() const;
  // The first selected curve; with none selected the last curve; -1 when there are none.
  int32_t FirstSelected() const;
  // The last selected curve, -1 when none is.
  int32_t LastSelected() const;
  // Every curve deselected, then curve i selected when it exists.
  void SelectOnly(int32_t i);
  void SelectAll();
  void DeselectAll();
  void SetSelected(int32_t i, bool selected);
  // As the list reports it: one flag per curve (missing flags read as not selected).
  void SetSelection(const std::vector<bool>& selected);

  // ---- edits ----
  // An empty, saved work whose buffer holds only the title line, with a fresh history.
  void Reset(const std::string& titleLine);
  // The same as a change of the work: every curve erased, which can be undone.
  void EraseAll(const std::string& titleLine);
  // Appends a curve (its list text in the given form) and returns its index; -1, with nothing
  // changed, when the work is full. Its lines go before any lines kept from a larger file.
  int32_t Add(const TLineData& line, EquationForm form);
  // Puts a changed curve in place of curve i: the record, its list text and its five lines.
  // A curve redrawn, dragged or moved with the arrow buttons: one step of the history.
  void ReplaceCurve(int32_t i, const TLineData& line, EquationForm form);
  // Removes the selected curves with their lines, keeping the others in order; returns how
  // many went. The work counts as changed even when nothing was selected.
  int32_t DeleteSelected();
  // Colour and width of curve i: only the curve's first line is rewritten. A new colour or
  // width counts as a change; the same ones again do not.
  void Restyle(int32_t i, int32_t color, int32_t width);
  // Every curve's equation text and list text in the form; the document lines keep theirs.
  void SetEquationForm(EquationForm form);
  // A work read from a file: its curves as read (equation texts as stored), their list texts
  // in the form, and every line of the file. Nothing selected; saved, with a fresh history.
  void Load(std::vector<TLineData> curves, std::vector<std::string> lines, EquationForm form);
  // A work kept from a former run that was never saved: a fresh history, unsaved.
  void LoadUnsaved(std::vector<TLineData> curves, std::vector<std::string> lines,
                   EquationForm form);
  // The same for lines the user edited in the unit contents view: a change of the work.
  void LoadEdited(std::vector<TLineData> curves, std::vector<std::string> lines, EquationForm form);
  // The work as it stands is the one on file.
  void MarkSaved() {
    history_.MarkSaved();
    HistoryMoved();
  }

  // ---- history ----
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  // Brings back the work as it was before the last change, or as it was when that change was
  // undone: curves, list texts (in the form now chosen), selection and lines. False when there
  // is no such step.
  bool Undo();
  bool Redo();
  // Whether the step last undone or redone changed the title line (an edit of the unit contents'
  // first line): the unit title follows it.
  bool TitleStepped() const { return titleStepped_; }
  // Told after every step, undo, redo, load and save: what can be undone may have changed, and
  // the work may have become saved or unsaved.
  void SetHistoryListener(std::function<void()> listener) {
    historyListener_ = std::move(listener);
  }
  // The snapshot of the work as it stands, sharing unchanged pieces with the current state.
  WorkSnapshot Snapshot() const { return Capture(history_.Current()); }

  // The writer's access to the lines: it puts the title in line 1 when it saves.
  DocumentBuffer& BufferForSave() { return buffer_; }

 private:
  void Store(int32_t i, const TLineData& line, EquationForm form);
  void Replace(std::vector<TLineData> curves, std::vector<std::string> lines, EquationForm form);
  // The one place where edits become steps: the state is taken when the outermost Change
  // opens, and a step recorded when it closes having edited something.
  void BeginChange();
  void EndChange();
  void Edited() { edited_ = true; }
  void Unshared(int32_t i) {
    if (static_cast<std::size_t>(i) < pieces_.size())
      pieces_[static_cast<std::size_t>(i)] = nullptr;
  }
  WorkSnapshot Capture(const WorkSnapshot& like) const;
  void Restore(const WorkSnapshot& state);
  void HistoryMoved() const {
    if (historyListener_) historyListener_();
  }

  std::vector<TLineData> curves_;
  std::vector<std::string> listItems_;
  std::vector<bool> selected_;
  DocumentBuffer buffer_;
  EquationForm form_ = EquationForm::Standard;  // the form the list texts were last made in
  WorkHistory history_;
  int32_t openChanges_ = 0;
  bool edited_ = false;
  WorkSnapshot before_;  // the state when the open change began
  // The pieces of the last snapshot, one per curve, null where the curve changed since: a
  // snapshot shares every piece still here instead of comparing or copying the curve.
  mutable std::vector<std::shared_ptr<const WorkPiece>> pieces_;
  std::function<void()> historyListener_;
  bool titleStepped_ = false;
};
