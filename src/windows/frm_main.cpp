#include "windows/frm_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QWindow>

#include "model/cp932.h"
#include "platform/cursors.h"
#include "platform/qt_prompter.h"
#include "platform/qt_text.h"
#include "storage/help_file.h"
#include "storage/program_folder.h"
#include "windows/app_info.h"

namespace {

constexpr int kListRowHeight = 19;
constexpr int kListTextColumns = 38;  // bytes, padded so the rest of the row is overwritten

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
    // As wide as the rows shown: nothing lies beyond the list's right edge.
    return {window_->lstShiki->viewport()->width(), kListRowHeight};
  }

 private:
  TfrmMain* window_;
};

TfrmMain::TfrmMain(Prompter* prompter, WindowHost& windows, const PlaneSettings& planeSettings,
                   QWidget* parent)
    : QMainWindow(parent), windows_(windows) {
  setObjectName("frmMain");
  if (prompter == nullptr) {
    ownPrompter_ = std::make_unique<QtPrompter>(this, kHelpOpenDialog, kHelpSaveDialog);
    prompter = ownPrompter_.get();
  }
  prompter_ = prompter;
  tableGrid_ = std::make_unique<TableGrid>(tableCanvas);
  tableGrid2_ = std::make_unique<TableGrid>(table2Canvas);
  EditorSurfaces surfaces{planeCanvas,   shikiCanvas,  teisuuCanvas, henikiXCanvas,
                          henikiYCanvas, sampleCanvas, *tableGrid_,  *tableGrid2_};
  editor_ = std::make_unique<Editor>(
      surfaces, *this, EditorServices{*prompter_, holdWait_, clipboard_, windows_}, planeSettings);
  FormCreate();
}

TfrmMain::~TfrmMain() = default;

// ---- creation: layout from the screen size ----

void TfrmMain::FormCreate() {
  // The editor's state starts with the defaults of a new window (file name, whole-curve mode,
  // automatic colour, width 1, both ends included).
  for (int i = 0; i < 7; ++i)
    cursors_[static_cast<std::size_t>(i + 1)] = LoadCursorResource(kCursorNames[i]);

  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize screenSize = screen != nullptr ? screen->size() : QSize(1024, 768);
  layout_ = ComputeMainLayout(screenSize.width(), screenSize.height());
  move(0, 0);
  resize(layout_.W, layout_.H);
  editor_->SetLayout(layout_.W, layout_.H, layout_.MaxCoodSize);

  auto* central = new QWidget(this);
  central->setObjectName("frmMainSurface");
  central->setMouseTracking(true);
  setCentralWidget(central);
  setMouseTracking(true);

  CreateToolBar();

  imgCood = new ImageView(central);
  imgCood->setObjectName("imgCood");
  planeCanvas.Resize(layout_.imgCood.width, layout_.imgCood.height);
  imgCood->SetCanvas(&planeCanvas);
  // On a dense screen or at a display scale the plane is drawn at the device's pixels.
  imgCood->SetRedraw([this](Canvas& target) {
    if (editor_) editor_->Display().DrawPicture(target, true);
  });
  imgCood->setGeometry(layout_.imgCood.left, layout_.imgCood.top, layout_.imgCood.width,
                       layout_.imgCood.height);
  imgCood->setCursor(cursors_[5]);
  ConnectPlane();

  drgTable = new ImageView(central);
  drgTable->setObjectName("drgTable");
  drgTable->SetCanvas(&tableCanvas);
  drgTable->move(layout_.drgTable.left, layout_.drgTable.top);
  drgTable2 = new ImageView(central);
  drgTable2->setObjectName("drgTable2");
  drgTable2->SetCanvas(&table2Canvas);
  drgTable2->move(layout_.drgTable2.left, layout_.drgTable2.top);
  drgTable2->hide();

  lstShiki = new QListWidget(central);
  lstShiki->setObjectName("lstShiki");
  lstShiki->setSelectionMode(QAbstractItemView::ExtendedSelection);
  lstShiki->setItemDelegate(new ListRowDelegate(this));
  lstShiki->setUniformItemSizes(true);
  // Rows are drawn to the list's width: there is nothing to scroll sideways to.
  lstShiki->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  lstShiki->setGeometry(layout_.lstShiki.left, layout_.lstShiki.top, layout_.lstShiki.width,
                        layout_.lstShiki.height);
  lstShiki->setCursor(cursors_[2]);
  lstShiki->viewport()->setCursor(cursors_[2]);
  lstShiki->viewport()->installEventFilter(this);
  connect(lstShiki, &QListWidget::itemSelectionChanged, this, [this]() {
    if (inListUpdate_) return;
    std::vector<bool> selected(static_cast<std::size_t>(lstShiki->count()));
    for (int i = 0; i < lstShiki->count(); ++i) {
      selected[static_cast<std::size_t>(i)] = lstShiki->item(i)->isSelected();
    }
    editor_->List().SelectionChanged(selected);
  });

  CreatePanels();
  CreateOptions();
  CreateCommandButtons();
  CreateMenus();
  // The core keeps the folder as CP932 like every other name; the file layer converts back.
  const std::string folder = CurrentProgramFolder();
  editor_->SetProgramFolder(ToCp932(folder), folder, IsOnReadOnlyMedium(folder));
  editor_->DispFileInfo(std::string(), editor_->State().CurFileName, 0);
}

namespace {

MouseButton ButtonOf(Qt::MouseButton b) {
  return b == Qt::LeftButton    ? MouseButton::Left
         : b == Qt::RightButton ? MouseButton::Right
                                : MouseButton::Middle;
}

}  // namespace

void TfrmMain::ConnectPlane() {
  PlaneMouse& mouse = editor_->Mouse();
  connect(imgCood, &ImageView::MouseDown, this,
          [&mouse](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
            mouse.MouseDown(ButtonOf(b), x, y);
          });
  connect(imgCood, &ImageView::MouseUp, this,
          [&mouse](Qt::MouseButton b, int x, int y) { mouse.MouseUp(ButtonOf(b), x, y); });
  connect(imgCood, &ImageView::MouseMove, this, [&mouse](int x, int y) { mouse.MouseMove(x, y); });
  connect(imgCood, &ImageView::DoubleClick, this, [&mouse](Qt::MouseButton b, int x, int y) {
    mouse.DoubleClick(b == Qt::LeftButton ? MouseButton::Left : MouseButton::Right, x, y);
  });
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
    connect(*m.button, &QToolButton::clicked, this,
            [this, mode]() { editor_->Options().SetLineMode(mode); });
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
  imgSample->SetCanvas(&sampleCanvas);
  imgSample->move(x, 8);
  x += 44;
  edtHeniki = new QLineEdit(pnlMain);
  edtHeniki->setObjectName("edtHeniki");
  edtHeniki->setReadOnly(true);
  edtHeniki->setGeometry(x, 8, 64, 24);
  x += 70;
  toolBarEnd_ = x;  // the command buttons follow
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
    v->SetCanvas(&canvas);
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
  } boxes[] = {
      {&chkDataTable, "chkDataTable", "関数の表", true},
      {&chkShiki, "chkShiki", "グラフの式", true},
      {&chkDispHeniki, "chkDispHeniki", "ｙの変域", true},
      {&chkIntOnly, "chkIntOnly", "整数表示", true},
      {&chkNidan, "chkNidan", "２段表示", false},
      {&chkMaruX, "chkMaruX", "格子点の丸", false},
      {&chkJikuColor, "chkJikuColor", "軸の色", true},
      {&chkRanColor, "chkRanColor", "定数欄の色", true},
      {&chkHandle, "chkHandle", "ﾊﾝﾄﾞﾙ", true},
      {&chkTensen, "chkTensen", "点線", true},
  };
  static_assert(std::size(boxes) == kOptionChecks);
  for (std::size_t i = 0; i < kOptionChecks; ++i) {
    const auto& b = boxes[i];
    *b.box = new QCheckBox(U(b.caption), grpSettei);
    (*b.box)->setObjectName(QString::fromLatin1(b.name));
    (*b.box)->setChecked(b.checked);
    (*b.box)->move(layout_.optionChecks[i].left, layout_.optionChecks[i].top);
  }
  ConnectOptions();
}

// ---- first show ----

bool TfrmMain::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  // The window manager tells the frame's size once it has framed the window (the window moves
  // then); every change of it refits the window.
  if (event->type() == QEvent::Move || event->type() == QEvent::Show) FitFrameToLayout();
  return handled;
}

void TfrmMain::FitFrameToLayout() {
  // The layout's height is the whole window's, title bar and borders included, as on the
  // screen it was worked out for: the client area is what is left.
  const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
  if (frame == fittedFrame_) return;
  fittedFrame_ = frame;
  resize(layout_.W - frame.left() - frame.right(), layout_.H - frame.top() - frame.bottom());
}

void TfrmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FormShow();
}

void TfrmMain::FormShow() {
  drgTable->setVisible(chkDataTable->isChecked());
  editor_->FormShow();
  spdAll->setChecked(true);
  editor_->Options().OnDataTableClicked(chkDataTable->isChecked());
  FuncLocked = true;
  btnLockedClick();
  btnHyoujunClick();
  editor_->Options().OnRanColorClicked(chkRanColor->isChecked());
  chkNidanClick();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  // Closing never asks about unsaved changes.
  event->accept();
}

void TfrmMain::mouseMoveEvent(QMouseEvent* event) {
  editor_->Mouse().FormMouseMove();
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
  const Work& work = editor_->OpenWork();
  const int count = work.Count();
  while (lstShiki->count() > count) delete lstShiki->takeItem(lstShiki->count() - 1);
  while (lstShiki->count() < count) lstShiki->addItem(QString());
  for (int i = 0; i < count; ++i) {
    QListWidgetItem* item = lstShiki->item(i);
    item->setText(ToQString(work.ListItems()[static_cast<std::size_t>(i)]));
    item->setSelected(work.IsSelected(i));
  }
  // The curve just added or chosen is brought into view (a list of 100 curves scrolls).
  if (const int last = work.LastSelected(); last >= 0) lstShiki->scrollToItem(lstShiki->item(last));
  lstShiki->viewport()->update();
  inListUpdate_ = false;
}

void TfrmMain::FileInfoChanged() {
  const ShownFileInfo& shown = editor_->ShownFile();
  const QString fileName = PathForDisplay(shown.filePath);
  setWindowTitle(U(kMainCaptionPrefix) + fileName);
  Q_EMIT FileInfoShown(ToQString(shown.title), fileName, shown.count);
}

void TfrmMain::TextsChanged() {
  const ToolBarTexts& texts = editor_->Texts();
  edtLineMode->setText(ToQString(texts.edtLineMode));
  edtHeniki->setText(ToQString(texts.edtHeniki));
  edtCood->setText(ToQString(texts.edtCood));
}

void TfrmMain::LineModeChanged() {
  QToolButton* const buttons[] = {spdAll, spdCenter, spdRight, spdLeft};
  const int32_t mode = editor_->State().LineMode;
  if (mode >= 0 && mode < 4 && buttons[mode] != nullptr) buttons[mode]->setChecked(true);
}

// ---- the graph list's rows ----

void TfrmMain::PaintListRow(QPainter& painter, const QRect& rect, int row, bool selected) {
  const QColor back = selected ? lstShiki->palette().highlight().color() : QColor(Qt::white);
  painter.fillRect(rect, back);
  const Work& work = editor_->OpenWork();
  if (row < 0 || row >= work.Count()) return;
  if (work.Curve(row).LMode < 4) {
    QtCanvas sample(45, kListRowHeight);
    sample.FillRect(PixelRect{0, 0, 45, kListRowHeight}, FromQColor(back));
    editor_->Display().DrawListSample(sample, row);
    painter.drawImage(rect.left(), rect.top(), sample.Image());
  }
  std::string text = editor_->State().Options.chkShiki
                         ? work.ListItems()[static_cast<std::size_t>(row)]
                         : std::string();
  if (text.size() < kListTextColumns) text.resize(kListTextColumns, ' ');
  QFont font(U("ＭＳ ゴシック"));
  font.setPixelSize(16);
  painter.setFont(font);
  painter.setPen(selected ? lstShiki->palette().highlightedText().color() : QColor(Qt::black));
  painter.drawText(QRect(rect.left() + 45, rect.top(), rect.width() - 45, rect.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, ToQString(text));
}
