#include "windows/frm_set_cood.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/form_setup.h"
#include "platform/qt_text.h"
#include "settings/display_scale.h"

TfrmSetCood::TfrmSetCood(QWidget* parent, const char* objectName, PlaneSettings& settings,
                         SettingsStore& store, Prompter& prompter, int32_t maxCoodSize)
    : QDialog(parent),
      form_(settings, store, prompter, maxCoodSize, [this] { Q_EMIT PlaneChanged(); }),
      store_(store) {
  SetUpForm(*this, objectName, "座標面の設定");
  setModal(false);
}

void TfrmSetCood::setVisible(bool visible) {
  if (visible && !isVisible()) {
    if (!created_) FormCreate();
    move(0, 0);
    form_.FormShow();
    ShowFields();
    const int32_t scale = DisplayScaleOf(store_.ReadSettingInt(kDisplayScaleKey, 100));
    cmbDisplayScale->setCurrentIndex(cmbDisplayScale->findData(scale));
  }
  QDialog::setVisible(visible);
}

void TfrmSetCood::FormCreate() {
  created_ = true;
  auto edit = [this](QLineEdit*& e, const char* name) {
    e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(name));
    e->setFixedWidth(56);
  };
  edit(edtSizeX, "edtSizeX");
  edit(edtSizeY, "edtSizeY");
  edit(edtDX, "edtDX");
  edit(edtDY, "edtDY");
  edit(edtStartX, "edtStartX");
  edit(edtStartY, "edtStartY");
  edit(edtEndX, "edtEndX");
  edit(edtEndY, "edtEndY");
  for (int32_t i = 0; i < kCoodEditCount; ++i) {
    const auto e = static_cast<CoodEdit>(i);
    connect(EditOf(e), &QLineEdit::textEdited, this,
            [this, e](const QString& text) { form_.TextChanged(e, FromQString(text)); });
  }

  auto spin = [this](QSpinBox*& s, const char* name, CoodSpin which) {
    s = new QSpinBox(this);
    s->setObjectName(QString::fromLatin1(name));
    const SpinLimits& limits = kCoodSpinLimits[static_cast<std::size_t>(which)];
    s->setRange(limits.min, limits.max);
    s->setFixedWidth(56);
    connect(s, &QSpinBox::valueChanged, this,
            [this, which](int value) { form_.SpinChanged(which, value); });
  };
  spin(spnScaleNumberX, "spnScaleNumberX", CoodSpin::ScaleNumberX);
  spin(spnScaleNumberY, "spnScaleNumberY", CoodSpin::ScaleNumberY);
  spin(spnFontSize, "spnFontSize", CoodSpin::FontSize);
  spin(spnYohaku, "spnYohaku", CoodSpin::Yohaku);

  auto check = [this](QCheckBox*& c, const char* name, const char* caption, CoodCheck which) {
    c = new QCheckBox(U(caption), this);
    c->setObjectName(QString::fromLatin1(name));
    connect(c, &QCheckBox::clicked, this, [this, which](bool checked) {
      form_.CheckClick(which, checked);
      ShowFields();
    });
  };
  check(chkXY, "chkXY", "X,Yを付ける", CoodCheck::XY);
  check(chkMemori, "chkMemori", "目盛を付ける", CoodCheck::Memori);
  check(chkZahyou, "chkZahyou", "座標を表示する", CoodCheck::Zahyou);
  check(chkKeep, "chkKeep", "この設定を保存する", CoodCheck::Keep);

  // The preset buttons beside each edit, in the order of the table.
  QHBoxLayout* presetRows[kCoodEditCount] = {};
  for (auto*& row : presetRows) {
    row = new QHBoxLayout;
    row->setSpacing(2);
  }
  for (const CoodPreset& preset : kCoodPresets) {
    auto* b = new QPushButton(U(preset.caption), this);
    b->setObjectName(QString::fromLatin1(preset.name));
    b->setAutoDefault(false);
    b->setFixedWidth(36);
    presetRows[static_cast<int>(preset.edit)]->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this, &preset] {
      form_.PresetClick(preset);
      ShowFields();
    });
  }
  for (auto* row : presetRows) row->addStretch();

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  grid->addWidget(new QLabel(U("X座標"), this), 0, 1);
  grid->addWidget(new QLabel(U("Ｙ座標"), this), 0, 3);
  const char* const rowLabels[] = {"ｻｲｽﾞ", "目盛", "目盛開始", "目盛終了"};
  for (int row = 0; row < 4; ++row) {
    const auto x = static_cast<CoodEdit>(2 * row);
    const auto y = static_cast<CoodEdit>(2 * row + 1);
    grid->addWidget(new QLabel(U(rowLabels[row]), this), row + 1, 0);
    grid->addWidget(EditOf(x), row + 1, 1);
    grid->addLayout(presetRows[2 * row], row + 1, 2);
    grid->addWidget(EditOf(y), row + 1, 3);
    grid->addLayout(presetRows[2 * row + 1], row + 1, 4);
  }
  grid->addWidget(new QLabel(U("目盛間隔"), this), 5, 0);
  grid->addWidget(spnScaleNumberX, 5, 1);
  grid->addWidget(spnScaleNumberY, 5, 3);
  grid->addWidget(new QLabel(U("フォントサイズ"), this), 6, 0);
  grid->addWidget(spnFontSize, 6, 1);
  // The margin is kept and stored but not offered: the plane has none.
  auto* lblYohaku = new QLabel(U("余白"), this);
  grid->addWidget(lblYohaku, 6, 2);
  grid->addWidget(spnYohaku, 6, 3);
  lblYohaku->hide();
  spnYohaku->hide();

  auto* checks = new QHBoxLayout;
  checks->addWidget(chkXY);
  checks->addWidget(chkMemori);
  checks->addWidget(chkZahyou);
  checks->addStretch();

  btnOk = new QPushButton(U("OK"), this);
  btnOk->setObjectName("btnOk");
  btnOk->setDefault(true);
  btnCancel = new QPushButton(U("ｷｬﾝｾﾙ"), this);
  btnCancel->setObjectName("btnCancel");
  btnCancel->setAutoDefault(false);
  btnTest = new QPushButton(U("テスト(&T)"), this);
  btnTest->setObjectName("btnTest");
  btnTest->setAutoDefault(false);
  connect(btnOk, &QPushButton::clicked, this, &TfrmSetCood::accept);
  connect(btnCancel, &QPushButton::clicked, this, &TfrmSetCood::reject);
  connect(btnTest, &QPushButton::clicked, this, [this] {
    form_.Test();
    ShowFields();
  });
  cmbDisplayScale = new QComboBox(this);
  cmbDisplayScale->setObjectName("cmbDisplayScale");
  for (const int32_t scale : kDisplayScales) {
    cmbDisplayScale->addItem(QString::number(scale) + " %", scale);
  }
  auto* scaleRow = new QHBoxLayout;
  scaleRow->addWidget(new QLabel(U("表示の倍率"), this));
  scaleRow->addWidget(cmbDisplayScale);
  scaleRow->addWidget(new QLabel(U("（次回の起動から）"), this));
  scaleRow->addStretch();

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(chkKeep);
  buttons->addStretch();
  buttons->addWidget(btnOk);
  buttons->addWidget(btnCancel);
  buttons->addWidget(btnTest);

  auto* all = new QVBoxLayout(this);
  all->addLayout(grid);
  all->addLayout(checks);
  all->addLayout(scaleRow);
  all->addLayout(buttons);
  all->setSizeConstraint(QLayout::SetFixedSize);
}

void TfrmSetCood::ShowFields() {
  if (!created_) return;
  const CoodFields& fields = form_.Fields();
  for (int32_t i = 0; i < kCoodEditCount; ++i) {
    const auto e = static_cast<CoodEdit>(i);
    const QString text = ToQString(fields.Text(e));
    if (EditOf(e)->text() != text) EditOf(e)->setText(text);
  }
  for (int32_t i = 0; i < kCoodSpinCount; ++i) {
    const auto s = static_cast<CoodSpin>(i);
    const QSignalBlocker quiet(SpinOf(s));
    SpinOf(s)->setValue(fields.Value(s));
  }
  for (int32_t i = 0; i < kCoodCheckCount; ++i) {
    const auto c = static_cast<CoodCheck>(i);
    CheckOf(c)->setChecked(fields.Checked(c));
  }
}

void TfrmSetCood::accept() {
  const bool close = form_.Ok();
  ShowFields();
  if (!close) return;
  const int32_t scale = cmbDisplayScale->currentData().toInt();
  if (scale != DisplayScaleOf(store_.ReadSettingInt(kDisplayScaleKey, 100))) {
    store_.WriteSettingInt(kDisplayScaleKey, scale);
    store_.SaveSettings();
  }
  QDialog::accept();
}

void TfrmSetCood::reject() {
  form_.Cancel();
  ShowFields();
  QDialog::reject();
}

QLineEdit* TfrmSetCood::EditOf(CoodEdit e) const {
  QLineEdit* const edits[] = {edtSizeX,  edtSizeY,  edtDX,   edtDY,
                              edtStartX, edtStartY, edtEndX, edtEndY};
  return edits[static_cast<int>(e)];
}

QSpinBox* TfrmSetCood::SpinOf(CoodSpin s) const {
  QSpinBox* const spins[] = {spnScaleNumberX, spnScaleNumberY, spnFontSize, spnYohaku};
  return spins[static_cast<int>(s)];
}

QCheckBox* TfrmSetCood::CheckOf(CoodCheck c) const {
  QCheckBox* const boxes[] = {chkXY, chkMemori, chkZahyou, chkKeep};
  return boxes[static_cast<int>(c)];
}
