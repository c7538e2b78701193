#include "app/frm_windows.h"

#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

TShellForm::TShellForm(QWidget* parent, const char* objectName, const char* caption)
    : QDialog(parent) {
  setObjectName(QString::fromLatin1(objectName));
  setWindowTitle(QString::fromUtf8(caption));
}

TfrmSettei::TfrmSettei(QWidget* parent) : TShellForm(parent, "frmSettei", "線の種類") {}

TfrmNewWork::TfrmNewWork(QWidget* parent)
    : TShellForm(parent, "frmNewWork", "新規入力"),
      edtTangen(new QLineEdit(QString::fromUtf8("新しい単元"), this)) {
  edtTangen->setObjectName("edtTangen");
}

TfrmVersion::TfrmVersion(QWidget* parent) : TShellForm(parent, "frmVersion", "ﾊﾞｰｼﾞｮﾝ情報") {
  auto* title = new QLabel(QString::fromUtf8("Kelvado 反比例（中学版）"), this);
  title->setObjectName("lblTitle");
  QFont font = title->font();
  font.setPointSize(font.pointSize() + 4);
  title->setFont(font);
  auto* version = new QLabel(
      QString::fromUtf8("Mevrolin バージョン ") + QString::fromLatin1(MEVROLIN_VERSION), this);
  version->setObjectName("lblVersion");
  auto* btnClose = new QPushButton(QString::fromUtf8("閉じる"), this);
  btnClose->setObjectName("btnClose");
  connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addWidget(version);
  layout->addWidget(btnClose, 0, Qt::AlignRight);
}

TfrmRenshu::TfrmRenshu(QWidget* parent) : TShellForm(parent, "frmRenshu", "練習") {}

TfrmSeikai::TfrmSeikai(QWidget* parent) : TShellForm(parent, "frmSeikai", "正解") {}

TfrmAyamari::TfrmAyamari(QWidget* parent) : TShellForm(parent, "frmAyamari", "誤答") {}

TfrmTangen::TfrmTangen(QWidget* parent)
    : TShellForm(parent, "frmTangen", "単元の内容"),
      lblTangen(new QLabel(this)),
      lblFileName(new QLabel(this)),
      lblNline(new QLabel(this)),
      memFile(new QPlainTextEdit(this)) {
  lblTangen->setObjectName("lblTangen");
  lblFileName->setObjectName("lblFileName");
  lblNline->setObjectName("lblNline");
  memFile->setObjectName("memFile");
  auto* form = new QFormLayout;
  form->addRow(QString::fromUtf8("単元名"), lblTangen);
  form->addRow(QString::fromUtf8("ﾌｧｲﾙ名"), lblFileName);
  form->addRow(QString::fromUtf8("ﾃﾞｰﾀ数"), lblNline);
  auto* btnReturn = new QPushButton(QString::fromUtf8("戻る"), this);
  btnReturn->setObjectName("btnReturn");
  connect(btnReturn, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(new QLabel(QString::fromUtf8("ファイルの内容"), this));
  layout->addWidget(memFile);
  layout->addWidget(btnReturn);
}

TfrmOwari::TfrmOwari(QWidget* parent) : TShellForm(parent, "frmOwari", "練習終わり") {}

TfrmKiroku::TfrmKiroku(QWidget* parent) : TShellForm(parent, "frmKiroku", "実行記録") {}

TfrmPrint::TfrmPrint(QWidget* parent) : TShellForm(parent, "frmPrint", "グラフの印刷") {}

TfrmTangenOpen::TfrmTangenOpen(QWidget* parent)
    : TShellForm(parent, "frmTangenOpen", "編集する単元を開く") {}

TfrmSetCood::TfrmSetCood(QWidget* parent, const char* objectName)
    : TShellForm(parent, objectName, "座標面の設定") {}
