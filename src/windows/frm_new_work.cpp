#include "windows/frm_new_work.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/form_setup.h"
#include "platform/qt_text.h"

namespace {

constexpr int kWidth = 360;
constexpr int kHeight = 340;

}  // namespace

TfrmNewWork::TfrmNewWork(QWidget* parent)
    : QDialog(parent),
      edtTangen(new QLineEdit(U("新しい単元"), this)),
      lstTitle(new QListWidget(this)),
      btnOK(new QPushButton(U("OK"), this)),
      btnCancel(new QPushButton(U("ｷｬﾝｾﾙ"), this)) {
  SetUpForm(*this, "frmNewWork", "新規入力");
  edtTangen->setObjectName("edtTangen");
  lstTitle->setObjectName("lstTitle");
  btnOK->setObjectName("btnOK");
  btnCancel->setObjectName("btnCancel");
  btnOK->setDefault(true);
  btnOK->setAutoDefault(true);
  btnCancel->setAutoDefault(false);
  resize(kWidth, kHeight);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(U("単元名を入力してください"), this));
  layout->addWidget(edtTangen);
  layout->addWidget(new QLabel(U("登録済みの単元名"), this));
  layout->addWidget(lstTitle);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOK);
  buttons->addWidget(btnCancel);
  layout->addLayout(buttons);

  // The edit's text goes to the form as CP932; a character that has none would become "?",
  // which the form refuses rather than write another title than the one typed. A title taken
  // from the list is put in as the form holds it, byte for byte.
  connect(edtTangen, &QLineEdit::textChanged, this, [this](const QString& text) {
    const std::string cp932 = FromQString(text);
    const auto marks = static_cast<qsizetype>(std::count(cp932.begin(), cp932.end(), '?'));
    form_.Edit(cp932, marks != text.count(QLatin1Char('?')));
  });
  connect(lstTitle, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    form_.TitleClick(lstTitle->row(item));
    ShowUnitName();
  });
  connect(btnOK, &QPushButton::clicked, this, &TfrmNewWork::btnOKClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<std::string> TfrmNewWork::Execute(const std::string& libraryPath,
                                                const std::string& shownTitle, Prompter& prompter) {
  prompter_ = &prompter;
  FormShow(libraryPath, shownTitle);
  const int result = exec();
  prompter_ = nullptr;
  if (result != QDialog::Accepted) return std::nullopt;
  return form_.UnitName();
}

void TfrmNewWork::FormShow(const std::string& libraryPath, const std::string& shownTitle) {
  if (const QWidget* main = parentWidget()) {
    move((main->width() - width()) / 2, (main->height() - height()) / 2);
  }
  form_.FormShow(libraryPath, shownTitle);
  lstTitle->clear();
  for (const UnitEntry& unit : form_.Units()) lstTitle->addItem(ToQString(unit.title));
  ShowUnitName();
  edtTangen->setFocus();
}

void TfrmNewWork::ShowUnitName() {
  const QSignalBlocker quiet(edtTangen);
  edtTangen->setText(ToQString(form_.UnitName()));
}

void TfrmNewWork::btnOKClick() {
  if (prompter_ == nullptr) return;
  if (form_.OkClick(*prompter_)) {
    accept();
  } else {
    edtTangen->setFocus();
  }
}
