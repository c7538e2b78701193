// frmRenshu: the practice and test window. It shows the practice plane, the question, the
// answer with its mark and the record of the run, and turns clicks, pointer moves, its buttons
// and its one-second timer into calls on the practice run it owns. Its dialogs are reached
// through PracticeDialogs.
#pragma once

#include <QDialog>
#include <memory>

#include "platform/image_view.h"
#include "platform/qt_canvas.h"
#include "practice/practice_run.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

class TfrmRenshu : public QDialog, public PracticeView {
  Q_OBJECT

 public:
  TfrmRenshu(QWidget* parent, PracticeDialogs& dialogs, Prompter& prompter, const Clock& clock);
  ~TfrmRenshu() override;

  // An opening over the practice set, with a copy of the editor's state as it is now and the
  // settings of the practice plane and of the main plane; show the window with exec() next.
  void Open(const PracticeSet& set, const EditorState& editorState, const PlaneSettings& settings2,
            const PlaneSettings& mainSettings);
  void UseRecordWriter(RecordWriter writer) { run_->UseRecordWriter(std::move(writer)); }
  void UseClock(const Clock& clock) { run_->UseClock(clock); }
  PracticeRun& run() { return *run_; }

  // The bottom edge of lstRecord on the screen: the result dialogs are placed below it.
  int32_t RecordListBottom() const;

  // PracticeView
  void PlanePlaced(int32_t width, int32_t height) override;
  void ImagesChanged() override;
  void TextsChanged() override;
  void CloseWindow() override;

  // Handlers.
  void timSecondTimer();
  void btnEndClick();
  void Button1Click();
  void btnTeiseiClick();

  // Controls, by the names the program gives them.
  QLabel* lblMess = nullptr;
  ImageView* imgCood = nullptr;
  ImageView* imgShiki = nullptr;
  ImageView* imgAns = nullptr;
  QListWidget* lstRecord = nullptr;
  QLineEdit* edtCood = nullptr;
  QPushButton* btnEnd = nullptr;
  QPushButton* Button1 = nullptr;  // ヒント
  QPushButton* btnTeisei = nullptr;
  QTimer* timSecond = nullptr;

  // The images behind the views, and the two pictures combined onto them.
  QtCanvas planeCanvas{320, 320};
  QtCanvas shikiCanvas{200, 65};
  QtCanvas ansCanvas{200, 100};
  QtCanvas imgArrow{40, 40};
  QtCanvas imgBatsu{100, 100};

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  std::unique_ptr<PracticeRun> run_;
};
