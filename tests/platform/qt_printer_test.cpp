// Printing to a PDF file and reading the page back as pixels: the whole preview is on the page,
// at its scale and without loss.
#include "platform/qt_printer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "model/cp932.h"
#include "platform/qt_canvas.h"
#include "platform/qt_clock.h"
#include "printing/print_preview.h"
#include "printing/print_session.h"
#include "render/coordinate_plane.h"
#include "render/curve_plot.h"
#include "support/core/scripted_prompter.h"
#include "support/gui/pixels.h"
#include "support/gui/qt_print.h"
#include "windows/frm_print.h"

namespace {

constexpr TColor kCurveColor = 0xFF0000;  // blue
// Poppler draws an image pixel as a plain block only when it is enlarged 4 times or more; below
// that it smooths. 360 dpi makes a preview pixel about 4.5 pixels of the rendered page.
constexpr int kRenderDpi = 360;

// The main plane with one curve, y = 6/x, composed into a preview the way the print window does.
void ComposePreview(QtCanvas& preview) {
  PlaneSettings settings;
  EditorState state;
  state.MaxCoodSize = 544;
  QtCanvas plane(10, 10);
  const PlaneGeometry g = DrawCood(plane, settings, state);
  TLineData curve;
  curve.X1 = 2;
  curve.Y1 = 3;
  curve.LWidth = 1;
  curve.Color = kCurveColor;
  DrawLine(plane, g, curve, false, state);
  DrawPrintPreview(preview, plane, PreviewLayout{}, ToCp932("Mevrolin.mvr  2003.06.05  09:05"),
                   ToCp932("Kelvado 反比例（中学版）"));
}

struct RenderedPage {
  QImage image;  // the printable area's top-left corner onward
  double scale;  // rendered pixels per preview pixel
};

// The PDF's page rendered by pdftoppm, cropped to the printable area.
RenderedPage Render(const QString& pdf, QtPrinter& printer, const QString& folder) {
  const QRect paint = printer.Device().pageLayout().paintRectPixels(printer.Device().resolution());
  const double toRendered = static_cast<double>(kRenderDpi) / printer.Device().resolution();
  const PixelRect target = PrintTarget(printer.Page(), kPreviewSize, kPreviewSize);
  const QString out = folder + "/page";
  QProcess pdftoppm;
  pdftoppm.start("pdftoppm",
                 {"-r", QString::number(kRenderDpi), "-singlefile", "-x",
                  QString::number(static_cast<int>(paint.x() * toRendered)), "-y",
                  QString::number(static_cast<int>(paint.y() * toRendered)), "-W",
                  QString::number(static_cast<int>(paint.width() * toRendered)), "-H",
                  QString::number(static_cast<int>(paint.height() * toRendered)), pdf, out});
  EXPECT_TRUE(pdftoppm.waitForFinished(60000)) << "pdftoppm (poppler-utils) did not run";
  return RenderedPage{QImage(out + ".ppm"), target.right * toRendered / kPreviewSize};
}

TEST(QtPrinter, PdfPageHoldsTheWholePreviewPixelForPixel) {
  QtCanvas preview(kPreviewSize, kPreviewSize);
  ComposePreview(preview);
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString pdf = folder.filePath("plane.pdf");
  QtPrinter printer(nullptr);
  printer.Device().setOutputFormat(QPrinter::PdfFormat);
  printer.Device().setOutputFileName(pdf);
  ScriptedPrompter prompter;
  PrintSession(printer, prompter).PrintPreview(preview);
  ASSERT_TRUE(prompter.messages.empty());

  // Images reach the file compressed without loss, never as JPEG.
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_FALSE(bytes.contains("/DCTDecode"));

  const RenderedPage page = Render(pdf, printer, folder.path());
  ASSERT_FALSE(page.image.isNull());
  // A portrait page: the preview spans the printable width, to its last column and row.
  EXPECT_NEAR(page.scale * kPreviewSize, page.image.width(), 2.0);
  ASSERT_GE(page.image.height(), page.scale * kPreviewSize);
  auto rendered = [&](int x, int y) {
    const QPoint at(static_cast<int>((x + 0.5) * page.scale),
                    static_cast<int>((y + 0.5) * page.scale));
    return FromQColor(QColor(page.image.pixel(at)));
  };
  int differences = 0;
  QString first;
  for (int y = 0; y < kPreviewSize; ++y) {
    for (int x = 0; x < kPreviewSize; ++x) {
      if (rendered(x, y) == At(preview, x, y)) continue;
      if (differences++ == 0) first = QString("%1,%2").arg(x).arg(y);
    }
  }
  EXPECT_EQ(differences, 0) << "first at " << first.toStdString();

  // The probes name what matters: a silver grid line, the grey axis, the curve.
  const PlaneGeometry g = [] {
    QtCanvas scratch(10, 10);
    EditorState state;
    state.MaxCoodSize = 544;
    return DrawCood(scratch, PlaneSettings{}, state);
  }();
  const PreviewLayout layout;
  const PixelPoint gridLine = g.LatticeToPixel(1, 7);  // x = 1 is a thin silver line
  const PixelPoint axis = g.LatticeToPixel(0, 7);
  EXPECT_EQ(At(preview, layout.left + gridLine.x, layout.top + gridLine.y + 3), kSilver);
  EXPECT_EQ(rendered(layout.left + gridLine.x, layout.top + gridLine.y + 3), kSilver);
  EXPECT_EQ(rendered(layout.left + axis.x, layout.top + axis.y + 3), kGrey);
  int curvePixels = 0;
  for (int x = layout.left; x < layout.left + g.CoodWidth; ++x) {
    for (int y = layout.top; y < layout.top + g.CoodHeight; ++y) {
      if (At(preview, x, y) == kCurveColor && rendered(x, y) == kCurveColor) ++curvePixels;
    }
  }
  EXPECT_GT(curvePixels, 200);
}

QString RunTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString() << " (poppler-utils)";
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The page from the print window reaches the PDF as one lossless picture of at least 300 dots per
// inch, the plane drawn afresh in it: a one-pixel grid line of the preview is k sharp pixels wide
// exactly at its lattice position, k times the preview's.
TEST(QtPrinter, PrintWindowPutsThePageOnThePdfAtThreeHundredDotsPerInch) {
  EditorState state;
  state.MaxCoodSize = 544;
  QtCanvas plane(10, 10);
  const PlaneGeometry g = DrawCood(plane, PlaneSettings{}, state);
  QtClock clock;
  ScriptedPrompter prompter;
  QtPrinter printer(nullptr);
  TfrmPrint window(nullptr, clock, prompter, &printer);
  window.FormShow(plane, "plane.mvr", QRect(0, 0, 1000, 740),
                  [&](Canvas& target) { DrawCood(target, PlaneSettings{}, state); });
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString pdf = folder.filePath("page.pdf");
  printer.Device().setOutputFormat(QPrinter::PdfFormat);
  printer.Device().setOutputFileName(pdf);
  PrintWindowPage page(window);
  PrintSession(printer, prompter).PrintPreview(page);
  ASSERT_TRUE(prompter.messages.empty());

  // page-num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
  const QStringList lines = RunTool("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3);
  const QStringList image = lines[2].simplified().split(' ');
  ASSERT_GE(image.size(), 14);
  EXPECT_NE(image[7], "jpeg");
  EXPECT_GE(image[12].toInt(), 300);
  EXPECT_GE(image[13].toInt(), 300);
  const int k = image[3].toInt() / kPreviewSize;
  ASSERT_GE(k, 2);

  RunTool("pdfimages", {"-png", pdf, folder.filePath("image")});
  const QImage fine(folder.filePath("image-000.png"));
  ASSERT_EQ(fine.width(), k * kPreviewSize);
  const PreviewLayout layout;
  const PixelPoint line = g.LatticeToPixel(1, 7);  // x = 1: a thin silver line
  const int y = (layout.top + line.y + 3) * k;
  auto colour = [&](int x) { return FromQColor(QColor(fine.pixel(x, y))); };
  const int left = (layout.left + line.x) * k;
  EXPECT_EQ(colour(left - 1), kWhite);
  for (int x = left; x < left + k; ++x) EXPECT_EQ(colour(x), kSilver) << x - left;
  EXPECT_EQ(colour(left + k), kWhite);
}

}  // namespace
