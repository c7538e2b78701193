#include "windows/frm_owari.h"

#include <QLineEdit>
#include <QPushButton>

#include "platform/form_setup.h"
#include "platform/qt_canvas.h"
#include "platform/qt_text.h"

namespace {

constexpr int kRetry = 1;
constexpr int kReview = 2;

}  // namespace

TfrmOwari::TfrmOwari(QWidget* parent) : QDialog(parent) {
  SetUpForm(*this, "frmOwari", "練習終わり");
  setFixedSize(420, 130);

  edtMess = AddMessageLine(this, "edtMess", 18, {14, 14, 392, 38});
  edtMess->setText(U("　　　　練習を終わります"));
  btnRetry = AddButton(this, "btnRetry", "もう一度やる", {14, 76, 100, 34});
  btnFukushu = AddButton(this, "btnFukushu", "間違った所を復習", {118, 76, 130, 34});
  btnEnd = AddButton(this, "btnEnd", "終了", {252, 76, 70, 34});
  btnShowRecord = AddButton(this, "btnShowRecord", "記録を見る", {326, 76, 80, 34});
  connect(btnRetry, &QPushButton::clicked, this, [this] { done(kRetry); });
  connect(btnFukushu, &QPushButton::clicked, this, [this] { done(kReview); });
  connect(btnEnd, &QPushButton::clicked, this, &QDialog::reject);
  connect(btnShowRecord, &QPushButton::clicked, this, &TfrmOwari::ShowRecordRequested);
}

OwariResult TfrmOwari::Ask(const OwariRequest& request) {
  edtMess->setText(ToQString(request.message));
  // Green for a run all right at the first try, the usual colour otherwise.
  QPalette colours;
  if (request.allRight) colours.setColor(QPalette::Window, ToQColor(0x008000));
  setPalette(colours);
  setAutoFillBackground(request.allRight);
  btnRetry->setEnabled(request.retryEnabled);
  btnFukushu->setEnabled(request.reviewEnabled);
  btnShowRecord->setVisible(request.showRecordButton);
  switch (request.focus) {
    case OwariFocus::Retry:
      firstFocus_ = btnRetry;
      break;
    case OwariFocus::Review:
      firstFocus_ = btnFukushu;
      break;
    case OwariFocus::End:
      firstFocus_ = btnEnd;
      break;
  }
  // Never a disabled button: the end is always there.
  if (!firstFocus_->isEnabled()) firstFocus_ = btnEnd;
  const int result = exec();
  if (result == kRetry) return OwariResult::Retry;
  if (result == kReview) return OwariResult::Review;
  return OwariResult::End;
}

void TfrmOwari::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (firstFocus_ != nullptr) firstFocus_->setFocus();
}
