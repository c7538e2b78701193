#include "windows/frm_print.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/form_setup.h"
#include "platform/image_view.h"
#include "platform/qt_printer.h"
#include "platform/qt_text.h"
#include "render/scaled_canvas.h"

namespace {

QSpinBox* NewSpin(QWidget* parent, const char* name, int32_t low, int32_t high, int32_t value) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setRange(low, high);
  spin->setSingleStep(10);
  spin->setValue(value);
  return spin;
}

QPushButton* NewButton(QWidget* parent, const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TfrmPrint::TfrmPrint(QWidget* parent, const Clock& clock, Prompter& prompter, Printer* printer)
    : QDialog(parent), clock_(clock), prompter_(prompter), printer_(printer) {
  SetUpForm(*this, "frmPrint", "グラフの印刷");
  setModal(true);

  imgCoodX = new ImageView(this);
  imgCoodX->setObjectName("imgCoodX");
  imgCoodX->SetCanvas(&previewCanvas);
  // A window smaller than the preview scrolls it rather than cutting it.
  auto* previewArea = new QScrollArea(this);
  previewArea->setFrameShape(QFrame::NoFrame);
  previewArea->setWidget(imgCoodX);
  previewArea->setMinimumWidth(kPreviewSize + 2);

  edtFile = new QLineEdit(this);
  edtFile->setObjectName("edtFile");
  edtTitle = new QLineEdit(this);
  edtTitle->setObjectName("edtTitle");
  const PreviewLayout defaults;
  spnLeft = NewSpin(this, "spnLeft", 0, 200, defaults.left);
  spnTop = NewSpin(this, "spnTop", 0, 200, defaults.top);
  auto* margins = new QFormLayout;
  margins->addRow(QString::fromUtf8("左余白"), spnLeft);
  margins->addRow(QString::fromUtf8("上余白"), spnTop);
  auto* grpShukusho = new QGroupBox(QString::fromUtf8("サイズ（％）"), this);
  grpShukusho->setObjectName("grpShukusho");
  spnShukusho = NewSpin(grpShukusho, "spnShukusho", 50, 100, defaults.percent);
  (new QVBoxLayout(grpShukusho))->addWidget(spnShukusho);
  lblPWidth = new QLabel(this);
  lblPWidth->setObjectName("lblPWidth");
  lblPHeight = new QLabel(this);
  lblPHeight->setObjectName("lblPHeight");
  btnSettei = NewButton(this, "btnSettei", "プリンタ設定");
  btnPrint = NewButton(this, "btnPrint", "印刷開始");
  btnClose = NewButton(this, "btnClose", "閉じる");

  auto* side = new QWidget(this);
  side->setMaximumWidth(300);
  auto* controls = new QVBoxLayout(side);
  controls->setContentsMargins(0, 0, 0, 0);
  controls->addWidget(edtFile);
  controls->addWidget(edtTitle);
  controls->addSpacing(12);
  controls->addLayout(margins);
  controls->addWidget(grpShukusho);
  controls->addSpacing(12);
  controls->addWidget(lblPWidth);
  controls->addWidget(lblPHeight);
  controls->addWidget(btnSettei);
  controls->addWidget(btnPrint);
  controls->addStretch();
  controls->addWidget(btnClose);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(previewArea, 0);
  layout->addWidget(side, 1);

  for (QSpinBox* spin : {spnLeft, spnTop, spnShukusho}) {
    connect(spin, &QSpinBox::valueChanged, this, &TfrmPrint::LayoutChanged);
  }
  connect(edtFile, &QLineEdit::textChanged, this, &TfrmPrint::DrawPrintPreview);
  connect(edtTitle, &QLineEdit::textChanged, this, &TfrmPrint::DrawPrintPreview);
  connect(btnSettei, &QPushButton::clicked, this, [this] { PrintSetup(); });
  connect(btnPrint, &QPushButton::clicked, this, &TfrmPrint::btnPrintClick);
  connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
}

TfrmPrint::~TfrmPrint() = default;

int TfrmPrint::Execute(const Canvas& plane, const std::string& fileName, const QRect& mainGeometry,
                       PlaneDrawer drawPlane) {
  FormShow(plane, fileName, mainGeometry, std::move(drawPlane));
  const int result = exec();
  finePage_.reset();  // tens of megabytes, kept only while the window is open
  return result;
}

void TfrmPrint::FormShow(const Canvas& plane, const std::string& fileName,
                         const QRect& mainGeometry, PlaneDrawer drawPlane) {
  setGeometry(mainGeometry);
  plane_ = &plane;
  drawPlane_ = std::move(drawPlane);
  settingUp_ = true;
  edtTitle->setText(QString::fromUtf8("Kelvado 反比例（中学版）"));
  edtFile->setText(ToQString(PrintHeaderText(fileName, clock_.Now())));
  // The margins and scale are kept from the last showing, but the plane may have grown since.
  SetLayout(FitPreview(plane.Width(), plane.Height(), Layout(), previewCanvas.FontSize()));
  settingUp_ = false;
  DrawPrintPreview();
  ShowPageSize();
  Session().Shown();
}

void TfrmPrint::DrawPrintPreview() {
  if (plane_ == nullptr || settingUp_) return;
  ::DrawPrintPreview(previewCanvas, *plane_, Layout(), FromQString(edtFile->text()),
                     FromQString(edtTitle->text()));
  imgCoodX->Refresh();
}

bool TfrmPrint::PrintSetup() {
  if (!Session().PrintSetup()) return false;
  ShowPageSize();
  return true;
}

void TfrmPrint::btnPrintClick() {
  PrintWindowPage page(*this);
  if (Session().PrintClick(page)) ShowPageSize();
}

const Canvas& TfrmPrint::PageAt(int32_t factor) {
  if (factor <= 1 || plane_ == nullptr || !drawPlane_) return previewCanvas;
  if (!finePage_) finePage_ = std::make_unique<QtCanvas>(1, 1);
  DrawFinePage(*finePage_, factor, *plane_, drawPlane_, Layout(), FromQString(edtFile->text()),
               FromQString(edtTitle->text()));
  return *finePage_;
}

// The preview's composition on a canvas factor times larger, with the plane drawn afresh at its
// place: lines, digits and curves come out as fine as the page's dots.
void DrawFinePage(QtCanvas& page, int32_t factor, const Canvas& plane,
                  const TfrmPrint::PlaneDrawer& drawPlane, const PreviewLayout& layout,
                  const std::string& header, const std::string& title) {
  ScaledCanvas scaled(page, factor);
  scaled.Resize(kPreviewSize, kPreviewSize);
  auto putPlane = [&](const PixelRect& target) {
    const PixelRect at = scaled.Edges(target);
    if (plane.Width() <= 0 || at.right <= at.left) return;
    QtCanvas planeImage(1, 1);
    ScaledCanvas fine(planeImage, static_cast<double>(at.right - at.left) / plane.Width());
    drawPlane(fine);
    page.CopyRect(at, planeImage, PixelRect{0, 0, planeImage.Width(), planeImage.Height()},
                  CopyMode::Plain);
  };
  ::DrawPrintPreview(scaled, plane.Width(), plane.Height(), putPlane, layout, header, title);
}

Printer& TfrmPrint::ThePrinter() {
  if (printer_ == nullptr) {
    ownPrinter_ = std::make_unique<QtPrinter>(this);
    printer_ = ownPrinter_.get();
  }
  return *printer_;
}

PrintSession& TfrmPrint::Session() {
  if (!session_) session_ = std::make_unique<PrintSession>(ThePrinter(), prompter_);
  return *session_;
}

PreviewLayout TfrmPrint::Layout() const {
  return PreviewLayout{spnLeft->value(), spnTop->value(), spnShukusho->value()};
}

// Sets the spins and narrows their ranges so that none can move the plane or the title out of
// the preview.
void TfrmPrint::SetLayout(const PreviewLayout& layout) {
  const QSignalBlocker blockLeft(spnLeft);
  const QSignalBlocker blockTop(spnTop);
  const QSignalBlocker blockScale(spnShukusho);
  const int32_t planeWidth = plane_ == nullptr ? 0 : plane_->Width();
  const int32_t planeHeight = plane_ == nullptr ? 0 : plane_->Height();
  const PreviewLimits limits = LimitsFor(planeWidth, planeHeight, layout, previewCanvas.FontSize());
  spnLeft->setRange(0, limits.maxLeft);
  spnTop->setRange(0, limits.maxTop);
  spnShukusho->setRange(limits.minPercent, limits.maxPercent);
  spnLeft->setValue(layout.left);
  spnTop->setValue(layout.top);
  spnShukusho->setValue(layout.percent);
}

void TfrmPrint::LayoutChanged() {
  SetLayout(Layout());
  DrawPrintPreview();
}

void TfrmPrint::ShowPageSize() {
  const PageSize page = ThePrinter().Page();
  lblPWidth->setText(QString::fromUtf8("W：") + QString::number(page.width));
  lblPHeight->setText(QString::fromUtf8("H：") + QString::number(page.height));
}
