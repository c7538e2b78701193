#include "windows/frm_kiroku.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/form_setup.h"
#include "platform/qt_fonts.h"
#include "platform/qt_text.h"
#include "render/canvas.h"

TfrmKiroku::TfrmKiroku(QWidget* parent, Prompter& prompter, const std::string& progDirPath)
    : QDialog(parent),
      lblGuide(new QLabel(QString::fromUtf8("単元をクリックして下さい"), this)),
      lstTitle(new QListWidget(this)),
      lstReserve(new QListWidget(this)),
      memDetail(new QPlainTextEdit(this)),
      btnErase(new QPushButton(QString::fromUtf8("記録消去"), this)),
      btnClass(new QPushButton(QString::fromUtf8("クラスの記録"), this)),
      btnReturn(new QPushButton(QString::fromUtf8("閉じる"), this)),
      view_(progDirPath, prompter) {
  SetUpForm(*this, "frmKiroku", "実行記録");
  lblGuide->setObjectName("lblGuide");
  lstTitle->setObjectName("lstTitle");
  lstReserve->setObjectName("lstReserve");
  memDetail->setObjectName("memDetail");
  btnErase->setObjectName("btnErase");
  btnClass->setObjectName("btnClass");
  btnReturn->setObjectName("btnReturn");

  lstTitle->setSelectionMode(QAbstractItemView::ExtendedSelection);
  lstReserve->hide();
  memDetail->setReadOnly(true);
  memDetail->setLineWrapMode(QPlainTextEdit::NoWrap);
  // The marks and times of the records line up in a fixed-pitch face.
  QFont fixed(InstalledFamily(kFontGothic), 12);
  fixed.setStyleHint(QFont::Monospace);
  fixed.setFixedPitch(true);
  memDetail->setFont(fixed);

  auto* left = new QVBoxLayout;
  left->addWidget(lblGuide);
  left->addWidget(lstTitle);
  auto* lists = new QHBoxLayout;
  lists->addLayout(left, 2);
  lists->addWidget(memDetail, 3);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnClass);
  buttons->addStretch();
  buttons->addWidget(btnErase);
  buttons->addWidget(btnReturn);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists);
  layout->addLayout(buttons);

  connect(lstTitle, &QListWidget::itemClicked, this, &TfrmKiroku::lstTitleClick);
  connect(btnErase, &QPushButton::clicked, this, &TfrmKiroku::btnEraseClick);
  connect(btnReturn, &QPushButton::clicked, this, &TfrmKiroku::btnReturnClick);
  connect(btnClass, &QPushButton::clicked, this, &TfrmKiroku::ClassRecordsRequested);
  // Closed by Esc or its close box as by "閉じる": the next opening starts without records shown.
  connect(this, &QDialog::finished, this, [this] {
    view_.Close();
    memDetail->clear();
  });

  // The main window's size.
  if (parent != nullptr) resize(parent->size());
}

void TfrmKiroku::showEvent(QShowEvent* event) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
  }
  view_.Fill();
  ShowLists();
  ShowDetail();
  QDialog::showEvent(event);
}

void TfrmKiroku::ShowLists() {
  lstTitle->clear();
  lstReserve->clear();
  for (const std::string& item : view_.TitleItems()) lstTitle->addItem(ToQString(item));
  for (const std::string& item : view_.ReserveItems()) lstReserve->addItem(ToQString(item));
}

void TfrmKiroku::ShowDetail() {
  QStringList lines;
  for (const std::string& line : view_.DetailLines()) lines << ToQString(line);
  memDetail->setPlainText(lines.join('\n'));
}

void TfrmKiroku::lstTitleClick(QListWidgetItem* item) {
  view_.Click(static_cast<int32_t>(lstTitle->row(item)));
  ShowDetail();
}

void TfrmKiroku::btnEraseClick() {
  std::vector<int32_t> selected;
  for (int row = 0; row < lstTitle->count(); ++row) {
    if (lstTitle->item(row)->isSelected()) selected.push_back(static_cast<int32_t>(row));
  }
  if (!view_.Erase(selected)) return;
  ShowLists();
  ShowDetail();
}

void TfrmKiroku::btnReturnClick() {
  view_.Close();
  memDetail->clear();
  accept();
}
