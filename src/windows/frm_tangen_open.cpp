#include "windows/frm_tangen_open.h"

#include <QFont>
#include <algorithm>

#include "platform/form_setup.h"
#include "platform/qt_text.h"

namespace {

// The left column: the title list above the preview list.
constexpr int kMargin = 12;
constexpr int kColumnWidth = 372;
constexpr int kTitleListHeight = 300;
constexpr int kButtonHeight = 28;

}  // namespace

TfrmTangenOpen::TfrmTangenOpen(QWidget* parent, WindowHost& windows, const PlaneSettings& settings2,
                               const PlaneSettings& mainSettings)
    : QDialog(parent),
      lblFileName(new QLabel(this)),
      lstTitle(new QListWidget(this)),
      lstShiki(new QListWidget(this)),
      imgCood(new ImageView(this)),
      btnOK(new QPushButton(U("ＯＫ"), this)),
      btnCancel(new QPushButton(U("ｷｬﾝｾﾙ"), this)),
      btnRecord(new QPushButton(U("記録を見る"), this)),
      form_(planeCanvas_, settings2, mainSettings),
      windows_(windows),
      lblChoose_(new QLabel(U("単元を選んでください"), this)),
      lblFileNameCaption_(new QLabel(U("ファイル名"), this)) {
  SetUpForm(*this, "frmTangenOpen", "編集する単元を開く");
  lblFileName->setObjectName("lblFileName");
  lstTitle->setObjectName("lstTitle");
  lstShiki->setObjectName("lstShiki");
  imgCood->setObjectName("imgCood");
  btnOK->setObjectName("btnOK");
  btnCancel->setObjectName("btnCancel");
  btnRecord->setObjectName("btnRecord");
  lblFileName->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  lstShiki->setSelectionMode(QAbstractItemView::NoSelection);
  lstShiki->setFocusPolicy(Qt::NoFocus);
  QFont listFont(U("ＭＳ ゴシック"));
  listFont.setPixelSize(16);
  lstShiki->setFont(listFont);
  imgCood->SetCanvas(&planeCanvas_);
  // Enter means OK; the title list does not take the focus at show, where it would choose its
  // first title by itself.
  btnOK->setDefault(true);
  btnCancel->setAutoDefault(false);
  btnRecord->setAutoDefault(false);

  connect(lstTitle, &QListWidget::currentRowChanged, this, &TfrmTangenOpen::lstTitleClick);
  connect(btnOK, &QPushButton::clicked, this, &TfrmTangenOpen::btnOKClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(btnRecord, &QPushButton::clicked, this,
          [this] { windows_.Show(ProgramWindow::Records); });
  connect(lstTitle, &QListWidget::itemDoubleClicked, this, [this] { btnOKClick(); });
}

bool TfrmTangenOpen::Execute(bool openForEdit, const std::string& libraryPath,
                             const EditorState& editorState, bool recordsEnabled,
                             Prompter& prompter) {
  prompter_ = &prompter;
  FormShow(openForEdit, libraryPath, editorState, recordsEnabled);
  const int result = exec();
  prompter_ = nullptr;
  return result == QDialog::Accepted;
}

void TfrmTangenOpen::FormShow(bool openForEdit, const std::string& libraryPath,
                              const EditorState& editorState, bool recordsEnabled) {
  btnRecord->setEnabled(recordsEnabled);
  if (const QWidget* main = parentWidget()) resize(main->size());
  move(0, 0);
  setWindowTitle(openForEdit ? U("編集する単元を開く") : U("テストする単元を開く"));
  form_.FormShow(openForEdit, libraryPath, editorState);
  const QSignalBlocker quiet(lstTitle);
  lstTitle->clear();
  for (const UnitEntry& unit : form_.Units()) lstTitle->addItem(ToQString(unit.title));
  lstTitle->setCurrentRow(-1);
  btnOK->setFocus();
  ShowPreview();
}

void TfrmTangenOpen::lstTitleClick(int row) {
  if (row < 0 || prompter_ == nullptr) return;
  form_.TitleClick(row, *prompter_);
  ShowPreview();
}

void TfrmTangenOpen::ShowPreview() {
  lblFileName->setText(PathForDisplay(form_.FileName()));
  lstShiki->clear();
  for (const std::string& item : form_.PreviewItems()) lstShiki->addItem(ToQString(item));
  imgCood->Refresh();
  PlaceControls();
}

void TfrmTangenOpen::btnOKClick() {
  if (prompter_ != nullptr && form_.OkClick(*prompter_)) accept();
}

void TfrmTangenOpen::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  PlaceControls();
}

void TfrmTangenOpen::PlaceControls() {
  const int w = width();
  const int h = height();
  lblChoose_->setGeometry(kMargin, kMargin, kColumnWidth, 20);
  lstTitle->setGeometry(kMargin, kMargin + 24, kColumnWidth, kTitleListHeight);
  const int nameTop = kMargin + 24 + kTitleListHeight + 8;
  lblFileNameCaption_->setGeometry(kMargin, nameTop, 70, 24);
  lblFileName->setGeometry(kMargin + 74, nameTop, kColumnWidth - 74, 24);
  const int buttonsTop = h - kMargin - kButtonHeight;
  const int previewTop = nameTop + 32;
  lstShiki->setGeometry(kMargin, previewTop, kColumnWidth,
                        std::max(40, buttonsTop - 12 - previewTop));
  const int buttonWidth = (kColumnWidth - 16) / 3;
  btnOK->setGeometry(kMargin, buttonsTop, buttonWidth, kButtonHeight);
  btnCancel->setGeometry(kMargin + buttonWidth + 8, buttonsTop, buttonWidth, kButtonHeight);
  btnRecord->setGeometry(kMargin + 2 * (buttonWidth + 8), buttonsTop, buttonWidth, kButtonHeight);
  // The plane in the room right of the lists.
  const int room = kMargin + kColumnWidth + kMargin;
  const int left = room + std::max(0, (w - room - imgCood->width()) / 2);
  const int top = std::max(kMargin, (h - imgCood->height()) / 2);
  imgCood->move(left, top);
}
