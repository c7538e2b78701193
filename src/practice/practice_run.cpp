#include "practice/practice_run.h"

#include <cstdio>

#include "model/equation_text.h"
#include "model/messages.h"
#include "practice/answer_check.h"
#include "render/coordinate_plane.h"
#include "render/curve_plot.h"
#include "render/image_ops.h"
#include "render/math_text.h"
#include "storage/record_texts.h"

namespace {

// The right mark's pen and brush values carry a flag byte above the colour; only their low 24
// bits, 0x00BBGGRR, are the colour: a cyan pen and an all-but-white brush. Combined by not-xor,
// the brush leaves the answer readable and the pen rings it.
constexpr TColor kRightMarkPen = 0x7FFFFF00 & 0xFFFFFF;
constexpr TColor kRightMarkBrush = 0x7FFFFFFE & 0xFFFFFF;
constexpr int32_t kRightMarkPenWidth = 3;

// The wrong mark's place on the answer image, right of the answer's equation.
constexpr PixelRect kWrongMarkPlace{100, 0, 200, 100};
constexpr PixelRect kWrongMarkPicture{0, 0, 100, 100};
constexpr int32_t kArrowSize = 20;

}  // namespace

std::string TimeText(int32_t seconds) {
  return Pad2(seconds / 60) + Msg().MinuteMark + Pad2(seconds % 60) + Msg().SecondMark;
}

std::string QuestionCaption(int32_t number) {
  return "(" + std::to_string(number) + Msg().QuestionTail;
}

PracticeRun::PracticeRun(PracticeSurfaces surfaces, PracticeView& view, PracticeServices services)
    : surfaces_(surfaces),
      view_(view),
      services_{&services.dialogs, &services.prompter, &services.clock,
                std::move(services.recordRun)} {}

void PracticeRun::Open(const PracticeSet& set, const EditorState& editorState,
                       const PlaneSettings& settings2, const PlaneSettings& mainSettings) {
  set_ = set;
  state_ = editorState;
  // The practice plane draws answers, never a curve being dragged or previewed in the editor.
  state_.DragMode = 0;
  state_.PreviewWhole = false;
  settings2_ = settings2;
  mainSettings_ = mainSettings;
  missFlags_.assign(set_.curves.size(), false);
  runData_.clear();
  setIndex_.clear();
  lstRecord_.clear();
  lblMess_.clear();
  edtCood_.clear();
  reviewMode_ = false;
  running_ = false;
  closePending_ = false;
}

void PracticeRun::FormShow() {
  running_ = true;
  closePending_ = false;
  reviewMode_ = false;
  if (!Init(false)) {
    Close();
    return;
  }
  hintUsed_ = false;
}

bool PracticeRun::Init(bool review) {
  std::vector<TLineData> questions;
  std::vector<int32_t> indexes;
  for (std::size_t j = 0; j < set_.curves.size(); ++j) {
    if (review && !missFlags_[j]) continue;
    questions.push_back(set_.curves[j]);
    indexes.push_back(static_cast<int32_t>(j));
  }
  // A run of no questions could never end.
  if (questions.empty()) return false;

  totalSeconds_ = 0;
  qSeconds_ = 0;
  DrawPlane();
  answerShown_ = false;
  firstTryCount_ = 0;
  wrongCount_ = 0;
  qIndex_ = 0;
  marks_.clear();
  if (!review) missFlags_.assign(set_.curves.size(), false);
  runData_ = std::move(questions);
  setIndex_ = std::move(indexes);
  lstRecord_.clear();
  for (std::size_t k = 0; k < runData_.size(); ++k) {
    lstRecord_.push_back("(" + std::to_string(k + 1) + ")");
  }
  PoseQuestion();
  return true;
}

void PracticeRun::DrawPlane() {
  geometry_ = DrawCood2(surfaces_.imgCood, settings2_, mainSettings_, state_);
  view_.PlanePlaced(surfaces_.imgCood.Width(), surfaces_.imgCood.Height());
  view_.ImagesChanged();
}

void PracticeRun::ClearAnswerImages() {
  ClearImage(surfaces_.imgShiki, state_.PanelBackColor, state_.PanelTextColor);
  ClearImage(surfaces_.imgAns, state_.PanelBackColor, state_.PanelTextColor);
}

void PracticeRun::PoseQuestion() {
  ClearAnswerImages();
  lblMess_ = QuestionCaption(qIndex_ + 1);
  DrawMathText(surfaces_.imgShiki, runData_[static_cast<std::size_t>(qIndex_)].Shiki, state_);
  view_.ImagesChanged();
  view_.TextsChanged();
}

void PracticeRun::MouseDown(int32_t px, int32_t py) {
  if (!running_ || runData_.empty()) return;
  const TLineData& question = runData_[static_cast<std::size_t>(qIndex_)];
  TLineData answer = question;
  const LatticePoint point = geometry_.PixelToLattice(px, py);
  answer.X1 = point.x;
  answer.Y1 = point.y;
  answer.X2 = kOpenLeft;
  answer.Y2 = kOpenLeft;
  // The plane stays in copy mode, so every answer stays drawn until the next right answer.
  DrawLine(surfaces_.imgCood, geometry_, answer, false, state_);
  const EquationForm form = state_.Options.Form();
  const std::string answerText = EquationText(answer, form);
  DrawMathText(surfaces_.imgAns, answerText, state_);
  if (IsRightAnswer(question, answerText, form)) {
    RightAnswer();
  } else {
    WrongAnswer();
  }
  hintUsed_ = false;
  if (closePending_) Close();
}

void PracticeRun::RightAnswer() {
  const int32_t q = qIndex_;
  DrawRightMark();
  const std::string& mark = wrongCount_ > 0 ? Msg().MarkAfterMiss
                            : hintUsed_     ? Msg().MarkAfterHint
                                            : Msg().MarkFirstTry;
  marks_ += mark;
  lstRecord_[static_cast<std::size_t>(q)] += mark + " " + TimeText(qSeconds_);
  totalSeconds_ += qSeconds_;
  qSeconds_ = 0;
  view_.ImagesChanged();
  view_.TextsChanged();

  const SeikaiResult result = services_.dialogs->ShowSeikai();
  if (!running_) return;
  DrawPlane();
  answerShown_ = false;
  // 中止 closes the window, but only after this answer has been counted, and on the last
  // question after the run has been recorded and its end shown.
  if (result == SeikaiResult::Cancel) closePending_ = true;
  if (wrongCount_ == 0) {
    ++firstTryCount_;
    missFlags_[static_cast<std::size_t>(setIndex_[static_cast<std::size_t>(q)])] = false;
  }
  if (q == RunCount() - 1) {
    EndOfRun();
    return;
  }
  ++qIndex_;
  wrongCount_ = 0;
  PoseQuestion();
}

void PracticeRun::WrongAnswer() {
  const auto q = static_cast<std::size_t>(qIndex_);
  DrawWrongMark();
  missFlags_[static_cast<std::size_t>(setIndex_[q])] = true;
  view_.ImagesChanged();

  AyamariRequest request;
  request.message = answerShown_ ? Msg().AnswerIsShown : Msg().WrongAnswer;
  request.giveUpEnabled = !answerShown_;
  const AyamariResult result = services_.dialogs->ShowAyamari(request);
  if (!running_) return;
  switch (result) {
    case AyamariResult::GiveUp:
      if (!answerShown_) {
        // The answer in black, drawn thick once; it stays black for the rest of the run.
        TLineData& shown = runData_[q];
        shown.Color = kBlack;
        shown.LWidth = 2;
        DrawLine(surfaces_.imgCood, geometry_, shown, false, state_);
        shown.LWidth = 1;
        answerShown_ = true;
        view_.ImagesChanged();
      }
      ++wrongCount_;
      break;
    case AyamariResult::Retry:
      ++wrongCount_;
      break;
    case AyamariResult::Cancel:
      closePending_ = true;
      break;
  }
}

void PracticeRun::EndOfRun() {
  if (!set_.testMode && !reviewMode_ && !state_.OnCDROM && services_.recordRun) {
    const DateTime now = services_.clock->Now();
    const std::string value =
        DateText(now) + " " + ClockText(now) + " " + marks_ + " " + TimeText(totalSeconds_);
    services_.recordRun(state_.ProgDirPath, set_.unitName, value, *services_.prompter);
  }
  lstRecord_.push_back(Msg().RunRule);
  lstRecord_.push_back(Msg().RunTotalIndent + TimeText(totalSeconds_));
  view_.TextsChanged();

  OwariRequest request;
  const bool allFirstTry = firstTryCount_ == RunCount();
  request.reviewEnabled = !allFirstTry;
  request.showRecordButton = !set_.testMode;
  if (allFirstTry && !reviewMode_) {
    request.message = Msg().AllRight;
    request.allRight = true;
    request.focus = OwariFocus::End;
  } else if (reviewMode_) {
    request.message = Msg().ReviewDone;
  } else {
    request.message = Msg().RunDone;
    request.focus = OwariFocus::Review;
  }
  // The window closes after this dialog whatever is chosen, so it offers no other run.
  if (closePending_) {
    request.retryEnabled = false;
    request.reviewEnabled = false;
    request.focus = OwariFocus::End;
  }

  const OwariResult result = services_.dialogs->ShowOwari(request);
  if (!running_ || closePending_) return;
  bool started = false;
  if (result == OwariResult::Retry) {
    reviewMode_ = false;
    started = Init(false);
  } else if (result == OwariResult::Review && request.reviewEnabled) {
    reviewMode_ = true;
    started = Init(true);
  }
  if (!started) Close();
}

void PracticeRun::DrawRightMark() {
  Canvas& image = surfaces_.imgAns;
  const int32_t w = image.Width() / 2;
  const int32_t h = image.Height();
  image.SetPenMode(PenMode::NotXor);
  image.SetPenWidth(kRightMarkPenWidth);
  image.SetPenColor(kRightMarkPen);
  image.SetBrushColor(kRightMarkBrush);
  image.Ellipse(0, 0, w, h);
  image.Ellipse(w / 4, h / 4, 3 * w / 4, 3 * h / 4);
  // Later texts and fraction bars on this image are drawn plainly and thin.
  image.SetPenMode(PenMode::Copy);
  image.SetPenWidth(1);
}

void PracticeRun::DrawWrongMark() {
  surfaces_.imgAns.CopyRect(kWrongMarkPlace, surfaces_.imgBatsu, kWrongMarkPicture, CopyMode::Xor);
}

void PracticeRun::MouseMove(int32_t px, int32_t py) {
  if (!running_) return;
  const LatticePoint p = geometry_.PixelToLattice(px, py);
  char text[32];
  std::snprintf(text, sizeof text, " (%3d,%3d)", p.x, p.y);
  edtCood_ = text;
  view_.TextsChanged();
}

void PracticeRun::FormMouseMove() {
  if (edtCood_.empty()) return;
  edtCood_.clear();
  view_.TextsChanged();
}

void PracticeRun::Tick() {
  if (running_) ++qSeconds_;
}

void PracticeRun::HintClick() {
  if (!running_ || runData_.empty()) return;
  // The arrow picture holds the turned arrows beside and below the plain one when it is big
  // enough; a picture of one arrow is only ever copied as it stands.
  const Canvas& picture = surfaces_.imgArrow;
  const bool turnable = picture.Width() >= 2 * kArrowSize && picture.Height() >= 2 * kArrowSize;
  const HintArrow arrow = PlaceHintArrow(runData_[static_cast<std::size_t>(qIndex_)], geometry_,
                                         state_.Options.Form(), kArrowSize, turnable);
  surfaces_.imgCood.CopyRect(arrow.target, picture, arrow.from, CopyMode::Xor);
  hintUsed_ = true;
  view_.ImagesChanged();
}

void PracticeRun::Closed() { running_ = false; }

void PracticeRun::Close() {
  if (!running_) return;
  running_ = false;
  view_.CloseWindow();
}
