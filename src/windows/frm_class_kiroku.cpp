#include "windows/frm_class_kiroku.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <chrono>

#include "model/messages.h"
#include "platform/form_setup.h"
#include "platform/qt_fonts.h"
#include "platform/qt_text.h"
#include "render/canvas.h"

TfrmClassKiroku::TfrmClassKiroku(QWidget* parent, Prompter& prompter, SettingsStore& settings)
    : QDialog(parent),
      lblFolder(new QLabel(this)),
      btnFolder(new QPushButton(U("フォルダの選択"), this)),
      lblStatus(new QLabel(this)),
      drgClass(new QTableWidget(this)),
      memDetail(new QPlainTextEdit(this)),
      btnCsv(new QPushButton(U("CSVで保存"), this)),
      btnReturn(new QPushButton(U("閉じる"), this)),
      view_(prompter, settings) {
  SetUpForm(*this, "frmClassKiroku", "クラスの記録");
  lblFolder->setObjectName("lblFolder");
  btnFolder->setObjectName("btnFolder");
  lblStatus->setObjectName("lblStatus");
  drgClass->setObjectName("drgClass");
  memDetail->setObjectName("memDetail");
  btnCsv->setObjectName("btnCsv");
  btnReturn->setObjectName("btnReturn");

  drgClass->setEditTriggers(QAbstractItemView::NoEditTriggers);
  drgClass->setSelectionMode(QAbstractItemView::SingleSelection);
  memDetail->setReadOnly(true);
  memDetail->setLineWrapMode(QPlainTextEdit::NoWrap);
  // Marks and times line up in a fixed-pitch face, as in the records viewer.
  QFont fixed(InstalledFamily(kFontGothic), 12);
  fixed.setStyleHint(QFont::Monospace);
  fixed.setFixedPitch(true);
  memDetail->setFont(fixed);

  auto* top = new QHBoxLayout;
  top->addWidget(btnFolder);
  top->addWidget(lblFolder, 1);
  auto* middle = new QHBoxLayout;
  middle->addWidget(drgClass, 3);
  middle->addWidget(memDetail, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(lblStatus, 1);
  buttons->addWidget(btnCsv);
  buttons->addWidget(btnReturn);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(middle, 1);
  layout->addLayout(buttons);

  // Nothing to save before a class was read.
  btnCsv->setEnabled(false);
  lblFolder->setText(U("クラスのフォルダ（生徒ごとのフォルダが入ったフォルダ）を選んでください"));

  connect(btnFolder, &QPushButton::clicked, this, &TfrmClassKiroku::btnFolderClick);
  connect(drgClass, &QTableWidget::cellClicked, this, &TfrmClassKiroku::drgClassClick);
  connect(btnCsv, &QPushButton::clicked, this, &TfrmClassKiroku::btnCsvClick);
  connect(btnReturn, &QPushButton::clicked, this, &QDialog::accept);

  if (parent != nullptr) resize(parent->size());
}

TfrmClassKiroku::~TfrmClassKiroku() {
  stop_->store(true);
  if (reader_.joinable()) reader_.join();
}

void TfrmClassKiroku::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Read afresh at every opening: pupils practise between the teacher's looks.
  if (!view_.Folder().empty()) StartReading();
}

void TfrmClassKiroku::btnFolderClick() {
  if (view_.ChooseFolder()) StartReading();
}

void TfrmClassKiroku::StartReading() {
  if (reader_.joinable()) return;
  lblFolder->setText(PathForDisplay(view_.Folder()));
  lblStatus->setText(U("読み込み中…"));
  btnFolder->setEnabled(false);
  btnCsv->setEnabled(false);
  // A class folder on a slow network share may take long; the window stays responsive and
  // shows how far it got.
  reader_ = std::thread([this, folder = view_.Folder(), stop = stop_] {
    // The count is shown a few times a second at most; every pupil would flood the window.
    auto shown = std::chrono::steady_clock::now();
    auto table = std::make_shared<ClassTable>(
        ReadClassFolder(folder, [this, &stop, &shown](std::size_t done, std::size_t total) {
          if (stop->load()) return false;
          const auto now = std::chrono::steady_clock::now();
          if (now - shown < std::chrono::milliseconds(200)) return true;
          shown = now;
          QMetaObject::invokeMethod(
              this,
              [this, done, total] {
                lblStatus->setText(U("読み込み中… ") + QString::number(done) + " / " +
                                   QString::number(total));
              },
              Qt::QueuedConnection);
          return true;
        }));
    if (stop->load()) return;
    QMetaObject::invokeMethod(
        this, [this, table] { ReadingDone(table); }, Qt::QueuedConnection);
  });
}

void TfrmClassKiroku::ReadingDone(std::shared_ptr<ClassTable> table) {
  reader_.join();
  btnFolder->setEnabled(true);
  btnCsv->setEnabled(true);
  lblStatus->setText(U("生徒 ") + QString::number(table->rows.size()) + U(" 人"));
  view_.Take(std::move(*table));
  ShowTable();
}

void TfrmClassKiroku::ShowTable() {
  const ClassTable& table = view_.Table();
  drgClass->clear();
  drgClass->setRowCount(static_cast<int>(table.rows.size()));
  drgClass->setColumnCount(static_cast<int>(table.units.size()));
  QStringList units;
  for (const std::string& unit : table.units) units << ToQString(unit);
  drgClass->setHorizontalHeaderLabels(units);
  QStringList pupils;
  for (const ClassRow& row : table.rows) {
    QString name = PathForDisplay(row.pupil);
    if (row.state == PupilState::Unreadable)
      name += U("（") + ToQString(Msg().ClassUnreadable) + U("）");
    pupils << name;
  }
  drgClass->setVerticalHeaderLabels(pupils);
  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    for (std::size_t c = 0; c < table.rows[r].cells.size(); ++c) {
      const std::string text = ClassCellText(table.rows[r].cells[c]);
      if (!text.empty()) {
        drgClass->setItem(static_cast<int>(r), static_cast<int>(c),
                          new QTableWidgetItem(ToQString(text)));
      }
    }
  }
  drgClass->resizeColumnsToContents();
  memDetail->clear();
}

void TfrmClassKiroku::drgClassClick(int row, int column) {
  view_.Click(static_cast<int32_t>(row), static_cast<int32_t>(column));
  QStringList lines;
  for (const std::string& line : view_.DetailLines()) lines << ToQString(line);
  memDetail->setPlainText(lines.join('\n'));
}

void TfrmClassKiroku::btnCsvClick() { view_.SaveCsv(); }
