#include "app/frm_main.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QThread>

#include "app/app_info.h"
#include "app/frm_help.h"
#include "app/frm_program.h"
#include "app/frm_windows.h"
#include "app/program_folder.h"
#include "model/cp932.h"
#include "platform/cursors.h"
#include "platform/qt_prompter.h"
#include "platform/qt_text.h"
#include "render/line_sample.h"

namespace {

constexpr int kListRowHeight = 19;
constexpr int kListTextColumns = 38;  // bytes, padded so the rest of the row is overwritten

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

// Draws the graph list's rows: a line sample and the equation.
class ListRowDelegate : public QStyledItemDelegate {
 public:
  explicit ListRowDelegate(TfrmMain* window) : QStyledItemDelegate(window), window_(window) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    window_->PaintListRow(*painter, option.rect, index.row(),
                          (option.state & QStyle::State_Selected) != 0);
  }
  QSize sizeHint(const QStyleOptionViewItem& /*option*/,
                 const QModelIndex& /*index*/) const override {
    return {kLstShikiWidth, kListRowHeight};
  }

 private:
  TfrmMain* window_;
};

TfrmMain::TfrmMain(Prompter* prompter, QWidget* parent) : QMainWindow(parent) {
  setObjectName("frmMain");
  if (prompter == nullptr) {
    ownPrompter_ = std::make_unique<QtPrompter>(this);
    prompter = ownPrompter_.get();
  }
  prompter_ = prompter;
  tableGrid_ = std::make_unique<TableGrid>(tableCanvas);
  tableGrid2_ = std::make_unique<TableGrid>(table2Canvas);
  EditorSurfaces surfaces{planeCanvas,   shikiCanvas,  teisuuCanvas, henikiXCanvas,
                          henikiYCanvas, sampleCanvas, *tableGrid_,  *tableGrid2_};
  editor_ = std::make_unique<Editor>(surfaces, *this, *prompter_, defaultPlaneSettings_);
  FormCreate();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::SetCompanions(TProgram* program) {
  program_ = program;
  editor_->UsePlaneSettings(program->frmSetCood.Settings);
  FileInfoChanged();
}

// ---- creation: layout from the screen size ----

void TfrmMain::FormCreate() {
  EditorState& s = editor_->state;
  s.CurFileName = kDefaultFileName;
  s.LineMode = kModeWhole;
  s.FixedColor = kAutoColor;
  s.LineWidth = 1;
  s.CurIncStart = true;
  s.CurIncEnd = true;
  s.PrevPoint = {};

  for (int i = 0; i < 7; ++i)
    cursors_[static_cast<std::size_t>(i + 1)] = LoadCursorResource(kCursorNames[i]);

  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize screenSize = screen != nullptr ? screen->size() : QSize(1024, 768);
  layout_ = ComputeMainLayout(screenSize.width(), screenSize.height());
  move(0, 0);
  resize(layout_.W, layout_.H);
  editor_->windowWidth = layout_.W;
  editor_->windowHeight = layout_.H;
  s.MaxCoodSize = layout_.MaxCoodSize;

  auto* central = new QWidget(this);
  central->setObjectName("frmMainSurface");
  central->setMouseTracking(true);
  setCentralWidget(central);
  setMouseTracking(true);

  CreateToolBar();

  imgCood = new ImageView(central);
  imgCood->setObjectName("imgCood");
  planeCanvas.Resize(layout_.imgCood.width, layout_.imgCood.height);
  imgCood->SetImage(&planeCanvas.Image());
  imgCood->setGeometry(layout_.imgCood.left, layout_.imgCood.top, layout_.imgCood.width,
                       layout_.imgCood.height);
  imgCood->setCursor(cursors_[5]);
  connect(imgCood, &ImageView::MouseDown, this,
          [this](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
            editor_->MouseDown(b == Qt::LeftButton    ? MouseButton::Left
                               : b == Qt::RightButton ? MouseButton::Right
                                                      : MouseButton::Middle,
                               x, y);
          });
  connect(imgCood, &ImageView::MouseUp, this, [this](Qt::MouseButton b, int x, int y) {
    editor_->MouseUp(b == Qt::LeftButton    ? MouseButton::Left
                     : b == Qt::RightButton ? MouseButton::Right
                                            : MouseButton::Middle,
                     x, y);
  });
  connect(imgCood, &ImageView::MouseMove, this, [this](int x, int y) { editor_->MouseMove(x, y); });
  connect(imgCood, &ImageView::DoubleClick, this, [this](Qt::MouseButton b, int x, int y) {
    editor_->DoubleClick(b == Qt::LeftButton ? MouseButton::Left : MouseButton::Right, x, y);
  });

  drgTable = new ImageView(central);
  drgTable->setObjectName("drgTable");
  drgTable->SetImage(&tableCanvas.Image());
  drgTable->move(layout_.drgTable.left, layout_.drgTable.top);
  drgTable2 = new ImageView(central);
  drgTable2->setObjectName("drgTable2");
  drgTable2->SetImage(&table2Canvas.Image());
  drgTable2->move(layout_.drgTable2.left, layout_.drgTable2.top);
  drgTable2->hide();

  lstShiki = new QListWidget(central);
  lstShiki->setObjectName("lstShiki");
  lstShiki->setSelectionMode(QAbstractItemView::ExtendedSelection);
  lstShiki->setItemDelegate(new ListRowDelegate(this));
  lstShiki->setUniformItemSizes(true);
  lstShiki->setGeometry(layout_.lstShiki.left, layout_.lstShiki.top, layout_.lstShiki.width,
                        layout_.lstShiki.height);
  lstShiki->setCursor(cursors_[2]);
  lstShiki->viewport()->setCursor(cursors_[2]);
  lstShiki->viewport()->installEventFilter(this);
  connect(lstShiki, &QListWidget::itemSelectionChanged, this, [this]() {
    if (inListUpdate_) return;
    for (int i = 0; i < lstShiki->count(); ++i) {
      editor_->listSelected[static_cast<std::size_t>(i)] = lstShiki->item(i)->isSelected();
    }
    editor_->ListClick();
  });

  CreatePanels();
  CreateOptions();
  CreateCommandButtons();
  CreateMenus();
  help_ = new THelpWindow(this);
  // The core keeps the folder as CP932 like every other name; the file layer converts back.
  const std::string folder = CurrentProgramFolder();
  editor_->state.ProgDir = ToCp932(folder);
  editor_->state.ProgDirPath = folder;
  editor_->state.OnCDROM = IsOnReadOnlyMedium(folder);
  DispFileInfo(editor_->shownTitle.empty() ? QString() : ToQString(editor_->shownTitle),
               U(kDefaultFileName), 0);
}

void TfrmMain::CreateToolBar() {
  pnlMain = new QWidget(centralWidget());
  pnlMain->setObjectName("pnlMain");
  pnlMain->setGeometry(0, 0, layout_.W, kPnlMainHeight);
  int x = 4;
  auto button = [this, &x](const char* name, const char* hint, const char* caption) {
    auto* b = new QToolButton(pnlMain);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(U(hint));
    b->setText(U(caption));
    b->setGeometry(x, 4, 32, 32);
    x += 33;
    return b;
  };
  const struct {
    QToolButton** button;
    const char* name;
    const char* word;
    int32_t mode;
  } modes[] = {{&spdAll, "spdAll", "全域", kModeWhole},
               {&spdCenter, "spdCenter", "中央", kModeSegment},
               {&spdRight, "spdRight", "右側", kModeRight},
               {&spdLeft, "spdLeft", "左側", kModeLeft}};
  for (const auto& m : modes) {
    *m.button = button(m.name, m.word, m.word);
    (*m.button)->setCheckable(true);
    (*m.button)->setAutoExclusive(true);
    const int32_t mode = m.mode;
    connect(*m.button, &QToolButton::clicked, this, [this, mode]() { editor_->SetLineMode(mode); });
  }
  x += 4;
  edtLineMode = new QLineEdit(pnlMain);
  edtLineMode->setObjectName("edtLineMode");
  edtLineMode->setReadOnly(true);
  edtLineMode->setGeometry(x, 8, 44, 24);
  x += 50;
  spdSample = button("spdSample", "変域", "変域");
  spdSample->setGeometry(x - 33, 4, 40, 32);
  x += 8;
  imgSample = new ImageView(pnlMain);
  imgSample->setObjectName("imgSample");
  imgSample->SetImage(&sampleCanvas.Image());
  imgSample->move(x, 8);
  x += 44;
  edtHeniki = new QLineEdit(pnlMain);
  edtHeniki->setObjectName("edtHeniki");
  edtHeniki->setReadOnly(true);
  edtHeniki->setGeometry(x, 8, 64, 24);
  x += 70;
  edtCood = new QLineEdit(pnlMain);
  edtCood->setObjectName("edtCood");
  edtCood->setReadOnly(true);
  edtCood->setText(U("  ( x, y )"));
  edtCood->setGeometry(layout_.W - 110, 8, 100, 24);
}

void TfrmMain::CreatePanels() {
  QWidget* central = centralWidget();
  auto group = [central](const char* name, const char* caption, const ControlRect& r) {
    auto* g = new QGroupBox(U(caption), central);
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(r.left, r.top, r.width, r.height);
    return g;
  };
  auto image = [](QGroupBox* g, const char* name, QtCanvas& canvas) {
    auto* v = new ImageView(g);
    v->setObjectName(QString::fromLatin1(name));
    v->SetImage(&canvas.Image());
    v->move(8, 18);
    return v;
  };
  grpShiki = group("grpShiki", "グラフの式", layout_.grpShiki);
  imgShiki = image(grpShiki, "imgShiki", shikiCanvas);
  grpTeisuu = group("grpTeisuu", "比例定数", layout_.grpTeisuu);
  imgTeisuu = image(grpTeisuu, "imgTeisuu", teisuuCanvas);
  grpHenikiX = group("grpHenikiX", "Ｘの変域", layout_.grpHenikiX);
  imgHenikiX = image(grpHenikiX, "imgHenikiX", henikiXCanvas);
  grpHenikiY = group("grpHenikiY", "Ｙの変域", layout_.grpHenikiY);
  imgHenikiY = image(grpHenikiY, "imgHenikiY", henikiYCanvas);
  // The asymptote groups take part in the layout but are never shown.
  grpJiku = group("grpJiku", "漸近線の式", layout_.grpJiku);
  grpJiku->hide();
  grpChouten = group("grpChouten", "漸近線の式", layout_.grpChouten);
  grpChouten->hide();
}

void TfrmMain::CreateOptions() {
  grpSettei = new QGroupBox(centralWidget());
  grpSettei->setObjectName("grpSettei");
  const ControlRect& r = layout_.grpSettei;
  grpSettei->setGeometry(r.left, r.top, r.width, r.height);
  const struct {
    QCheckBox** box;
    const char* name;
    const char* caption;
    bool checked;
    int x;
    int y;
  } boxes[] = {
      {&chkDataTable, "chkDataTable", "関数の表", true, 8, 6},
      {&chkShiki, "chkShiki", "グラフの式", true, 100, 6},
      {&chkDispHeniki, "chkDispHeniki", "ｙの変域", true, 200, 6},
      {&chkIntOnly, "chkIntOnly", "整数表示", true, 290, 6},
      {&chkNidan, "chkNidan", "２段表示", false, 380, 6},
      {&chkMaruX, "chkMaruX", "格子点の丸", false, 8, 28},
      {&chkJikuColor, "chkJikuColor", "軸の色", true, 100, 28},
      {&chkRanColor, "chkRanColor", "定数欄の色", true, 200, 28},
      {&chkHandle, "chkHandle", "ﾊﾝﾄﾞﾙ", true, 290, 28},
      {&chkTensen, "chkTensen", "点線", true, 380, 28},
  };
  for (const auto& b : boxes) {
    *b.box = new QCheckBox(U(b.caption), grpSettei);
    (*b.box)->setObjectName(QString::fromLatin1(b.name));
    (*b.box)->setChecked(b.checked);
    (*b.box)->move(b.x, b.y);
  }
  ConnectOptions();
}

void TfrmMain::SyncOptions() {
  DisplayOptions& o = editor_->state.Options;
  o.chkDataTable = chkDataTable->isChecked();
  o.chkShiki = chkShiki->isChecked();
  o.chkDispHeniki = chkDispHeniki->isChecked();
  o.chkIntOnly = chkIntOnly->isChecked();
  o.chkNidan = chkNidan->isChecked();
  o.chkMaruX = chkMaruX->isChecked();
  o.chkJikuColor = chkJikuColor->isChecked();
  o.chkRanColor = chkRanColor->isChecked();
  o.chkHandle = chkHandle->isChecked();
  o.chkTensen = chkTensen->isChecked();
  editor_->state.TensenFlag = o.chkTensen;
}

// ---- first show ----

void TfrmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FormShow();
}

void TfrmMain::FormShow() {
  SyncOptions();
  drgTable->setVisible(chkDataTable->isChecked());
  editor_->FormShow();
  spdAll->setChecked(true);
  editor_->OnDataTableClicked(chkDataTable->isChecked());
  FuncLocked = true;
  btnLockedClick();
  btnHyoujunClick();
  editor_->OnRanColorClicked(chkRanColor->isChecked());
  chkNidanClick();
  editor_->state.NewFileFlag = true;
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  // Closing never asks about unsaved changes.
  event->accept();
}

void TfrmMain::mouseMoveEvent(QMouseEvent* event) {
  editor_->FormMouseMove();
  QMainWindow::mouseMoveEvent(event);
}

// ---- EditorView ----

void TfrmMain::PlanePlaced(int32_t left, int32_t top, int32_t width, int32_t height) {
  imgCood->setGeometry(left, top, width, height);
}

void TfrmMain::ImagesChanged() {
  for (ImageView* v :
       {imgCood, imgShiki, imgTeisuu, imgHenikiX, imgHenikiY, imgSample, drgTable, drgTable2}) {
    if (v != nullptr) v->Refresh();
  }
}

void TfrmMain::SetPlaneCursor(int32_t number) {
  if (number >= 1 && number <= 7 && imgCood != nullptr) {
    imgCood->setCursor(cursors_[static_cast<std::size_t>(number)]);
  }
}

void TfrmMain::ListChanged() {
  inListUpdate_ = true;
  const auto count = static_cast<int>(editor_->listItems.size());
  while (lstShiki->count() > count) delete lstShiki->takeItem(lstShiki->count() - 1);
  while (lstShiki->count() < count) lstShiki->addItem(QString());
  for (int i = 0; i < count; ++i) {
    QListWidgetItem* item = lstShiki->item(i);
    item->setText(ToQString(editor_->listItems[static_cast<std::size_t>(i)]));
    item->setSelected(editor_->listSelected[static_cast<std::size_t>(i)]);
  }
  lstShiki->viewport()->update();
  inListUpdate_ = false;
}

void TfrmMain::FileInfoChanged() {
  const QString fileName = ToQString(editor_->shownFileName);
  setWindowTitle(U(kMainCaptionPrefix) + fileName);
  if (program_ != nullptr) {
    program_->frmTangen.lblTangen->setText(ToQString(editor_->shownTitle));
    program_->frmTangen.lblFileName->setText(fileName);
    program_->frmTangen.lblNline->setText(QString::number(editor_->shownCount));
  }
}

void TfrmMain::TextsChanged() {
  edtLineMode->setText(ToQString(editor_->edtLineMode));
  edtHeniki->setText(ToQString(editor_->edtHeniki));
  edtCood->setText(ToQString(editor_->edtCood));
}

void TfrmMain::ProcessEvents(int32_t milliseconds) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < milliseconds) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(5);
  }
}

void TfrmMain::ShowListMenu(int32_t x, int32_t y) { pumShiki->popup(QPoint(x, y)); }

void TfrmMain::ShowPractice() {
  if (program_ != nullptr) program_->frmRenshu.exec();
}

bool TfrmMain::ChooseUnitForPractice() {
  // The unit library window fills the practice set when it is closed with OK.
  return program_ != nullptr && program_->frmTangenOpen.exec() == QDialog::Accepted;
}

std::string TfrmMain::NewWorkTitle() {
  if (program_ != nullptr) return FromQString(program_->frmNewWork.edtTangen->text());
  return ToCp932("新しい単元");
}

bool TfrmMain::PasteClipboardPicture(Canvas& plane) {
  const QImage picture = QGuiApplication::clipboard()->image();
  if (picture.isNull()) return false;
  QPainter painter(&planeCanvas.Image());
  painter.drawImage(0, 0, picture);
  (void)plane;
  return true;
}

void TfrmMain::DispFileInfo(const QString& title, const QString& fileName, int count) {
  editor_->DispFileInfo(FromQString(title), FromQString(fileName), count);
}

// ---- the graph list's rows ----

void TfrmMain::PaintListRow(QPainter& painter, const QRect& rect, int row, bool selected) {
  const QColor back = selected ? lstShiki->palette().highlight().color() : QColor(Qt::white);
  painter.fillRect(rect, back);
  const auto i = static_cast<std::size_t>(row);
  if (i >= editor_->listItems.size()) return;
  const TLineData& line = editor_->state.LineData[i];
  if (line.LMode < 4) {
    QtCanvas sample(45, kListRowHeight);
    sample.FillRect(PixelRect{0, 0, 45, kListRowHeight}, FromQColor(back));
    DrawLineSample(sample, line, 0, editor_->state, *prompter_);
    painter.drawImage(rect.left(), rect.top(), sample.Image());
  }
  std::string text = editor_->state.Options.chkShiki ? editor_->listItems[i] : std::string();
  if (text.size() < kListTextColumns) text.resize(kListTextColumns, ' ');
  QFont font(U("ＭＳ ゴシック"));
  font.setPixelSize(16);
  painter.setFont(font);
  painter.setPen(selected ? lstShiki->palette().highlightedText().color() : QColor(Qt::black));
  painter.drawText(QRect(rect.left() + 45, rect.top(), rect.width() - 45, rect.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, ToQString(text));
}
