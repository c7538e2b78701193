// The main window's commands: menu bar, the graph list's pop-up menu, tool buttons, option
// handlers, help requests and the function lock.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <optional>

#include "editor/figure_save.h"
#include "platform/form_setup.h"
#include "platform/qt_figure_encoder.h"
#include "platform/qt_text.h"
#include "storage/help_file.h"
#include "windows/frm_main.h"

void TfrmMain::CreateMenus() {
  auto menu = [this](const char* name, const char* caption, int32_t helpTopic) {
    QMenu* m = menuBar()->addMenu(U(caption));
    m->setObjectName(QString::fromLatin1(name));
    m->setProperty("helpTopic", helpTopic);
    m->installEventFilter(this);
    return m;
  };
  auto item = [this](QMenu* m, const char* name, const char* caption, auto handler) {
    QAction* a = m->addAction(U(caption));
    a->setObjectName(QString::fromLatin1(name));
    connect(a, &QAction::triggered, this, handler);
    return a;
  };
  Editor& e = *editor_;
  GraphList& list = editor_->List();
  WindowHost& windows = windows_;

  // The desktop's usual keys; Qt shows them beside the items.
  auto keyed = [&item](QMenu* m, const char* name, const char* caption, QList<QKeySequence> keys,
                       auto handler) {
    QAction* a = item(m, name, caption, handler);
    a->setShortcuts(keys);
    return a;
  };
  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
  const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;

  FileCommands& files = editor_->Files();
  mnuFile = menu("mnuFile", "ﾌｧｲﾙ(&F)", kHelpFileMenu);
  keyed(mnuFile, "mnuNewFile", "新規作成(&N)", {QKeyCombination(ctrl, Qt::Key_N)},
        [&files] { files.NewFile(); });
  item(mnuFile, "mnuTangenOpen", "単元名で開く(&T)", [&files] { files.OpenByUnit(); });
  keyed(mnuFile, "mnuOpenFile", "開く(&O)", {QKeyCombination(ctrl, Qt::Key_O)},
        [&files] { files.OpenFile(); });
  keyed(mnuFile, "mnuSaveFile", "上書き保存(&S)", {QKeyCombination(ctrl, Qt::Key_S)},
        [&files] { files.OverWrite(); });
  keyed(mnuFile, "mnuSave", "名前を付けて保存(&A)", {QKeyCombination(ctrlShift, Qt::Key_S)},
        [&files] { files.SaveAs(); });
  mnuFile->addSeparator();
  keyed(mnuFile, "mnuPrint", "印刷(&P)", {QKeyCombination(ctrl, Qt::Key_P)},
        [&windows] { windows.Show(ProgramWindow::Print); });
  // The copy stands with printing, as the plane's other way out of the program; in the edit
  // menu its accelerator would be that of 訂正(&C).
  item(mnuFile, "mnuClipBoard", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ(&C)", [&list] { list.CopyPlane(); });
  item(mnuFile, "mnuSaveFigure", "図を保存(&G)", [this] {
    QtFigureEncoder encoder;
    SaveFigure(editor_->Display(), editor_->State(), prompter(), encoder);
  });
  mnuFile->addSeparator();
  keyed(mnuFile, "mnuEnd", "終了(&X)", {QKeyCombination(ctrl, Qt::Key_Q)}, [this] { close(); });

  mnuEdit = menu("mnuEdit", "編集(&E)", kHelpEditMenu);
  mnuUndo = keyed(mnuEdit, "mnuUndo", "元に戻す(&Z)", {QKeyCombination(ctrl, Qt::Key_Z)},
                  [&e] { e.Undo(); });
  mnuRedo = keyed(mnuEdit, "mnuRedo", "やり直し(&Y)",
                  {QKeyCombination(ctrl, Qt::Key_Y), QKeyCombination(ctrlShift, Qt::Key_Z)},
                  [&e] { e.Redo(); });
  HistoryChanged();
  mnuEdit->addSeparator();
  item(mnuEdit, "mnuTetsei", "訂正(&C)", [&list] { list.DeleteSelected(); });
  item(mnuEdit, "mnuShoukyo", "全部消去(&A)", [&e] { e.EraseAll(); });
  mnuEdit->addSeparator();
  item(mnuEdit, "mnuSelectAll", "すべて選択(&S)", [&list] { list.SelectAll(); });
  item(mnuEdit, "mnuCancel", "選択解除(&U)", [&list] { list.CancelSelection(); });
  mnuEdit->addSeparator();
  item(mnuEdit, "mnuPaste", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞから貼り付け(&P)", [&list] { list.PasteBitmap(); });
  item(mnuEdit, "mnuClearBitMap", "ﾋﾞｯﾄﾏｯﾌﾟのｸﾘｱ(&B)", [&list] { list.ClearBitmap(); });

  mnuSettei = menu("mnuSettei", "設定(&S)", kHelpSettingsMenu);
  item(mnuSettei, "mnuSetSenshu", "線の種類(&K)", [&windows, &e] {
    windows.Show(ProgramWindow::LineKind);
    e.Options().SetLineMode(e.State().LineMode);
  });
  item(mnuSettei, "mnuSetColor", "線の色(&C)", [&list] { list.SetFixedColor(); });
  item(mnuSettei, "mnuSetCood", "座標の設定(&S)",
       [&windows] { windows.Show(ProgramWindow::PlaneSettings); });
  mnuSettei->addSeparator();
  mnuHandle = item(mnuSettei, "mnuHandle", "四角ﾊﾝﾄﾞﾙ(&H)", [this] { chkHandle->click(); });
  mnuHandle->setCheckable(true);
  mnuTensen = item(mnuSettei, "mnuTensen", "点線(&P)", [this] { chkTensen->click(); });
  mnuTensen->setCheckable(true);
  // The two-row table also has a menu item: a way to it that no screen size can cut off.
  mnuNidan = item(mnuSettei, "mnuNidan", "２段表示(&N)", [this] { chkNidan->click(); });
  mnuNidan->setCheckable(true);
  mnuHandle->setChecked(chkHandle->isChecked());
  mnuTensen->setChecked(chkTensen->isChecked());
  mnuNidan->setChecked(chkNidan->isChecked());

  mnuRun = menu("mnuRun", "実行(&R)", kHelpRunMenu);
  item(mnuRun, "mnuTest", "ﾃｽﾄ(&T)", [&e] { e.TestCommand(); });
  item(mnuRun, "mnuRenshu", "練習(&E)", [&e] { e.PracticeCommand(); });
  mnuRun->addSeparator();
  item(mnuRun, "mnuClassKiroku", "クラスの記録(&C)",
       [&windows] { windows.Show(ProgramWindow::ClassRecords); });

  mnuDisplay = menu("mnuDisplay", "表示(&V)", kHelpDisplayMenu);
  item(mnuDisplay, "mnuShowTangen", "単元の内容(&U)",
       [&windows] { windows.Show(ProgramWindow::UnitContents); });
  item(mnuDisplay, "mnuShowRecord", "練習の記録(&R)",
       [&windows] { windows.Show(ProgramWindow::Records); });
  item(mnuDisplay, "mnuReDisplay", "再表示(&D)", [] {});

  mnuHelp = menu("mnuHelp", "ﾍﾙﾌﾟ(&H)", kHelpContents);
  item(mnuHelp, "mnuShowHelp", "使い方(&U)", [this] { HelpRequest(kHelpContents); });
  item(mnuHelp, "mnuOnePoint", "ワンポイント(&P)", [this] { HelpRequest(kHelpOnePoint); });
  mnuHelp->addSeparator();
  item(mnuHelp, "mnuShowAbout", "ﾊﾞｰｼﾞｮﾝ情報(&A)",
       [&windows] { windows.Show(ProgramWindow::About); });

  pumShiki = new QMenu(this);
  pumShiki->setObjectName("pumShiki");
  pumShiki->setProperty("helpTopic", kHelpGraphList);
  pumShiki->installEventFilter(this);
  item(pumShiki, "pumDelete", "削除", [&list] { list.DeleteSelected(); });
  item(pumShiki, "mnuChangeColor", "色を変える", [&list] { list.ChangeColorOfSelected(); });
  QMenu* widths = pumShiki->addMenu(U("線の太さを変える"));
  widths->setObjectName("mnuChangeWidth");
  item(widths, "W1", "1", [&list] { list.ChangeWidthOfSelected(1); });
  item(widths, "W2", "2", [&list] { list.ChangeWidthOfSelected(2); });
  item(widths, "W3", "3", [&list] { list.ChangeWidthOfSelected(3); });
  pumShiki->addSeparator();
  item(pumShiki, "pumSelectAll", "すべて選択", [&list] { list.SelectAll(); });
  item(pumShiki, "pumCancel", "選択解除", [&list] { list.CancelSelection(); });

  setProperty("helpTopic", kHelpMainWindow);
  lstShiki->setProperty("helpTopic", kHelpGraphList);
}

void TfrmMain::CreateCommandButtons() {
  int x = toolBarEnd_ + 6;
  auto tool = [this, &x](const char* name, const char* hint, const char* glyph) {
    auto* b = new QToolButton(pnlMain);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(U(hint));
    b->setText(U(glyph));
    b->setGeometry(x, 4, 32, 32);
    x += 33;
    return b;
  };
  Editor& e = *editor_;
  GraphList& list = editor_->List();
  EditorOptions& options = editor_->Options();
  PlaneMouse& mouse = editor_->Mouse();
  spdOpenFile = tool("spdOpenFile", "単元名で開く", "開");
  spdOverWrite = tool("spdOverWrite", "上書き保存", "保");
  spdLineColor = tool("spdLineColor", "固定ｶﾗｰの設定", "色");
  spdTeisei = tool("spdTeisei", "訂正", "訂");
  spdShoukyo = tool("spdShoukyo", "全部消去", "消");
  spdTest = tool("spdTest", "テスト", "テ");
  spdRenshu = tool("spdRenshu", "練習", "練");
  spdKiroku = tool("spdKiroku", "記録の表示", "記");
  // Enabled at first show by the function lock.
  for (QToolButton* b : {spdOverWrite, spdTest, spdRenshu, spdKiroku}) b->setEnabled(false);
  FileCommands& files = editor_->Files();
  connect(spdOpenFile, &QToolButton::clicked, this, [&files] { files.OpenByUnit(); });
  connect(spdOverWrite, &QToolButton::clicked, this, [&files] { files.OverWrite(); });
  connect(spdLineColor, &QToolButton::clicked, this, [&list] { list.SetFixedColor(); });
  connect(spdTeisei, &QToolButton::clicked, this, [&list] { list.DeleteSelected(); });
  connect(spdShoukyo, &QToolButton::clicked, this, [&e] { e.EraseAll(); });
  connect(spdTest, &QToolButton::clicked, this, [&e] { e.TestCommand(); });
  connect(spdRenshu, &QToolButton::clicked, this, [&e] { e.PracticeCommand(); });
  connect(spdKiroku, &QToolButton::clicked, this,
          [this] { windows_.Show(ProgramWindow::Records); });
  connect(spdSample, &QToolButton::clicked, this, [&options] { options.SampleButtonClick(); });
  connect(imgSample, &ImageView::Clicked, this, [&options] { options.SampleImageClick(); });

  btnLocked = new QToolButton(pnlMain);
  btnLocked->setObjectName("btnLocked");
  btnLocked->setToolTip(U("使える機能を制限します"));
  btnLocked->hide();
  connect(btnLocked, &QToolButton::clicked, this, &TfrmMain::btnLockedClick);

  auto push = [this](const char* name, const char* caption, std::size_t place) {
    const ControlRect& r = layout_.optionButtons[place];
    return AddButton(grpSettei, name, caption, QRect(r.left, r.top, r.width, r.height));
  };
  btnHyoujun = push("btnHyoujun", "標準形", 0);
  btnIppan = push("btnIppan", "一般形", 1);
  btnUp = push("btnUp", "↑", 2);
  btnDown = push("btnDown", "↓", 3);
  btnLeft = push("btnLeft", "←", 4);
  btnRight = push("btnRight", "→", 5);
  btnSelectAll = push("btnSelectAll", "全部選択", 6);
  BitBtn1 = push("BitBtn1", "選択解除", 7);
  connect(btnHyoujun, &QPushButton::clicked, this, &TfrmMain::btnHyoujunClick);
  connect(btnIppan, &QPushButton::clicked, this, &TfrmMain::btnIppanClick);
  connect(btnUp, &QPushButton::clicked, this, [&mouse] { mouse.ShiftLine(ShiftDirection::Up); });
  connect(btnDown, &QPushButton::clicked, this,
          [&mouse] { mouse.ShiftLine(ShiftDirection::Down); });
  connect(btnLeft, &QPushButton::clicked, this,
          [&mouse] { mouse.ShiftLine(ShiftDirection::Left); });
  connect(btnRight, &QPushButton::clicked, this,
          [&mouse] { mouse.ShiftLine(ShiftDirection::Right); });
  connect(btnSelectAll, &QPushButton::clicked, this, [&list] { list.SelectAll(); });
  connect(BitBtn1, &QPushButton::clicked, this, [&list] { list.CancelSelection(); });

  chkKeishiki = new QCheckBox(U("式の表示形式"), centralWidget());
  chkKeishiki->setObjectName("chkKeishiki");
  chkKeishiki->setChecked(true);
  chkKeishiki->hide();
  spnMaruRad = new QSpinBox(centralWidget());
  spnMaruRad->setObjectName("spnMaruRad");
  spnMaruRad->setRange(0, 8);
  spnMaruRad->setValue(5);
  spnMaruRad->hide();
  connect(spnMaruRad, &QSpinBox::valueChanged, this,
          [&options](int v) { options.OnMaruRadChanged(v); });
}

void TfrmMain::ConnectOptions() {
  EditorOptions& o = editor_->Options();
  auto redraw = [this, &o](QCheckBox* box, RedrawOption option) {
    connect(box, &QCheckBox::clicked, this,
            [&o, option](bool on) { o.OnRedrawOptionClicked(option, on); });
  };
  connect(chkDataTable, &QCheckBox::clicked, this, [&o](bool on) { o.OnDataTableClicked(on); });
  connect(chkShiki, &QCheckBox::clicked, this, [&o](bool on) { o.OnShikiClicked(on); });
  connect(chkDispHeniki, &QCheckBox::clicked, this, [&o](bool on) { o.OnDispHenikiClicked(on); });
  redraw(chkIntOnly, RedrawOption::IntOnly);
  redraw(chkMaruX, RedrawOption::MaruX);
  redraw(chkJikuColor, RedrawOption::JikuColor);
  connect(chkRanColor, &QCheckBox::clicked, this, [&o](bool on) { o.OnRanColorClicked(on); });
  connect(chkNidan, &QCheckBox::clicked, this, &TfrmMain::chkNidanClick);
  connect(chkHandle, &QCheckBox::clicked, this, [this, &o](bool on) {
    if (mnuHandle != nullptr) mnuHandle->setChecked(on);
    o.OnRedrawOptionClicked(RedrawOption::Handle, on);
  });
  connect(chkTensen, &QCheckBox::clicked, this, [this, &o](bool on) {
    if (mnuTensen != nullptr) mnuTensen->setChecked(on);
    o.OnTensenClicked(on);
  });
}

void TfrmMain::chkNidanClick() {
  if (mnuNidan != nullptr) mnuNidan->setChecked(chkNidan->isChecked());
  drgTable2->setVisible(chkNidan->isChecked());
  const ImageView* lower = chkNidan->isChecked() ? drgTable2 : drgTable;
  const int top = lower->y() + lower->height() + 5;
  lstShiki->setGeometry(lstShiki->x(), top, lstShiki->width(), grpShiki->y() - top - 8);
  editor_->Options().OnRedrawOptionClicked(RedrawOption::Nidan, chkNidan->isChecked());
}

void TfrmMain::btnHyoujunClick() {
  if (!chkShiki->isChecked()) return;
  btnHyoujun->setText(U("● 標準形"));
  btnIppan->setText(U("○ 一般形"));
  chkKeishiki->setChecked(true);
  editor_->Options().ChooseForm(EquationForm::Standard);
  grpShiki->setTitle(U("グラフの式（標準形）"));
}

void TfrmMain::btnIppanClick() {
  if (!chkShiki->isChecked()) return;
  btnIppan->setText(U("● 一般形"));
  btnHyoujun->setText(U("○ 標準形"));
  chkKeishiki->setChecked(false);
  editor_->Options().ChooseForm(EquationForm::General);
  grpShiki->setTitle(U("グラフの式（一般形）"));
}

void TfrmMain::btnLockedClick() {
  FuncLocked = !FuncLocked;
  btnLocked->setText(FuncLocked ? U("閉") : U("開"));
  const bool enabled = !FuncLocked;
  for (QMenu* m : {mnuFile, mnuEdit, mnuSettei, mnuRun, mnuDisplay}) {
    m->setEnabled(enabled);
    m->menuAction()->setEnabled(enabled);
  }
  for (QToolButton* b : {spdOverWrite, spdTest, spdRenshu, spdKiroku}) b->setEnabled(enabled);
  HistoryChanged();
}

void TfrmMain::HistoryChanged() {
  if (mnuUndo == nullptr) return;  // the menus are not made yet
  const Work& work = editor_->OpenWork();
  mnuUndo->setEnabled(!FuncLocked && work.CanUndo());
  mnuRedo->setEnabled(!FuncLocked && work.CanRedo());
}

void TfrmMain::HelpRequest(int32_t topic) { windows_.ShowHelp(topic); }

namespace {

// The first topic on the way from the object up through its parents.
std::optional<int32_t> TopicUpFrom(const QObject* object) {
  for (const QObject* o = object; o != nullptr; o = o->parent()) {
    const QVariant topic = o->property("helpTopic");
    if (topic.isValid()) return topic.toInt();
  }
  return std::nullopt;
}

}  // namespace

int32_t TfrmMain::HelpTopicFor(const QObject* receiver) const {
  // The item of an open menu names its topic first.
  if (const auto* menu = qobject_cast<const QMenu*>(QApplication::activePopupWidget())) {
    const QAction* item = menu->activeAction();
    if (auto topic = TopicUpFrom(item != nullptr ? static_cast<const QObject*>(item) : menu)) {
      return *topic;
    }
  }
  // A key reaches the top-level window (which names no topic) before the control that has the
  // focus: the topic is then the focused control's.
  const QWidget* target = qobject_cast<const QWidget*>(receiver);
  const QWidget* focus = QApplication::focusWidget();
  if (target == nullptr ||
      (target->isWindow() && focus != nullptr && target->isAncestorOf(focus))) {
    target = focus;
  }
  if (target == nullptr) target = QApplication::activeWindow();
  return TopicUpFrom(target).value_or(kHelpMainWindow);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lstShiki->viewport() &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)) {
    return ListPress(*static_cast<QMouseEvent*>(event));
  }
  // F1 shows the topic of the window, control or open menu it was pressed in.
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
    HelpRequest(HelpTopicFor(watched));
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

bool TfrmMain::ListPress(const QMouseEvent& mouse) {
  const QPoint at = mouse.position().toPoint();
  const int row = lstShiki->indexAt(at).row();
  if (mouse.button() == Qt::RightButton) {
    // Right press: the row under the pointer (none below the last row) and the pop-up menu.
    const QPoint menuAt = lstShiki->viewport()->mapToGlobal(at) + QPoint(10, 20);
    if (editor_->List().RightPress(row)) pumShiki->popup(menuAt);
    return true;
  }
  // Other buttons act on the row pressed, below the last row on the list's current row: redraw
  // and abandon a curve waiting for its domain. With Ctrl the panels are cleared and the list
  // adds or removes the row itself (its change redraws with the new selection); otherwise, Shift
  // included, the row becomes the only selected one.
  const int target = row >= 0 ? row : lstShiki->currentRow();
  if (target < 0 || target >= lstShiki->count()) return true;
  const bool ctrl = (mouse.modifiers() & Qt::ControlModifier) != 0;
  editor_->List().Press(ctrl);
  if (ctrl) return row < 0;
  lstShiki->setCurrentRow(target, QItemSelectionModel::NoUpdate);
  editor_->List().SelectOnlyRow(target);
  return true;
}
