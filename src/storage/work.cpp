#include "storage/work.h"

#include <algorithm>
#include <utility>

namespace {

bool Within(int32_t i, std::size_t size) { return i >= 0 && static_cast<std::size_t>(i) < size; }

}  // namespace

bool Work::IsSelected(int32_t i) const {
  return Within(i, selected_.size()) && selected_[static_cast<std::size_t>(i)];
}

int32_t Work::SelectedCount() const {
  return static_cast<int32_t>(std::count(selected_.begin(), selected_.end(), true));
}

int32_t Work::FirstSelected() const {
  for (std::size_t i = 0; i < selected_.size(); ++i) {
    if (selected_[i]) return static_cast<int32_t>(i);
  }
  return Count() - 1;
}

int32_t Work::LastSelected() const {
  for (std::size_t i = selected_.size(); i > 0; --i) {
    if (selected_[i - 1]) return static_cast<int32_t>(i - 1);
  }
  return -1;
}

void Work::SelectOnly(int32_t i) {
  DeselectAll();
  SetSelected(i, true);
}

void Work::SelectAll() { std::fill(selected_.begin(), selected_.end(), true); }

void Work::DeselectAll() { std::fill(selected_.begin(), selected_.end(), false); }

void Work::SetSelected(int32_t i, bool selected) {
  if (Within(i, selected_.size())) selected_[static_cast<std::size_t>(i)] = selected;
}

void Work::SetSelection(const std::vector<bool>& selected) {
  for (std::size_t i = 0; i < selected_.size(); ++i) {
    selected_[i] = i < selected.size() && selected[i];
  }
}

void Work::Changed(bool saved) {
  dataSaved_ = saved;
  if (listener_) listener_();
}

void Work::MarkSaved() { Changed(true); }

void Work::Reset(const std::string& titleLine) {
  curves_.clear();
  listItems_.clear();
  selected_.clear();
  buffer_.Reset(titleLine);
  Changed(true);
}

int32_t Work::Add(const TLineData& line, EquationForm form) {
  if (Count() >= kMaxLines) return -1;
  const int32_t i = Count();
  curves_.push_back(line);
  listItems_.push_back(EquationText(line, form));
  selected_.push_back(false);
  buffer_.InsertCurve(i, line);
  Changed(false);
  return i;
}

void Work::Store(int32_t i, const TLineData& line, EquationForm form) {
  const auto slot = static_cast<std::size_t>(i);
  curves_[slot] = line;
  listItems_[slot] = EquationText(line, form);
  buffer_.ReplaceCurve(i, line);
}

void Work::ReplaceCurve(int32_t i, const TLineData& line, EquationForm form) {
  if (!Within(i, curves_.size())) return;
  Store(i, line, form);
  Changed(false);
}

int32_t Work::DeleteSelected() {
  int32_t removed = 0;
  for (int32_t i = Count() - 1; i >= 0; --i) {
    if (!selected_[static_cast<std::size_t>(i)]) continue;
    curves_.erase(curves_.begin() + i);
    listItems_.erase(listItems_.begin() + i);
    selected_.erase(selected_.begin() + i);
    buffer_.DeleteCurve(i);
    ++removed;
  }
  Changed(false);
  return removed;
}

void Work::Restyle(int32_t i, int32_t color, int32_t width) {
  if (!Within(i, curves_.size())) return;
  TLineData& line = curves_[static_cast<std::size_t>(i)];
  if (line.Color == color && line.LWidth == width) return;
  line.Color = color;
  line.LWidth = width;
  buffer_.ReplaceStyleLine(i, line);
  Changed(false);
}

void Work::SetEquationForm(EquationForm form) {
  for (std::size_t i = 0; i < curves_.size(); ++i) {
    curves_[i].Shiki = EquationText(curves_[i], form);
    listItems_[i] = curves_[i].Shiki;
  }
}

void Work::Take(std::vector<TLineData> curves, std::vector<std::string> lines, EquationForm form) {
  if (curves.size() > static_cast<std::size_t>(kMaxLines)) curves.resize(kMaxLines);
  std::vector<std::string> items;
  items.reserve(curves.size());
  for (const TLineData& line : curves) items.push_back(EquationText(line, form));
  curves_ = std::move(curves);
  listItems_ = std::move(items);
  selected_.assign(curves_.size(), false);
  buffer_.Load(std::move(lines));
}

void Work::Load(std::vector<TLineData> curves, std::vector<std::string> lines, EquationForm form) {
  Take(std::move(curves), std::move(lines), form);
  Changed(true);
}

void Work::LoadEdited(std::vector<TLineData> curves, std::vector<std::string> lines,
                      EquationForm form) {
  Take(std::move(curves), std::move(lines), form);
  Changed(false);
}
