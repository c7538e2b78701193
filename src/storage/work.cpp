#include "storage/work.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace {

bool Within(int32_t i, std::size_t size) { return i >= 0 && static_cast<std::size_t>(i) < size; }

using Lines = std::vector<std::string>;

// Lines [from, to) of the buffer as a shared block: the block of the earlier snapshot when it
// holds the same lines.
std::shared_ptr<const Lines> ShareLines(const std::shared_ptr<const Lines>& like,
                                        const Lines& lines, std::size_t from, std::size_t to) {
  const auto first = lines.begin() + static_cast<std::ptrdiff_t>(from);
  const auto last = lines.begin() + static_cast<std::ptrdiff_t>(to);
  if (like && std::equal(like->begin(), like->end(), first, last)) return like;
  return std::make_shared<const Lines>(first, last);
}

}  // namespace

Work::Work() { history_.Start(Capture(WorkSnapshot{})); }

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

void Work::Reset(const std::string& titleLine) {
  curves_.clear();
  listItems_.clear();
  selected_.clear();
  buffer_.Reset(titleLine);
  pieces_.clear();
  history_.Start(Capture(WorkSnapshot{}));
  HistoryMoved();
}

void Work::EraseAll(const std::string& titleLine) {
  if (curves_.empty() && buffer_.Lines() == Lines{titleLine}) return;  // nothing to erase
  Change change(*this);
  curves_.clear();
  listItems_.clear();
  selected_.clear();
  buffer_.Reset(titleLine);
  pieces_.clear();
  Edited();
}

int32_t Work::Add(const TLineData& line, EquationForm form) {
  if (Count() >= kMaxLines) return -1;
  Change change(*this);
  const int32_t i = Count();
  curves_.push_back(line);
  listItems_.push_back(EquationText(line, form));
  selected_.push_back(false);
  buffer_.InsertCurve(i, line);
  pieces_.resize(curves_.size());
  form_ = form;
  Edited();
  return i;
}

void Work::Store(int32_t i, const TLineData& line, EquationForm form) {
  Change change(*this);
  const auto slot = static_cast<std::size_t>(i);
  curves_[slot] = line;
  listItems_[slot] = EquationText(line, form);
  buffer_.ReplaceCurve(i, line);
  Unshared(i);
  form_ = form;
  Edited();
}

void Work::ReplaceCurve(int32_t i, const TLineData& line, EquationForm form) {
  if (Within(i, curves_.size())) Store(i, line, form);
}

int32_t Work::DeleteSelected() {
  if (std::none_of(selected_.begin(), selected_.end(), [](bool on) { return on; })) {
    // 訂正 with nothing selected still leaves the work to be saved, but changes nothing that an
    // undo could give back: no step.
    history_.ForgetSaved();
    HistoryMoved();
    return 0;
  }
  Change change(*this);
  int32_t removed = 0;
  for (int32_t i = Count() - 1; i >= 0; --i) {
    if (!selected_[static_cast<std::size_t>(i)]) continue;
    curves_.erase(curves_.begin() + i);
    if (static_cast<std::size_t>(i) < pieces_.size()) pieces_.erase(pieces_.begin() + i);
    listItems_.erase(listItems_.begin() + i);
    selected_.erase(selected_.begin() + i);
    buffer_.DeleteCurve(i);
    ++removed;
  }
  Edited();
  return removed;
}

void Work::Restyle(int32_t i, int32_t color, int32_t width) {
  if (!Within(i, curves_.size())) return;
  Change change(*this);
  TLineData& line = curves_[static_cast<std::size_t>(i)];
  if (line.Color == color && line.LWidth == width) return;
  line.Color = color;
  line.LWidth = width;
  buffer_.ReplaceStyleLine(i, line);
  Unshared(i);
  Edited();
}

void Work::SetEquationForm(EquationForm form) {
  form_ = form;
  for (std::size_t i = 0; i < curves_.size(); ++i) {
    curves_[i].Shiki = EquationText(curves_[i], form);
    listItems_[i] = curves_[i].Shiki;
  }
  pieces_.assign(curves_.size(), nullptr);
}

void Work::Load(std::vector<TLineData> curves, std::vector<std::string> lines, EquationForm form) {
  Replace(std::move(curves), std::move(lines), form);
  history_.Start(Capture(WorkSnapshot{}));
  HistoryMoved();
}

void Work::LoadUnsaved(std::vector<TLineData> curves, std::vector<std::string> lines,
                       EquationForm form) {
  Replace(std::move(curves), std::move(lines), form);
  history_.Start(Capture(WorkSnapshot{}));
  history_.ForgetSaved();
  HistoryMoved();
}

void Work::LoadEdited(std::vector<TLineData> curves, std::vector<std::string> lines,
                      EquationForm form) {
  Change change(*this);
  Replace(std::move(curves), std::move(lines), form);
  Edited();
}

void Work::Replace(std::vector<TLineData> curves, std::vector<std::string> lines,
                   EquationForm form) {
  if (curves.size() > static_cast<std::size_t>(kMaxLines)) curves.resize(kMaxLines);
  std::vector<std::string> items;
  items.reserve(curves.size());
  for (const TLineData& line : curves) items.push_back(EquationText(line, form));
  curves_ = std::move(curves);
  listItems_ = std::move(items);
  selected_.assign(curves_.size(), false);
  pieces_.assign(curves_.size(), nullptr);
  buffer_.Load(std::move(lines));
  form_ = form;
}

// ---- history ----

void Work::BeginChange() {
  if (openChanges_++ > 0) return;
  edited_ = false;
  // The current state as it is now: the selection and the list texts may have changed since
  // it was recorded, and undoing this change is to bring them back as well.
  before_ = Snapshot();
}

void Work::EndChange() {
  if (--openChanges_ > 0) return;
  if (edited_) {
    WorkSnapshot after = Capture(before_);
    history_.Record(std::move(before_), std::move(after));
    HistoryMoved();
  }
  before_ = WorkSnapshot{};
}

namespace {

std::string TitleLineOf(const WorkSnapshot& state) {
  return state.head && !state.head->empty() ? state.head->front() : std::string();
}

}  // namespace

bool Work::Undo() {
  if (openChanges_ > 0 || !history_.CanUndo()) return false;
  // The step's own title lines, as recorded: a save that wrote the title since is no step.
  const std::string stepTitle = TitleLineOf(history_.Current());
  const WorkSnapshot back = history_.Undo(Snapshot());
  titleStepped_ = TitleLineOf(back) != stepTitle;
  Restore(back);
  HistoryMoved();
  return true;
}

bool Work::Redo() {
  if (openChanges_ > 0 || !history_.CanRedo()) return false;
  const std::string stepTitle = TitleLineOf(history_.Current());
  const WorkSnapshot forward = history_.Redo(Snapshot());
  titleStepped_ = TitleLineOf(forward) != stepTitle;
  Restore(forward);
  HistoryMoved();
  return true;
}

WorkSnapshot Work::Capture(const WorkSnapshot& like) const {
  WorkSnapshot state;
  const Lines& lines = buffer_.Lines();
  const std::size_t n = curves_.size();
  const std::size_t headSize = std::min<std::size_t>(lines.size(), 1);
  // A kept piece holds its curve's lines as they were: it is good only while every curve's
  // lines stand where they stood (a title line and five lines a curve).
  if (pieces_.size() != n || lines.size() < 1 + 5 * n || !like.head ||
      like.head->size() != headSize) {
    pieces_.assign(n, nullptr);
  }
  for (std::size_t i = 0; i < n; ++i) {
    if (pieces_[i]) continue;
    const auto from =
        lines.begin() + static_cast<std::ptrdiff_t>(std::min(lines.size(), 1 + 5 * i));
    const auto to = lines.begin() + static_cast<std::ptrdiff_t>(std::min(lines.size(), 6 + 5 * i));
    pieces_[i] =
        std::make_shared<const WorkPiece>(WorkPiece{curves_[i], listItems_[i], Lines(from, to)});
  }
  state.curves = pieces_;
  state.head = ShareLines(like.head, lines, 0, headSize);
  state.tail = ShareLines(like.tail, lines, std::min(lines.size(), 1 + 5 * n), lines.size());
  state.selected = selected_;
  state.form = form_;
  return state;
}

void Work::Restore(const WorkSnapshot& state) {
  Lines lines = state.head ? *state.head : Lines{};
  curves_.clear();
  listItems_.clear();
  for (const auto& piece : state.curves) {
    curves_.push_back(piece->line);
    listItems_.push_back(piece->item);
    lines.insert(lines.end(), piece->lines.begin(), piece->lines.end());
  }
  if (state.tail) lines.insert(lines.end(), state.tail->begin(), state.tail->end());
  buffer_.Load(std::move(lines));
  pieces_ = state.curves;
  selected_ = state.selected;
  selected_.resize(curves_.size(), false);
  // The equation form is the window's choice, not part of the work: texts made in another
  // form are made again in the one chosen now.
  if (state.form != form_) SetEquationForm(form_);
}
