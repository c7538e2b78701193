#include "windows/frm_ayamari.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include "platform/form_setup.h"
#include "platform/program_resources.h"
#include "platform/qt_text.h"

namespace {

constexpr int kRetry = 1;
constexpr int kGiveUp = 2;

}  // namespace

TfrmAyamari::TfrmAyamari(QWidget* parent) : QDialog(parent) {
  InitProgramResources();
  SetUpForm(*this, "frmAyamari", "誤答");
  // A fixed dialog frame.
  setFixedSize(380, 130);
  setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

  Image1 = new QLabel(this);
  Image1->setObjectName("Image1");
  Image1->setPixmap(QPixmap(QString::fromLatin1(":/practice/cross.xpm")));
  Image1->setGeometry(14, 16, 33, 33);

  edtMess = AddMessageLine(this, "edtMess", 18, {58, 14, 306, 38});
  btnTeisei = AddButton(this, "btnTeisei", "訂正する", {14, 76, 96, 34});
  btnGiveup = AddButton(this, "btnGiveup", "正解を表示する", {118, 76, 140, 34});
  btnCancel = AddButton(this, "btnCancel", "中止", {266, 76, 96, 34});
  connect(btnTeisei, &QPushButton::clicked, this, [this] { done(kRetry); });
  connect(btnGiveup, &QPushButton::clicked, this, [this] { done(kGiveUp); });
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

AyamariResult TfrmAyamari::Ask(const AyamariRequest& request) {
  edtMess->setText(ToQString(request.message));
  btnGiveup->setEnabled(request.giveUpEnabled);
  const int result = exec();
  if (result == kRetry) return AyamariResult::Retry;
  if (result == kGiveUp) return AyamariResult::GiveUp;
  return AyamariResult::Cancel;
}

void TfrmAyamari::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  btnTeisei->setFocus();
}

void TfrmAyamari::keyPressEvent(QKeyEvent* event) {
  if (!SwallowEscape(event)) QDialog::keyPressEvent(event);
}
