#include "windows/frm_settei.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "platform/form_setup.h"
#include "platform/qt_text.h"

namespace {

constexpr const char* kSegmentCaption = "線分の変域";
constexpr const char* kHalfLineCaption = "半直線の変域";

// Checks the button of the value, or none when no button has it.
template <std::size_t N>
void CheckOnly(const std::array<QRadioButton*, N>& buttons, int32_t index) {
  for (std::size_t i = 0; i < N; ++i) {
    QRadioButton* b = buttons[i];
    b->setAutoExclusive(false);
    b->setChecked(static_cast<int32_t>(i) == index);
    b->setAutoExclusive(true);
  }
}

}  // namespace

TfrmSettei::TfrmSettei(QWidget* parent) : QDialog(parent) {
  SetUpForm(*this, "frmSettei", "線の種類");
  setModal(false);
}

// Controls are placed by position, so that blanking a group's caption moves nothing.
void TfrmSettei::FormCreate() {
  created_ = true;
  auto group = [this](QGroupBox*& g, const char* name, const char* caption, const QRect& r) {
    g = new QGroupBox(U(caption), this);
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(r);
    return g;
  };
  // One group's buttons, named by prefix and value; a click sets the working copy.
  auto buttons = [this](auto& list, QGroupBox* g, const char* prefix, int32_t first,
                        std::initializer_list<const char*> captions, auto click) {
    int32_t value = first;
    std::size_t i = 0;
    for (const char* caption : captions) {
      auto* b = new QRadioButton(U(caption), g);
      b->setObjectName(QString::fromLatin1(prefix) + QString::number(value));
      // As wide as its caption: a click beside the caption does not choose it.
      b->move(12, 24 + static_cast<int>(i) * 26);
      b->adjustSize();
      connect(b, &QRadioButton::clicked, this, [this, click, value] {
        (form_.*click)(value);
        ShowGroups();
      });
      list[i++] = b;
      ++value;
    }
  };
  buttons(rbtLMode, group(gbxKind, "gbxKind", "変域", {8, 8, 130, 132}), "rbtLMode", 0,
          {"全域", "中央", "右側", "左側"}, &LineKindForm::ModeClick);
  buttons(rbtLWidth, group(gbxWidth, "gbxWidth", "太さ", {146, 8, 130, 132}), "rbtLWidth", 1,
          {"1ﾄﾞｯﾄ", "2ﾄﾞｯﾄ", "3ﾄﾞｯﾄ"}, &LineKindForm::WidthClick);
  buttons(rbtSenHeniki, group(gbxHeniki1, "gbxHeniki1", kSegmentCaption, {8, 148, 130, 132}),
          "rbtSenHeniki", 0, {"≦　≦", "≦　＜", "＜　≦", "＜　＜"}, &LineKindForm::SenbunClick);
  buttons(rbtHanHeniki, group(gbxHeniki2, "gbxHeniki2", kHalfLineCaption, {146, 148, 130, 80}),
          "rbtHanHeniki", 0, {"≦", "＜"}, &LineKindForm::HanchokusenClick);

  auto button = [this](QPushButton*& b, const char* name, const char* caption, int left) {
    b = AddButton(this, name, caption, {left, 290, 84, 28});
    b->setAutoDefault(false);
  };
  button(btnOK, "btnOK", "OK", 8);
  button(btnCancel, "btnCancel", "ｷｬﾝｾﾙ", 100);
  button(btnTest, "btnTest", "テスト", 192);
  btnOK->setDefault(true);
  connect(btnOK, &QPushButton::clicked, this, &TfrmSettei::accept);
  connect(btnCancel, &QPushButton::clicked, this, &TfrmSettei::reject);
  connect(btnTest, &QPushButton::clicked, this, &TfrmSettei::TestClicked);
  setFixedSize(284, 326);
}

void TfrmSettei::ShowWith(const LineKind& current) {
  // Shown again while up, the window only comes forward: the user's choices in it stand.
  if (isVisible()) {
    raise();
    activateWindow();
    return;
  }
  if (!created_) FormCreate();
  form_.FormShow(current);
  CheckOnly(rbtLMode, current.LineMode);
  CheckOnly(rbtLWidth, current.LineWidth - 1);
  CheckOnly(rbtSenHeniki, current.SenbunKind);
  CheckOnly(rbtHanHeniki, current.HanchokusenKind);
  ShowGroups();
  move(0, 0);
  show();
  raise();
  activateWindow();
}

// A group not in use for the mode is disabled and shows no caption; its buttons keep their
// state.
void TfrmSettei::ShowGroups() {
  const bool segment = form_.SegmentGroupEnabled();
  const bool halfLine = form_.HalfLineGroupEnabled();
  gbxHeniki1->setEnabled(segment);
  gbxHeniki1->setTitle(segment ? U(kSegmentCaption) : QString());
  gbxHeniki2->setEnabled(halfLine);
  gbxHeniki2->setTitle(halfLine ? U(kHalfLineCaption) : QString());
}

void TfrmSettei::accept() {
  Q_EMIT LineKindChosen(form_.Chosen());
  QDialog::accept();
}
