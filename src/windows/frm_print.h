// frmPrint: printing the plane with its header. The page preview (the main plane scaled and
// placed with margins, the header and the title) is redrawn on every change of the spins and the
// two edits, and printed as it is, or saved as a PDF from the print dialog.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <string>

#include "platform/qt_canvas.h"
#include "printing/print_preview.h"
#include "printing/print_session.h"
#include "services/clock.h"
#include "services/printer.h"
#include "services/prompter.h"

class ImageView;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QtPrinter;

class TfrmPrint : public QDialog {
  Q_OBJECT
 public:
  // clock: the date and time of the header; prompter: where the window's messages go; printer:
  // where it prints, the platform's own printer (made when first needed) when null.
  TfrmPrint(QWidget* parent, const Clock& clock, Prompter& prompter, Printer* printer = nullptr);
  ~TfrmPrint() override;

  // Draws the plane as shown afresh on a canvas (a scaled one for the printed page).
  using PlaneDrawer = std::function<void(Canvas& target)>;

  // Shows the window modally at the main window's place, for the plane as it is now; fileName
  // (CP932) is the shown file name the header starts with. The page is printed at the printer's
  // resolution with the plane drawn by drawPlane, or enlarged from the preview without one.
  int Execute(const Canvas& plane, const std::string& fileName, const QRect& mainGeometry,
              PlaneDrawer drawPlane = {});
  // What showing does before the window runs: its place, the title, the header, a scale that
  // fits the plane, the preview and the page size.
  void FormShow(const Canvas& plane, const std::string& fileName, const QRect& mainGeometry,
                PlaneDrawer drawPlane = {});

  void DrawPrintPreview();
  // プリンタ設定; true when the print dialog was confirmed.
  bool PrintSetup();
  void btnPrintClick();

  ImageView* imgCoodX = nullptr;
  QLineEdit* edtFile = nullptr;
  QLineEdit* edtTitle = nullptr;
  QSpinBox* spnLeft = nullptr;
  QSpinBox* spnTop = nullptr;
  QSpinBox* spnShukusho = nullptr;
  QLabel* lblPWidth = nullptr;
  QLabel* lblPHeight = nullptr;
  QPushButton* btnSettei = nullptr;
  QPushButton* btnPrint = nullptr;
  QPushButton* btnClose = nullptr;

  // The picture behind imgCoodX: what is shown is what is printed.
  QtCanvas previewCanvas{kPreviewSize, kPreviewSize};

  // The page as printed: the preview's layout with every pixel factor times finer.
  const Canvas& PageAt(int32_t factor);

 private:
  Printer& ThePrinter();
  PrintSession& Session();
  PreviewLayout Layout() const;
  void SetLayout(const PreviewLayout& layout);
  void LayoutChanged();
  void ShowPageSize();

  const Clock& clock_;
  Prompter& prompter_;
  Printer* printer_;
  std::unique_ptr<QtPrinter> ownPrinter_;
  std::unique_ptr<PrintSession> session_;
  const Canvas* plane_ = nullptr;
  PlaneDrawer drawPlane_;
  std::unique_ptr<QtCanvas> finePage_;
  bool settingUp_ = false;  // the controls are being filled: one redraw at the end
};

// The print window's page as the print session prints it.
class PrintWindowPage : public PagePicture {
 public:
  explicit PrintWindowPage(TfrmPrint& window) : window_(window) {}
  int32_t Width() const override { return window_.previewCanvas.Width(); }
  int32_t Height() const override { return window_.previewCanvas.Height(); }
  const Canvas& At(int32_t factor) override { return window_.PageAt(factor); }

 private:
  TfrmPrint& window_;
};

// The print window's page on page, factor times finer than the preview: the preview's layout
// with the plane (of plane's size) drawn afresh by drawPlane.
void DrawFinePage(QtCanvas& page, int32_t factor, const Canvas& plane,
                  const TfrmPrint::PlaneDrawer& drawPlane, const PreviewLayout& layout,
                  const std::string& header, const std::string& title);
