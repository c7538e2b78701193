// The function table of the selected curve: two grids of x and exact y values painted cell by
// cell (negative x on the left or in the first grid, positive x to the right or in the second).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/editor_state.h"
#include "model/line_data.h"
#include "render/canvas.h"

// Value colours: grey for a true fraction, blue (0x00BBGGRR) for an integer.
inline constexpr TColor kTableFractionColor = 0x808080;
inline constexpr TColor kTableIntegerColor = 0xFF0000;
inline constexpr TColor kTableGridLineColor = 0xC0C0C0;

// The cell font: the gothic face at a size whose digits (about 5 pixels) fit the cell layout of
// stacked fractions, bars 5 pixels per digit wide.
inline constexpr std::string_view kTableFontName = kFontPGothic;
inline constexpr int32_t kTableFontSize = 8;

// One table grid (drgTable or drgTable2): 11 columns of width 32 and two rows of heights 20 and
// 40, separated by grid lines, drawn on the canvas it is given; the canvas holds the whole grid
// with cell (0, 0) at its top-left corner. Cells are painted only by the table fill.
class TableGrid {
 public:
  static constexpr int32_t kColCount = 11;
  static constexpr int32_t kRowCount = 2;
  static constexpr int32_t kDefaultColWidth = 32;
  static constexpr int32_t kGridLineWidth = 1;

  // Sizes the canvas to the grid and paints it empty.
  explicit TableGrid(Canvas& canvas);

  int32_t ColCount() const { return kColCount; }
  int32_t RowCount() const { return kRowCount; }
  int32_t DefaultColWidth() const { return kDefaultColWidth; }
  int32_t GridLineWidth() const { return kGridLineWidth; }
  int32_t RowHeight(int32_t row) const { return row == 0 ? 20 : 40; }

  int32_t Width() const { return width_; }
  int32_t Height() const { return 3 * kGridLineWidth + 62; }
  // A new width resizes the canvas and repaints the grid empty; the same width changes nothing.
  void SetWidth(int32_t width);

  // The cell's inner rectangle, grid lines excluded.
  PixelRect CellRect(int32_t column, int32_t row) const;

  // Every cell white and the grid lines drawn.
  void Clear();
  void ClearCell(int32_t column, int32_t row);

  // Colour of texts and fraction bars written from now on.
  void SetTextColor(TColor color);
  TColor TextColor() const { return textColor_; }

  Canvas& canvas() { return canvas_; }

 private:
  void ApplyFont();

  Canvas& canvas_;
  int32_t width_ = kColCount * (kDefaultColWidth + kGridLineWidth) + kGridLineWidth + 3;
  TColor textColor_ = kBlack;
};

// Every value cell of both grids cleared to white; column 0 shows "x" and "y" in black.
void ClearTable(TableGrid& drgTable, TableGrid& drgTable2);

// Writes x and its y into the column when it belongs in the table (x ≠ 0, and y an integer
// while chkIntOnly is checked); returns whether it wrote.
bool TableCell(TableGrid& grid, int32_t column, const TLineData& curve, int32_t x,
               const DisplayOptions& options);

// Fills the grids for curves[index]: x = -1, -2, ... leftwards from the middle (or from the
// last column of drgTable in two-row display) and x = 1, 2, ... rightwards (or through
// drgTable2), at most 300 values each way. An index that names no curve, or the table switched
// off, only clears the table.
void FillTable(TableGrid& drgTable, TableGrid& drgTable2, const DisplayOptions& options,
               const std::vector<TLineData>& curves, int32_t index);
