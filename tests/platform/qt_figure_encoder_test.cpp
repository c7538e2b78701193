// 図を保存 from the editor to real files: the kind and fineness the name and filter choose, PNG
// files k times the plane's size, SVG files holding the curves as vector paths, and a failed
// write reported with its reason.
#include "platform/qt_figure_encoder.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QSvgRenderer>
#include <filesystem>

#include "editor/figure_save.h"
#include "support/core/editor_rig.h"
#include "support/core/temp_folder.h"

namespace {

struct FigureCase {
  const char* name;
  const char* typed;  // the name typed in the dialog
  int32_t filter;     // the filter in force
  const char* written;
  int factor;  // 0 for SVG
};

class SaveFigureTest : public ::testing::TestWithParam<FigureCase> {};

TEST_P(SaveFigureTest, WritesTheKindTheNameAndFilterChoose) {
  const FigureCase& c = GetParam();
  TempFolder folder;
  EditorRig rig(folder.Path().string());
  rig.Click(2, 3);  // y = 6/x, selected
  QtFigureEncoder encoder;
  rig.prompter.files.push_back(folder / c.typed);
  rig.prompter.filters.push_back(c.filter);
  const FigureTarget target{folder / c.written, c.factor};
  ASSERT_TRUE(SaveFigure(rig.editor.Display(), rig.editor.State(), rig.prompter, encoder));
  EXPECT_EQ(rig.prompter.fileDialogs.back().folder, folder.Path().string());
  EXPECT_EQ(rig.prompter.fileDialogs.back().proposedName, "Mevrolin.png");
  if (c.factor == 0) {
    const std::string svg = TempFolder::Read(target.path);
    EXPECT_TRUE(QSvgRenderer(QString::fromStdString(target.path)).isValid());
    EXPECT_NE(svg.find("<polyline"), std::string::npos);
    EXPECT_NE(svg.find("stroke=\"#0000ff\""), std::string::npos);  // the first curve's red
    return;
  }
  const QImage png(QString::fromStdString(target.path), "PNG");
  EXPECT_EQ(png.width(), rig.plane.Width() * c.factor);
}

INSTANTIATE_TEST_SUITE_P(Names, SaveFigureTest,
                         ::testing::Values(FigureCase{"BareNameTwice", "fig", 1, "fig.png", 2},
                                           FigureCase{"PngFourTimes", "fig.PNG", 2, "fig.PNG", 4},
                                           FigureCase{"PngUnderSvgFilter", "fig.png", 3, "fig.png",
                                                      1},
                                           FigureCase{"BareNameSvg", "fig", 3, "fig.svg", 0},
                                           FigureCase{"SvgByItsName", "fig.svg", -1, "fig.svg", 0}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(SaveFigure, AFailedWriteSaysSoAndWhy) {
  TempFolder folder;
  EditorRig rig(folder.Path().string());
  QtFigureEncoder encoder;
  rig.prompter.messages.clear();
  rig.prompter.files.push_back(folder / "missing/fig.png");
  EXPECT_FALSE(SaveFigure(rig.editor.Display(), rig.editor.State(), rig.prompter, encoder));
  ASSERT_EQ(rig.prompter.messages.size(), 2u);
  EXPECT_NE(rig.prompter.messages[0].find("の保存に失敗しました"), std::string::npos);
  EXPECT_EQ(rig.prompter.messages[1], "No such file or directory");
}

}  // namespace
