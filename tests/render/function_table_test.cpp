#include "render/function_table.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>

#include "support/core/recording_canvas.h"

namespace {

using RowView = std::array<std::string, 11>;

// What a grid shows, rebuilt from the recorded operations: a fill over a whole cell empties
// it, texts add to it. Stacked fractions read back as "-6/5", integers as "-6".
class GridView {
 public:
  explicit GridView(const RecordingCanvas& canvas) {
    for (const std::string& op : canvas.ops) {
      int l = 0, t = 0, r = 0, b = 0;
      if (std::sscanf(op.c_str(), "Fill %d,%d,%d,%d", &l, &t, &r, &b) == 4) {
        for (int row = 0; row < 2; ++row) {
          for (int column = 0; column < 11; ++column) {
            const int left = column * 33;
            const int top = row == 0 ? 0 : 21;
            const int bottom = row == 0 ? 20 : 61;
            if (l <= left && t <= top && r >= left + 32 && b >= bottom) {
              At(column, row) = Cell{};
            }
          }
        }
        continue;
      }
      int x = 0, y = 0;
      if (std::sscanf(op.c_str(), "Text %d,%d", &x, &y) != 2) continue;
      const auto textStart = op.find(' ', 5) + 1;
      const auto fontStart = op.rfind(" [");
      const std::string text = op.substr(textStart, fontStart - textStart);
      const std::string color = op.substr(op.size() - 8, 7);
      const int row = y < 21 ? 0 : 1;
      Cell& cell = At(x / 33, row);
      // In the y row a denominator sits 24 pixels below the cell's top.
      cell.text += (row == 1 && y - 21 == 24 ? "/" : "") + text;
      cell.color = cell.color.empty() || cell.color == color ? color : "mixed";
    }
  }

  struct Cell {
    std::string text;
    std::string color;  // "#BBGGRR" of its texts, "mixed" when they differ
  };

  RowView Row(int row) const {
    RowView out;
    for (int column = 0; column < 11; ++column) {
      out[static_cast<size_t>(column)] = cells_[Index(column, row)].text;
    }
    return out;
  }
  const Cell& At(int column, int row) const { return cells_[Index(column, row)]; }

 private:
  static size_t Index(int column, int row) { return static_cast<size_t>(row * 11 + column); }
  Cell& At(int column, int row) { return cells_[Index(column, row)]; }
  std::array<Cell, 22> cells_{};
};

const RowView kLabelsOnlyX = {"x", "", "", "", "", "", "", "", "", "", ""};
const RowView kLabelsOnlyY = {"y", "", "", "", "", "", "", "", "", "", ""};

struct Tables {
  RecordingCanvas canvas1{1, 1};
  RecordingCanvas canvas2{1, 1};
  TableGrid drgTable{canvas1};
  TableGrid drgTable2{canvas2};
};

// The display options and one curve through (x1, y1).
struct TableInput {
  EditorState state;
  std::vector<TLineData> curves;
};

TableInput StateWithCurve(int32_t x1, int32_t y1) {
  TableInput input;
  input.curves.resize(1);
  input.curves[0].X1 = x1;
  input.curves[0].Y1 = y1;
  input.curves[0].Shiki = "y = a/x";
  return input;
}

struct TableCase {
  const char* name;
  int32_t x1, y1;
  bool intOnly, nidan;
  RowView x1Row, y1Row;  // drgTable
  RowView x2Row, y2Row;  // drgTable2
};

void PrintTo(const TableCase& c, std::ostream* os) { *os << c.name; }

class FillTableTest : public ::testing::TestWithParam<TableCase> {};

TEST_P(FillTableTest, ValuesInTheirColumns) {
  const TableCase& c = GetParam();
  Tables t;
  TableInput in = StateWithCurve(c.x1, c.y1);
  in.state.Options.chkIntOnly = c.intOnly;
  in.state.Options.chkNidan = c.nidan;
  FillTable(t.drgTable, t.drgTable2, in.state.Options, in.curves, 0);
  const GridView view1(t.canvas1);
  const GridView view2(t.canvas2);
  EXPECT_EQ(view1.Row(0), c.x1Row);
  EXPECT_EQ(view1.Row(1), c.y1Row);
  EXPECT_EQ(view2.Row(0), c.x2Row);
  EXPECT_EQ(view2.Row(1), c.y2Row);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Curves, FillTableTest,
    ::testing::Values(
        TableCase{"SixIntegersSingle", 2, 3, true, false,
                  {"x", "", "-6", "-3", "-2", "-1", "1", "2", "3", "6", ""},
                  {"y", "", "-1", "-2", "-3", "-6", "6", "3", "2", "1", ""},
                  kLabelsOnlyX, kLabelsOnlyY},
        TableCase{"SixAllSingle", 2, 3, false, false,
                  {"x", "-5", "-4", "-3", "-2", "-1", "1", "2", "3", "4", "5"},
                  {"y", "-6/5", "-3/2", "-2", "-3", "-6", "6", "3", "2", "3/2", "6/5"},
                  kLabelsOnlyX, kLabelsOnlyY},
        TableCase{"SixIntegersTwoRows", 2, 3, true, true,
                  {"x", "", "", "", "", "", "", "-6", "-3", "-2", "-1"},
                  {"y", "", "", "", "", "", "", "-1", "-2", "-3", "-6"},
                  {"x", "1", "2", "3", "6", "", "", "", "", "", ""},
                  {"y", "6", "3", "2", "1", "", "", "", "", "", ""}},
        TableCase{"SixAllTwoRows", 2, 3, false, true,
                  {"x", "-10", "-9", "-8", "-7", "-6", "-5", "-4", "-3", "-2", "-1"},
                  {"y", "-3/5", "-2/3", "-3/4", "-6/7", "-1", "-6/5", "-3/2", "-2", "-3", "-6"},
                  {"x", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
                  {"y", "6", "3", "2", "3/2", "6/5", "1", "6/7", "3/4", "2/3", "3/5"}},
        TableCase{"SevenIntegersSingle", 7, 1, true, false,
                  {"x", "", "", "", "-7", "-1", "1", "7", "", "", ""},
                  {"y", "", "", "", "-1", "-7", "7", "1", "", "", ""},
                  kLabelsOnlyX, kLabelsOnlyY},
        TableCase{"MinusSixIntegersSingle", -2, 3, true, false,
                  {"x", "", "-6", "-3", "-2", "-1", "1", "2", "3", "6", ""},
                  {"y", "", "1", "2", "3", "6", "-6", "-3", "-2", "-1", ""},
                  kLabelsOnlyX, kLabelsOnlyY},
        // Only x up to 300 is looked at: a prime beyond shows just ±1.
        TableCase{"LargePrimeBeyondTheSearch", 307, 1, true, false,
                  {"x", "", "", "", "", "-1", "1", "", "", "", ""},
                  {"y", "", "", "", "", "-307", "307", "", "", "", ""},
                  kLabelsOnlyX, kLabelsOnlyY},
        TableCase{"PrimeWithinTheSearch", 293, 1, true, false,
                  {"x", "", "", "", "-293", "-1", "1", "293", "", "", ""},
                  {"y", "", "", "", "-1", "-293", "293", "1", "", "", ""},
                  kLabelsOnlyX, kLabelsOnlyY}),
    [](const auto& param) { return std::string(param.param.name); });
// clang-format on

TEST(FillTableColours, FractionsGreyIntegersBlueLabelsBlack) {
  Tables t;
  TableInput in = StateWithCurve(2, 3);
  in.state.Options.chkIntOnly = false;
  FillTable(t.drgTable, t.drgTable2, in.state.Options, in.curves, 0);
  const GridView view(t.canvas1);
  for (int column = 0; column < 11; ++column) {
    const std::string y = view.At(column, 1).text;
    const std::string expected = column == 0                        ? "#000000"
                                 : y.find('/') != std::string::npos ? "#808080"
                                                                    : "#FF0000";
    EXPECT_EQ(view.At(column, 0).color, expected) << "column " << column;
    EXPECT_EQ(view.At(column, 1).color, expected) << "column " << column;
  }
}

TEST(TableCellOps, FractionCellInGreyWithBarOfTheSameColour) {
  RecordingCanvas canvas(1, 1);
  TableGrid grid(canvas);
  canvas.Clear();
  TLineData curve;
  curve.X1 = 2;
  curve.Y1 = 3;
  DisplayOptions options;
  options.chkIntOnly = false;
  ASSERT_TRUE(TableCell(grid, 1, curve, -5, options));
  EXPECT_EQ(canvas.ops, (std::vector<std::string>{
                            "Fill 33,0,65,20 #FFFFFF",
                            "Text 38,6 -5 [ＭＳ Ｐゴシック 8 #808080]",
                            "Fill 33,21,65,61 #FFFFFF",
                            "Text 38,38 - [ＭＳ Ｐゴシック 8 #808080]",
                            "MoveTo 46,41",
                            "LineTo 51,41 pen #808080 w2",
                            "Text 46,26 6 [ＭＳ Ｐゴシック 8 #808080]",
                            "Text 46,45 5 [ＭＳ Ｐゴシック 8 #808080]",
                        }));
}

TEST(TableCellOps, IntegerCellInBlue) {
  RecordingCanvas canvas(1, 1);
  TableGrid grid(canvas);
  canvas.Clear();
  TLineData curve;
  curve.X1 = 2;
  curve.Y1 = 3;
  ASSERT_TRUE(TableCell(grid, 10, curve, 2, DisplayOptions{}));
  EXPECT_EQ(canvas.ops, (std::vector<std::string>{
                            "Fill 330,0,362,20 #FFFFFF",
                            "Text 335,6 2 [ＭＳ Ｐゴシック 8 #FF0000]",
                            "Fill 330,21,362,61 #FFFFFF",
                            "Text 335,37 3 [ＭＳ Ｐゴシック 8 #FF0000]",
                        }));
}

TEST(TableCellOps, WritesNothingWhereNoValueBelongs) {
  RecordingCanvas canvas(1, 1);
  TableGrid grid(canvas);
  canvas.Clear();
  TLineData curve;
  curve.X1 = 2;
  curve.Y1 = 3;
  DisplayOptions options;  // integers only
  EXPECT_FALSE(TableCell(grid, 1, curve, 0, options));
  EXPECT_FALSE(TableCell(grid, 1, curve, 4, options));  // 3/2
  EXPECT_FALSE(TableCell(grid, -1, curve, 1, options));
  EXPECT_FALSE(TableCell(grid, 11, curve, 1, options));
  EXPECT_TRUE(canvas.ops.empty());
}

// Anything that names no curve, or the table switched off, leaves only the labels.
TEST(FillTableCleared, LabelsOnlyAfterAFilledTable) {
  for (const int32_t index : {-1, 1, 100, 101, INT32_MIN, INT32_MAX}) {
    Tables t;
    TableInput in = StateWithCurve(2, 3);
    in.state.Options.chkNidan = true;
    FillTable(t.drgTable, t.drgTable2, in.state.Options, in.curves, 0);
    FillTable(t.drgTable, t.drgTable2, in.state.Options, in.curves, index);
    for (const RecordingCanvas* canvas : {&t.canvas1, &t.canvas2}) {
      const GridView view(*canvas);
      EXPECT_EQ(view.Row(0), kLabelsOnlyX) << "index " << index;
      EXPECT_EQ(view.Row(1), kLabelsOnlyY) << "index " << index;
      EXPECT_EQ(view.At(0, 0).color, "#000000");
    }
  }
  Tables t;
  TableInput in = StateWithCurve(2, 3);
  FillTable(t.drgTable, t.drgTable2, in.state.Options, in.curves, 0);
  in.state.Options.chkDataTable = false;
  FillTable(t.drgTable, t.drgTable2, in.state.Options, in.curves, 0);
  EXPECT_EQ(GridView(t.canvas1).Row(0), kLabelsOnlyX);
  EXPECT_EQ(GridView(t.canvas1).Row(1), kLabelsOnlyY);
}

TEST(TableGridGeometry, CellsLinesAndSize) {
  RecordingCanvas canvas(1, 1);
  TableGrid grid(canvas);
  EXPECT_EQ(canvas.ops.front(), "Resize 367,65");
  EXPECT_EQ(grid.Width(), 11 * (32 + 1) + 1 + 3);
  EXPECT_EQ(grid.Height(), 65);
  EXPECT_EQ(grid.CellRect(0, 0), (PixelRect{0, 0, 32, 20}));
  EXPECT_EQ(grid.CellRect(1, 1), (PixelRect{33, 21, 65, 61}));
  EXPECT_EQ(grid.CellRect(10, 1), (PixelRect{330, 21, 362, 61}));
  // Grid lines after every column and row: 11 vertical, 2 horizontal, in the line colour.
  EXPECT_EQ(canvas.Ops("Fill 32,0,33,62 #C0C0C0").size(), 1u);
  EXPECT_EQ(canvas.Ops("Fill 362,0,363,62 #C0C0C0").size(), 1u);
  EXPECT_EQ(canvas.Ops("Fill 0,20,363,21 #C0C0C0").size(), 1u);
  EXPECT_EQ(canvas.Ops("Fill 0,61,363,62 #C0C0C0").size(), 1u);
  EXPECT_EQ(canvas.Ops("Fill").size(), 1u + 11u + 2u);
  EXPECT_EQ(canvas.fontName(), kTableFontName);
  EXPECT_EQ(canvas.FontSize(), kTableFontSize);
}

TEST(TableGridGeometry, OnlyANewWidthRepaints) {
  RecordingCanvas canvas(1, 1);
  TableGrid grid(canvas);
  canvas.Clear();
  grid.SetWidth(367);
  EXPECT_TRUE(canvas.ops.empty());
  grid.SetWidth(400);
  ASSERT_FALSE(canvas.ops.empty());
  EXPECT_EQ(canvas.ops[0], "Resize 400,65");
  EXPECT_EQ(canvas.ops[1], "Fill 0,0,400,65 #FFFFFF");
  EXPECT_EQ(canvas.Width(), 400);
}

}  // namespace
