#include "windows/frm_renshu.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include "platform/form_setup.h"
#include "platform/program_resources.h"
#include "platform/qt_text.h"

namespace {

// Where the parts of the window go; the plane is put right of them, at the question's height.
constexpr int kLeft = 24;
constexpr int kShikiTop = 56;
constexpr int kAnsTop = 156;
constexpr int kRecordTop = 288;
constexpr int kRecordHeight = 196;
constexpr int kButtonsLeft = 240;
constexpr int kPlaneLeft = 350;

// A picture of the program's resources as an opaque image of the canvas's size.
void LoadPicture(QtCanvas& canvas, const char* resource) {
  const QImage picture =
      QImage(QString::fromLatin1(resource)).convertToFormat(QImage::Format_RGB32);
  if (picture.size() == canvas.Image().size()) canvas.Image() = picture;
}

// The hint arrow and, beside and below it, the arrow mirrored so that its tip is at each other
// corner: an arrow for a point near the right or bottom edge is turned to stay on the plane.
void LoadArrows(QtCanvas& canvas, const char* resource) {
  const QImage arrow = QImage(QString::fromLatin1(resource)).convertToFormat(QImage::Format_RGB32);
  if (arrow.isNull() || arrow.width() * 2 != canvas.Width() ||
      arrow.height() * 2 != canvas.Height())
    return;
  QImage all(canvas.Width(), canvas.Height(), QImage::Format_RGB32);
  QPainter painter(&all);
  painter.drawImage(0, 0, arrow);
  painter.drawImage(arrow.width(), 0, arrow.mirrored(true, false));
  painter.drawImage(0, arrow.height(), arrow.mirrored(false, true));
  painter.drawImage(arrow.width(), arrow.height(), arrow.mirrored(true, true));
  painter.end();
  canvas.Image() = all;
}

}  // namespace

TfrmRenshu::TfrmRenshu(QWidget* parent, PracticeDialogs& dialogs, Prompter& prompter,
                       const Clock& clock)
    : QDialog(parent) {
  InitProgramResources();
  SetUpForm(*this, "frmRenshu", "練習");
  run_ = std::make_unique<PracticeRun>(
      PracticeSurfaces{planeCanvas, shikiCanvas, ansCanvas, imgArrow, imgBatsu}, *this,
      PracticeServices{dialogs, prompter, clock, RecordWriter()});
  LoadArrows(imgArrow, ":/practice/arrow.xpm");
  LoadPicture(imgBatsu, ":/practice/batsu.xpm");

  // At the top left of the screen, with the main window's size (taken again at each opening:
  // the main window fits itself to its frame once it is shown).
  if (parent != nullptr) resize(parent->size());
  move(0, 0);
  setMouseTracking(true);

  lblMess = new QLabel(this);
  lblMess->setObjectName("lblMess");
  QFont captionFont = lblMess->font();
  captionFont.setPixelSize(18);
  lblMess->setFont(captionFont);
  lblMess->setGeometry(kLeft, 16, kPlaneLeft - kLeft - 8, 28);

  imgShiki = new ImageView(this);
  imgShiki->setObjectName("imgShiki");
  imgShiki->SetCanvas(&shikiCanvas);
  imgShiki->move(kLeft, kShikiTop);

  auto* lblAns = new QLabel(U("答案"), this);
  lblAns->setObjectName("lblAns");
  lblAns->move(kLeft, kAnsTop - 20);
  imgAns = new ImageView(this);
  imgAns->setObjectName("imgAns");
  imgAns->SetCanvas(&ansCanvas);
  imgAns->move(kLeft, kAnsTop);

  auto* lblRecord = new QLabel(U("採点"), this);
  lblRecord->setObjectName("lblRecord");
  lblRecord->move(kLeft, kRecordTop - 20);
  lstRecord = new QListWidget(this);
  lstRecord->setObjectName("lstRecord");
  lstRecord->setSelectionMode(QAbstractItemView::NoSelection);
  lstRecord->setFocusPolicy(Qt::NoFocus);
  QFont recordFont(U("ＭＳ ゴシック"));
  recordFont.setPixelSize(15);
  lstRecord->setFont(recordFont);
  lstRecord->setGeometry(kLeft, kRecordTop, 200, kRecordHeight);

  edtCood = new QLineEdit(this);
  edtCood->setObjectName("edtCood");
  edtCood->setReadOnly(true);
  edtCood->setFocusPolicy(Qt::NoFocus);
  edtCood->setFont(recordFont);
  edtCood->setGeometry(kButtonsLeft, kShikiTop, 100, 26);

  auto button = [this](const char* name, const char* caption, int top) {
    QPushButton* b = AddButton(this, name, caption, {kButtonsLeft, top, 96, 32});
    b->setAutoDefault(false);
    return b;
  };
  Button1 = button("Button1", "ヒント", kAnsTop);
  btnTeisei = button("btnTeisei", "訂正", kAnsTop + 40);
  btnEnd = button("btnEnd", "終了", kRecordTop + kRecordHeight - 32);
  connect(Button1, &QPushButton::clicked, this, &TfrmRenshu::Button1Click);
  connect(btnTeisei, &QPushButton::clicked, this, &TfrmRenshu::btnTeiseiClick);
  connect(btnEnd, &QPushButton::clicked, this, &TfrmRenshu::btnEndClick);

  imgCood = new ImageView(this);
  imgCood->setObjectName("imgCood");
  imgCood->SetCanvas(&planeCanvas);
  imgCood->move(kPlaneLeft, kShikiTop);
  imgCood->setCursor(Qt::CrossCursor);
  // Any button answers; the release has nothing to do.
  connect(imgCood, &ImageView::MouseDown, this,
          [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) { run_->MouseDown(x, y); });
  // A quick second press comes as a double click; it is an answer all the same.
  connect(imgCood, &ImageView::DoubleClick, this,
          [this](Qt::MouseButton, int x, int y) { run_->MouseDown(x, y); });
  connect(imgCood, &ImageView::MouseMove, this, [this](int x, int y) { run_->MouseMove(x, y); });

  // The clock of the run: it keeps counting while the result dialogs are open.
  timSecond = new QTimer(this);
  timSecond->setObjectName("timSecond");
  timSecond->setInterval(1000);
  connect(timSecond, &QTimer::timeout, this, &TfrmRenshu::timSecondTimer);
  connect(this, &QDialog::finished, this, [this](int) {
    timSecond->stop();
    run_->Closed();
  });
}

TfrmRenshu::~TfrmRenshu() = default;

void TfrmRenshu::Open(const PracticeSet& set, const EditorState& editorState,
                      const PlaneSettings& settings2, const PlaneSettings& mainSettings) {
  if (parentWidget() != nullptr) resize(parentWidget()->size());
  run_->Open(set, editorState, settings2, mainSettings);
}

int32_t TfrmRenshu::RecordListBottom() const { return y() + lstRecord->y() + lstRecord->height(); }

void TfrmRenshu::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Shown again after being minimised: the run goes on.
  if (event->spontaneous()) return;
  // A full-width space between the word and the unit.
  setWindowTitle(U("練習　") + ToQString(run_->UnitName()));
  edtCood->clear();
  timSecond->start();
  run_->FormShow();
}

void TfrmRenshu::mouseMoveEvent(QMouseEvent* event) {
  run_->FormMouseMove();
  QDialog::mouseMoveEvent(event);
}

// ---- PracticeView ----

void TfrmRenshu::PlanePlaced(int32_t width, int32_t height) {
  imgCood->setGeometry(kPlaneLeft, imgShiki->y(), width, height);
}

void TfrmRenshu::ImagesChanged() {
  for (ImageView* view : {imgCood, imgShiki, imgAns}) view->Refresh();
}

void TfrmRenshu::TextsChanged() {
  lblMess->setText(ToQString(run_->lblMess()));
  const std::vector<std::string>& lines = run_->lstRecord();
  const int count = static_cast<int>(lines.size());
  while (lstRecord->count() > count) delete lstRecord->takeItem(lstRecord->count() - 1);
  while (lstRecord->count() < count) lstRecord->addItem(QString());
  for (int i = 0; i < count; ++i) {
    const QString text = ToQString(lines[static_cast<std::size_t>(i)]);
    if (lstRecord->item(i)->text() != text) lstRecord->item(i)->setText(text);
  }
  edtCood->setText(ToQString(run_->edtCood()));
}

void TfrmRenshu::CloseWindow() {
  // After the event in hand: the run may still be inside the handler of a click.
  QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
}

// ---- handlers ----

void TfrmRenshu::timSecondTimer() { run_->Tick(); }

void TfrmRenshu::btnEndClick() { reject(); }

void TfrmRenshu::Button1Click() { run_->HintClick(); }

void TfrmRenshu::btnTeiseiClick() {
  // Every answer is one click, so there is nothing to correct.
}

void TfrmRenshu::keyPressEvent(QKeyEvent* event) {
  if (!SwallowEscape(event)) QDialog::keyPressEvent(event);
}
