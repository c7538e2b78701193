#include "render/function_table.h"

#include <algorithm>

#include "render/math_text.h"

namespace {

// Texts in a cell start this far from the column's left edge.
constexpr int32_t kCellTextLeft = 5;
// How far from zero the table looks on either side.
constexpr int32_t kMaxTableX = 300;

// The x row: a third of the row height down. The y row: through the cell fraction drawer,
// which sets integers and stacked fractions in the same places for every cell.
void WriteX(TableGrid& grid, int32_t column, const std::string& text) {
  const PixelRect cell = grid.CellRect(column, 0);
  grid.canvas().TextOut(cell.left + kCellTextLeft, cell.top + grid.RowHeight(0) / 3, text);
}

void WriteY(TableGrid& grid, int32_t column, const std::string& text) {
  const PixelRect cell = grid.CellRect(column, 1);
  const auto slash = text.find('/');
  const std::string top = text.substr(0, slash);
  const std::string bottom = slash == std::string::npos ? std::string() : text.substr(slash + 1);
  DrawCellFraction(grid.canvas(), top, bottom, cell.left + kCellTextLeft, cell.top);
}

void ClearValues(TableGrid& grid) {
  for (int32_t column = 1; column < grid.ColCount(); ++column) {
    for (int32_t row = 0; row < grid.RowCount(); ++row) grid.ClearCell(column, row);
  }
}

void WriteLabels(TableGrid& grid) {
  grid.SetTextColor(kBlack);
  grid.ClearCell(0, 0);
  grid.ClearCell(0, 1);
  WriteX(grid, 0, "x");
  WriteY(grid, 0, "y");
}

}  // namespace

TableGrid::TableGrid(Canvas& canvas) : canvas_(canvas) {
  canvas_.Resize(width_, Height());
  ApplyFont();
  Clear();
}

void TableGrid::ApplyFont() {
  canvas_.SetFontName(kTableFontName);
  canvas_.SetFontSize(kTableFontSize);
  canvas_.SetFontItalic(false);
  SetTextColor(textColor_);
}

void TableGrid::SetWidth(int32_t width) {
  width = std::max(width, 0);
  if (width == width_) return;
  width_ = width;
  canvas_.Resize(width_, Height());
  ApplyFont();
  Clear();
}

PixelRect TableGrid::CellRect(int32_t column, int32_t row) const {
  const int32_t left = std::clamp(column, 0, kColCount - 1) * (kDefaultColWidth + kGridLineWidth);
  const int32_t top = row <= 0 ? 0 : RowHeight(0) + kGridLineWidth;
  return PixelRect{left, top, left + kDefaultColWidth, top + RowHeight(row)};
}

void TableGrid::Clear() {
  canvas_.FillRect(PixelRect{0, 0, canvas_.Width(), canvas_.Height()}, kWhite);
  const PixelRect last = CellRect(kColCount - 1, kRowCount - 1);
  const int32_t right = last.right + kGridLineWidth;
  const int32_t bottom = last.bottom + kGridLineWidth;
  for (int32_t column = 0; column < kColCount; ++column) {
    const int32_t x = CellRect(column, 0).right;
    canvas_.FillRect(PixelRect{x, 0, x + kGridLineWidth, bottom}, kTableGridLineColor);
  }
  for (int32_t row = 0; row < kRowCount; ++row) {
    const int32_t y = CellRect(0, row).bottom;
    canvas_.FillRect(PixelRect{0, y, right, y + kGridLineWidth}, kTableGridLineColor);
  }
}

void TableGrid::ClearCell(int32_t column, int32_t row) {
  if (column < 0 || column >= kColCount || row < 0 || row >= kRowCount) return;
  canvas_.FillRect(CellRect(column, row), kWhite);
}

void TableGrid::SetTextColor(TColor color) {
  textColor_ = color;
  canvas_.SetFontColor(color);
  canvas_.SetPenColor(color);
}

void ClearTable(TableGrid& drgTable, TableGrid& drgTable2) {
  for (TableGrid* grid : {&drgTable, &drgTable2}) {
    ClearValues(*grid);
    WriteLabels(*grid);
  }
}

bool TableCell(TableGrid& grid, int32_t column, const TLineData& curve, int32_t x,
               const DisplayOptions& options) {
  if (x == 0 || column < 0 || column >= grid.ColCount()) return false;
  const std::string y = YText(curve, x);
  const bool fraction = y.find('/') != std::string::npos;
  if (fraction && options.chkIntOnly) return false;
  grid.SetTextColor(fraction ? kTableFractionColor : kTableIntegerColor);
  grid.ClearCell(column, 0);
  WriteX(grid, column, std::to_string(x));
  grid.ClearCell(column, 1);
  WriteY(grid, column, y);
  return true;
}

void FillTable(TableGrid& drgTable, TableGrid& drgTable2, const DisplayOptions& options,
               const std::vector<TLineData>& curves, int32_t index) {
  for (TableGrid* grid : {&drgTable, &drgTable2}) {
    grid->SetWidth(grid->ColCount() * (grid->DefaultColWidth() + grid->GridLineWidth()) +
                   grid->GridLineWidth() + 3);
  }
  ClearTable(drgTable, drgTable2);
  // Callers pass FirstSelected, which is -1 when nothing is selected: that shows an empty table.
  if (!options.chkDataTable || index < 0 || index >= static_cast<int32_t>(curves.size())) return;
  const TLineData& curve = curves[static_cast<std::size_t>(index)];

  const int32_t n = drgTable.ColCount() - 1;
  int32_t column = options.chkNidan ? n : n / 2;
  for (int32_t x = -1; x >= -kMaxTableX && column >= 1; --x) {
    if (TableCell(drgTable, column, curve, x, options)) --column;
  }

  TableGrid& right = options.chkNidan ? drgTable2 : drgTable;
  column = options.chkNidan ? 1 : n / 2 + 1;
  const int32_t last = right.ColCount() - 1;
  for (int32_t x = 1; x <= kMaxTableX && column <= last; ++x) {
    if (TableCell(right, column, curve, x, options)) ++column;
  }
}
