// The practice window without its window: one opening over a practice set, run after run. It
// poses the questions one by one, checks each click, marks and times the answers, shows the
// hint, replays missed questions for review and records each finished practice run. The window
// turns its events into calls and shows what it is told; tests drive it with a scripted clock
// and scripted dialogs.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/editor_state.h"
#include "model/line_data.h"
#include "model/practice_set.h"
#include "practice/practice_dialogs.h"
#include "render/canvas.h"
#include "render/plane_geometry.h"
#include "render/plane_settings.h"
#include "services/clock.h"
#include "services/prompter.h"

// The images the run draws on, owned by the window, and its two pictures.
struct PracticeSurfaces {
  Canvas& imgCood;   // the plane the pupil answers on
  Canvas& imgShiki;  // the question's equation
  Canvas& imgAns;    // the answer's equation and its mark
  // The hint arrow, 20 × 20 with its tip at the top left; 40 × 40 with the arrow turned three
  // more ways beside and below it (tips at the top right, bottom left, bottom right).
  const Canvas& imgArrow;
  const Canvas& imgBatsu;  // the wrong mark, 100 × 100
};

// What the run tells its window.
class PracticeView {
 public:
  virtual ~PracticeView() = default;
  // The plane image was drawn with this size.
  virtual void PlanePlaced(int32_t width, int32_t height) = 0;
  // Images were drawn on; show them.
  virtual void ImagesChanged() = 0;
  // The question caption, the record lines or the pointer read-out changed.
  virtual void TextsChanged() = 0;
  // The window is to close once the event in hand is handled.
  virtual void CloseWindow() = 0;
};

// Writes one record of a finished run: the program folder as the platform names it, the
// unit's section and the record's value (CP932). On failure it tells the user and returns false.
using RecordWriter = std::function<bool(const std::string& progDirPath, const std::string& section,
                                        const std::string& value, Prompter& prompter)>;

struct PracticeServices {
  PracticeDialogs& dialogs;
  Prompter& prompter;
  const Clock& clock;
  RecordWriter recordRun;  // nothing is recorded while empty
};

// "02分05秒" (CP932) for 125 seconds.
std::string TimeText(int32_t seconds);

// "(3)次の関数のグラフをかきなさい" (CP932) for the question numbered 3.
std::string QuestionCaption(int32_t number);

class PracticeRun {
 public:
  PracticeRun(PracticeSurfaces surfaces, PracticeView& view, PracticeServices services);
  PracticeRun(const PracticeRun&) = delete;
  PracticeRun& operator=(const PracticeRun&) = delete;

  void UseClock(const Clock& clock) { services_.clock = &clock; }
  void UseRecordWriter(RecordWriter writer) { services_.recordRun = std::move(writer); }

  // A new opening of the window: the questions, a copy of the editor's state as it is now
  // (options, panel colours, equation form, program folder) and the settings of the practice
  // plane and of the main plane (its size and axis letters).
  void Open(const PracticeSet& set, const EditorState& editorState, const PlaneSettings& settings2,
            const PlaneSettings& mainSettings);

  // The window is shown: the first run. With no question to pose the window is closed instead.
  void FormShow();
  // A press of any button on the plane: one answer.
  void MouseDown(int32_t px, int32_t py);
  // The pointer over the plane, and over the window outside it.
  void MouseMove(int32_t px, int32_t py);
  void FormMouseMove();
  // One second of the window's timer.
  void Tick();
  // "ヒント": the arrow at the question's point, combined by exclusive-or.
  void HintClick();
  // The window closed (終了, 中止 or its close box): the run is abandoned unrecorded.
  void Closed();

  // What the window shows (CP932).
  const std::string& lblMess() const { return lblMess_; }
  const std::vector<std::string>& lstRecord() const { return lstRecord_; }
  const std::string& edtCood() const { return edtCood_; }
  const std::string& UnitName() const { return set_.unitName; }

  // The run's state, as the window and tests read it.
  bool Running() const { return running_; }
  bool ReviewMode() const { return reviewMode_; }
  int32_t RunCount() const { return static_cast<int32_t>(runData_.size()); }
  int32_t QIndex() const { return qIndex_; }
  const TLineData& Question(int32_t q) const { return runData_[static_cast<std::size_t>(q)]; }
  // The practice-set index of question q of the run.
  int32_t SetIndexOf(int32_t q) const { return setIndex_[static_cast<std::size_t>(q)]; }
  bool MissFlag(int32_t setIndex) const { return missFlags_[static_cast<std::size_t>(setIndex)]; }
  const std::string& Marks() const { return marks_; }
  int32_t QSeconds() const { return qSeconds_; }
  int32_t TotalSeconds() const { return totalSeconds_; }
  int32_t FirstTryCount() const { return firstTryCount_; }
  int32_t WrongCount() const { return wrongCount_; }
  bool HintUsed() const { return hintUsed_; }
  bool AnswerShown() const { return answerShown_; }
  const PlaneGeometry& Geometry() const { return geometry_; }

 private:
  // Starts a run over the practice set or over its missed questions; false when that leaves
  // no question.
  bool Init(bool review);
  void DrawPlane();
  void ClearAnswerImages();
  void PoseQuestion();
  void RightAnswer();
  void WrongAnswer();
  void EndOfRun();
  void DrawRightMark();
  void DrawWrongMark();
  void Close();

  PracticeSurfaces surfaces_;
  PracticeView& view_;
  struct Services {
    PracticeDialogs* dialogs;
    Prompter* prompter;
    const Clock* clock;
    RecordWriter recordRun;
  } services_;

  PracticeSet set_;
  EditorState state_;
  PlaneSettings settings2_;
  PlaneSettings mainSettings_;
  PlaneGeometry geometry_{};

  // The questions of the current run, each with its index in the practice set.
  std::vector<TLineData> runData_;
  std::vector<int32_t> setIndex_;
  // Per question of the practice set: answered wrongly in the run that last posed it.
  std::vector<bool> missFlags_;
  int32_t qIndex_ = 0;
  std::string marks_;
  int32_t qSeconds_ = 0;
  int32_t totalSeconds_ = 0;
  int32_t firstTryCount_ = 0;
  int32_t wrongCount_ = 0;
  bool hintUsed_ = false;
  bool answerShown_ = false;
  bool reviewMode_ = false;

  bool running_ = false;       // between FormShow and the window's closing
  bool closePending_ = false;  // 中止 was chosen; the window closes when the click is handled

  std::string lblMess_;
  std::vector<std::string> lstRecord_;
  std::string edtCood_;
};
