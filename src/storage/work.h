// The open work: its curves in list order, the graph list's texts and selection, the document
// lines of its file and whether it is saved. Every change goes through one of the operations
// below, each of which keeps all of them in step, so the buffer always holds the title line,
// then each curve's five lines as the writer produces them, then whatever lines a larger file
// held beyond the curves read. A curve's equation line keeps the text the curve was read or last
// registered with: switching the equation form rebuilds the shown texts only.
// Every operation that changes the curves, the lines or the saved flag ends in one notice to the
// work's listener, so what must follow each change (the recovery copy) hangs on one place.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/equation_text.h"
#include "model/line_data.h"
#include "storage/document_buffer.h"

class Work {
 public:
  int32_t Count() const { return static_cast<int32_t>(curves_.size()); }
  bool Empty() const { return curves_.empty(); }
  const TLineData& Curve(int32_t i) const { return curves_[static_cast<std::size_t>(i)]; }
  const std::vector<TLineData>& Curves() const { return curves_; }
  // The graph list: one equation text per curve.
  const std::vector<std::string>& ListItems() const { return listItems_; }
  const DocumentBuffer& Buffer() const { return buffer_; }
  // No change since the work was started, opened or saved.
  bool DataSaved() const { return dataSaved_; }
  // There are curves and they are not saved.
  bool NeedSave() const { return !dataSaved_ && !curves_.empty(); }

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
  // An empty, saved work whose buffer holds only the title line.
  void Reset(const std::string& titleLine);
  // Appends a curve (its list text in the given form) and returns its index; -1, with nothing
  // changed, when the work is full. Its lines go before any lines kept from a larger file.
  int32_t Add(const TLineData& line, EquationForm form);
  // Puts a changed curve in place of curve i: the record, its list text and its five lines.
  // The work counts as changed, whether the curve was redrawn or moved with the arrow buttons.
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
  // in the form, and every line of the file. Nothing selected; saved.
  void Load(std::vector<TLineData> curves, std::vector<std::string> lines, EquationForm form);
  // The same for lines the user edited in the unit contents view: the work counts as changed.
  void LoadEdited(std::vector<TLineData> curves, std::vector<std::string> lines, EquationForm form);
  void MarkSaved();

  // Called after every operation that changed the curves, the lines or the saved flag.
  void SetChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

  // The writer's access to the lines: it puts the title in line 1 when it saves.
  DocumentBuffer& BufferForSave() { return buffer_; }

 private:
  void Store(int32_t i, const TLineData& line, EquationForm form);
  void Take(std::vector<TLineData> curves, std::vector<std::string> lines, EquationForm form);
  // The one place a change of the work ends: the flag, then the listener.
  void Changed(bool saved);

  std::vector<TLineData> curves_;
  std::vector<std::string> listItems_;
  std::vector<bool> selected_;
  DocumentBuffer buffer_;
  bool dataSaved_ = true;
  std::function<void()> listener_;
};
