// frmMain: the graph editor, the program's main window. It lays itself out from the screen
// size, owns the images the editor draws on and turns Qt events into calls on the Editor. The
// program's other windows are reached through the WindowHost it is given.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QToolButton>
#include <array>
#include <memory>

#include "editor/editor.h"
#include "editor/main_layout.h"
#include "platform/image_view.h"
#include "platform/qt_canvas.h"
#include "platform/qt_clipboard.h"
#include "platform/qt_hold_wait.h"
#include "render/plane_settings.h"

class QMenu;
class QMouseEvent;
class QPushButton;
class QSpinBox;
class QtPrompter;

class TfrmMain : public QMainWindow, public EditorView {
  Q_OBJECT

 public:
  // prompter: where messages and questions go; the window's own dialogs when null. windows:
  // the program's other windows. planeSettings: what the main plane is drawn from.
  TfrmMain(Prompter* prompter, WindowHost& windows, const PlaneSettings& planeSettings,
           QWidget* parent = nullptr);
  ~TfrmMain() override;

  Editor& editor() { return *editor_; }
  const MainLayout& layoutFigures() const { return layout_; }
  Prompter& prompter() { return *prompter_; }

  // EditorView
  void PlanePlaced(int32_t left, int32_t top, int32_t width, int32_t height) override;
  void ImagesChanged() override;
  void SetPlaneCursor(int32_t number) override;
  void ListChanged() override;
  void FileInfoChanged() override;
  void TextsChanged() override;
  void LineModeChanged() override;
  // 元に戻す and やり直し are offered only when there is a step to take and no lock.
  void HistoryChanged() override;

  // Controls, by the names the program gives them.
  QWidget* pnlMain = nullptr;
  ImageView* imgCood = nullptr;
  QListWidget* lstShiki = nullptr;
  ImageView* drgTable = nullptr;
  ImageView* drgTable2 = nullptr;
  QGroupBox* grpShiki = nullptr;
  QGroupBox* grpTeisuu = nullptr;
  QGroupBox* grpHenikiX = nullptr;
  QGroupBox* grpHenikiY = nullptr;
  QGroupBox* grpJiku = nullptr;
  QGroupBox* grpChouten = nullptr;
  QGroupBox* grpSettei = nullptr;
  ImageView* imgShiki = nullptr;
  ImageView* imgTeisuu = nullptr;
  ImageView* imgHenikiX = nullptr;
  ImageView* imgHenikiY = nullptr;
  ImageView* imgSample = nullptr;
  QLineEdit* edtCood = nullptr;
  QLineEdit* edtLineMode = nullptr;
  QLineEdit* edtHeniki = nullptr;
  QToolButton* spdAll = nullptr;
  QToolButton* spdCenter = nullptr;
  QToolButton* spdRight = nullptr;
  QToolButton* spdLeft = nullptr;
  QToolButton* spdSample = nullptr;
  QCheckBox* chkDataTable = nullptr;
  QCheckBox* chkShiki = nullptr;
  QCheckBox* chkDispHeniki = nullptr;
  QCheckBox* chkIntOnly = nullptr;
  QCheckBox* chkNidan = nullptr;
  QCheckBox* chkMaruX = nullptr;
  QCheckBox* chkJikuColor = nullptr;
  QCheckBox* chkRanColor = nullptr;
  QCheckBox* chkHandle = nullptr;
  QCheckBox* chkTensen = nullptr;
  QCheckBox* chkKeishiki = nullptr;  // hidden: holds the equation form
  QSpinBox* spnMaruRad = nullptr;    // hidden: radius of the end circles
  QToolButton* spdOpenFile = nullptr;
  QToolButton* spdOverWrite = nullptr;
  QToolButton* spdLineColor = nullptr;
  QToolButton* spdTeisei = nullptr;
  QToolButton* spdShoukyo = nullptr;
  QToolButton* spdTest = nullptr;
  QToolButton* spdRenshu = nullptr;
  QToolButton* spdKiroku = nullptr;
  QToolButton* btnLocked = nullptr;  // hidden: the function lock
  QPushButton* btnHyoujun = nullptr;
  QPushButton* btnIppan = nullptr;
  QPushButton* btnUp = nullptr;
  QPushButton* btnDown = nullptr;
  QPushButton* btnLeft = nullptr;
  QPushButton* btnRight = nullptr;
  QPushButton* btnSelectAll = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QMenu* mnuFile = nullptr;
  QMenu* mnuEdit = nullptr;
  QMenu* mnuSettei = nullptr;
  QMenu* mnuRun = nullptr;
  QMenu* mnuDisplay = nullptr;
  QMenu* mnuHelp = nullptr;
  QMenu* pumShiki = nullptr;
  QAction* mnuHandle = nullptr;
  QAction* mnuTensen = nullptr;
  QAction* mnuUndo = nullptr;
  QAction* mnuRedo = nullptr;
  QAction* mnuNidan = nullptr;
  bool FuncLocked = false;

  // Menu and tool-button handlers.
  void btnLockedClick();
  void btnHyoujunClick();
  void btnIppanClick();
  void chkNidanClick();
  void HelpRequest(int32_t topic);

  // The images behind the views.
  QtCanvas planeCanvas{576, 576};
  QtCanvas shikiCanvas{kImgShikiWidth, kImgShikiHeight};
  QtCanvas teisuuCanvas{kImgShikiWidth, kImgShikiHeight};
  QtCanvas henikiXCanvas{kImgHenikiWidth, kImgHenikiHeight};
  QtCanvas henikiYCanvas{kImgHenikiWidth, kImgHenikiHeight};
  QtCanvas sampleCanvas{40, 24};
  QtCanvas tableCanvas{367, 65};
  QtCanvas table2Canvas{367, 65};

 Q_SIGNALS:
  // The open work's shown title, file name and curve count changed.
  void FileInfoShown(const QString& title, const QString& fileName, int count);

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void FormCreate();
  void FitFrameToLayout();
  void FormShow();
  void CreateToolBar();
  void CreatePanels();
  void CreateOptions();
  void CreateMenus();
  void CreateCommandButtons();
  void ConnectOptions();
  void ConnectPlane();
  // The help topic of a key's receiver, the open menu's item or the focused control.
  int32_t HelpTopicFor(const QObject* receiver) const;
  // A press on the graph list's rows; true when the list is not to handle it itself.
  bool ListPress(const QMouseEvent& mouse);
  bool eventFilter(QObject* watched, QEvent* event) override;
  void PaintListRow(QPainter& painter, const QRect& rect, int row, bool selected);

  MainLayout layout_;
  std::unique_ptr<QtPrompter> ownPrompter_;
  Prompter* prompter_ = nullptr;
  WindowHost& windows_;
  QtHoldWait holdWait_;
  QtClipboard clipboard_;
  std::unique_ptr<TableGrid> tableGrid_;
  std::unique_ptr<TableGrid> tableGrid2_;
  std::unique_ptr<Editor> editor_;
  std::array<QCursor, 8> cursors_;
  bool shown_ = false;
  int toolBarEnd_ = 0;    // right edge of the tool bar's mode and inequality boxes
  QMargins fittedFrame_;  // the frame the window was last sized for
  bool inListUpdate_ = false;

  friend class ListRowDelegate;
};
