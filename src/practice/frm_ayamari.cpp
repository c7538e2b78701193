#include "practice/frm_ayamari.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include "platform/form_setup.h"
#include "platform/program_resources.h"
#include "platform/qt_text.h"

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

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

  edtMess = new QLineEdit(this);
  edtMess->setObjectName("edtMess");
  edtMess->setReadOnly(true);
  edtMess->setFocusPolicy(Qt::NoFocus);
  QFont font = edtMess->font();
  font.setPixelSize(18);
  edtMess->setFont(font);
  edtMess->setGeometry(58, 14, 306, 38);

  auto button = [this](const char* name, const char* caption, int left, int width) {
    auto* b = new QPushButton(U(caption), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(left, 76, width, 34);
    return b;
  };
  btnTeisei = button("btnTeisei", "訂正する", 14, 96);
  btnGiveup = button("btnGiveup", "正解を表示する", 118, 140);
  btnCancel = button("btnCancel", "中止", 266, 96);
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
