// A practice run driven the way its window drives it: clicks on a 384 × 384 plane with 16
// pixels a unit (origin at pixel (192, 192)), timer ticks, scripted dialog choices and a fixed
// clock, with recording canvases.
#include "practice/practice_run.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "model/cp932.h"
#include "model/equation_text.h"
#include "support/core/recording_canvas.h"
#include "support/core/scripted_prompter.h"

namespace {

class ScriptedDialogs : public PracticeDialogs {
 public:
  std::deque<SeikaiResult> seikai;
  std::deque<AyamariResult> ayamari;
  std::deque<OwariResult> owari;  // End when empty
  int32_t seikaiShown = 0;
  std::vector<AyamariRequest> ayamariShown;
  std::vector<OwariRequest> owariShown;
  std::function<void()> whileSeikai;  // runs while the dialog is open
  std::function<void()> whileOwari;

  SeikaiResult ShowSeikai() override {
    ++seikaiShown;
    if (whileSeikai) whileSeikai();
    return Next(seikai, SeikaiResult::Next);
  }
  AyamariResult ShowAyamari(const AyamariRequest& request) override {
    ayamariShown.push_back(request);
    return Next(ayamari, AyamariResult::Retry);
  }
  OwariResult ShowOwari(const OwariRequest& request) override {
    owariShown.push_back(request);
    if (whileOwari) whileOwari();
    return Next(owari, OwariResult::End);
  }

 private:
  template <typename T>
  static T Next(std::deque<T>& queue, T otherwise) {
    if (queue.empty()) return otherwise;
    const T result = queue.front();
    queue.pop_front();
    return result;
  }
};

class FixedClock : public Clock {
 public:
  DateTime now{2003, 6, 5, 9, 5, 41};
  DateTime Now() const override { return now; }
  int64_t TickMs() const override { return 0; }
};

class FakeView : public PracticeView {
 public:
  int32_t closed = 0;
  int32_t planeWidth = 0;
  int32_t planeHeight = 0;
  void PlanePlaced(int32_t width, int32_t height) override {
    planeWidth = width;
    planeHeight = height;
  }
  void ImagesChanged() override {}
  void TextsChanged() override {}
  void CloseWindow() override { ++closed; }
};

struct RecordCall {
  std::string folder;
  std::string section;
  std::string value;
};

TLineData Question(int32_t x1, int32_t y1) {
  TLineData line;
  line.LWidth = 1;
  line.Color = 0x0000FF;
  line.X1 = x1;
  line.Y1 = y1;
  line.X2 = kOpenLeft;
  line.Y2 = kOpenLeft;
  line.HenikiStart = kOpenLeft;
  line.HenikiEnd = kOpenRight;
  line.IncStart = line.IncEnd = true;
  line.Shiki = EquationText(line, EquationForm::Standard);
  return line;
}

std::string C(const char* utf8) { return ToCp932(utf8); }

class PracticeRunTest : public ::testing::Test {
 protected:
  PracticeRunTest()
      : run(PracticeSurfaces{plane, shiki, ans, arrow, batsu}, view,
            PracticeServices{dialogs, prompter, clock, Recorder()}) {
    state.MaxCoodSize = 384;
    state.ProgDirPath = "/school/mevrolin/";
    set.unitName = C("反比例のグラフ");
    set.curves = {Question(2, 3), Question(-3, 4), Question(1, 5)};
  }

  RecordWriter Recorder() {
    return [this](const std::string& folder, const std::string& section, const std::string& value,
                  Prompter&) {
      records.push_back({folder, section, value});
      return recordSucceeds;
    };
  }

  void Start() {
    run.Open(set, state, PlaneSettings{}, PlaneSettings{});
    run.FormShow();
  }

  static int32_t Px(int32_t x) { return 192 + 16 * x; }
  static int32_t Py(int32_t y) { return 192 - 16 * y; }
  void Click(int32_t x, int32_t y) { run.MouseDown(Px(x), Py(y)); }
  void Wait(int32_t seconds) {
    for (int32_t i = 0; i < seconds; ++i) run.Tick();
  }

  // One step of a pupil on the current question, with the dialog's choice:
  // R right (次の問題), C right (中止), W wrong (訂正する), G wrong (正解を表示する),
  // X wrong (中止), H the hint.
  void Play(const std::string& steps) {
    for (const char step : steps) {
      const TLineData& q = run.Question(run.QIndex());
      switch (step) {
        case 'R':
        case 'C':
          dialogs.seikai.push_back(step == 'R' ? SeikaiResult::Next : SeikaiResult::Cancel);
          Click(-q.X1, -q.Y1);  // the other branch answers as well
          break;
        case 'W':
        case 'G':
        case 'X':
          dialogs.ayamari.push_back(step == 'W'   ? AyamariResult::Retry
                                    : step == 'G' ? AyamariResult::GiveUp
                                                  : AyamariResult::Cancel);
          Click(1, 1);
          break;
        case 'H':
          run.HintClick();
          break;
      }
    }
  }

  RecordingCanvas plane{320, 320}, shiki{200, 65}, ans{200, 100}, arrow{20, 20}, batsu{100, 100};
  FakeView view;
  ScriptedDialogs dialogs;
  ScriptedPrompter prompter;
  FixedClock clock;
  std::vector<RecordCall> records;
  bool recordSucceeds = true;
  EditorState state;
  PracticeSet set;
  PracticeRun run;
};

TEST(PracticeTexts, TimeTextIsTwoDigitMinutesAndSeconds) {
  const std::pair<int32_t, const char*> cases[] = {
      {0, "00分00秒"}, {5, "00分05秒"}, {84, "01分24秒"}, {125, "02分05秒"}, {6000, "100分00秒"}};
  for (const auto& [seconds, text] : cases) EXPECT_EQ(FromCp932(TimeText(seconds)), text);
  EXPECT_EQ(FromCp932(QuestionCaption(12)), "(12)次の関数のグラフをかきなさい");
}

TEST_F(PracticeRunTest, TheFirstRunPosesEveryQuestionInOrderOnAFreshPlane) {
  Start();
  EXPECT_TRUE(run.Running());
  EXPECT_EQ(plane.ops.front(), "Resize 384,384");
  EXPECT_EQ(view.planeWidth, 384);
  EXPECT_EQ(run.RunCount(), 3);
  EXPECT_EQ(FromCp932(run.lblMess()), "(1)次の関数のグラフをかきなさい");
  EXPECT_EQ(run.lstRecord(), (std::vector<std::string>{"(1)", "(2)", "(3)"}));
  EXPECT_EQ(shiki.Ops("Fill").back(), "Fill 0,0,200,65 #808000");
  EXPECT_FALSE(shiki.Ops("Text").empty());
  Play("R");
  EXPECT_EQ(FromCp932(run.lblMess()), "(2)次の関数のグラフをかきなさい");
  EXPECT_EQ(run.Question(run.QIndex()).Shiki, "y = -12/x");
}

struct MarkCase {
  const char* name;
  const char* steps;
  const char* mark;
};

class MarkTest : public PracticeRunTest, public ::testing::WithParamInterface<MarkCase> {};

TEST_P(MarkTest, TheMarkTellsHowTheQuestionWasAnswered) {
  set.curves = {Question(2, 3)};
  Start();
  Play(GetParam().steps);
  EXPECT_EQ(FromCp932(run.Marks()), GetParam().mark);
  EXPECT_EQ(FromCp932(run.lstRecord()[0]), std::string("(1)") + GetParam().mark + " 00分00秒");
}

INSTANTIATE_TEST_SUITE_P(Answers, MarkTest,
                         ::testing::Values(MarkCase{"FirstTry", "R", "○"},
                                           MarkCase{"AfterTheHint", "HR", "△"},
                                           MarkCase{"HintPressedTwice", "HHR", "△"},
                                           MarkCase{"AfterAWrongAnswer", "WR", "×"},
                                           MarkCase{"HintThenWrong", "HWR", "×"},
                                           MarkCase{"WrongThenHint", "WHR", "×"},
                                           MarkCase{"AfterGivingUp", "GR", "×"},
                                           MarkCase{"AfterManyWrongAnswers", "WWWR", "×"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(PracticeRunTest, ARunIsTimedRecordedAndItsMissedQuestionReviewed) {
  std::vector<std::string> lines;
  dialogs.whileOwari = [&] { lines = run.lstRecord(); };
  dialogs.owari = {OwariResult::Review, OwariResult::End};
  Start();
  Wait(5);
  Play("R");
  Wait(30);
  Play("W");
  Wait(40);
  Play("R");
  Wait(9);
  Play("R");

  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].folder, "/school/mevrolin/");
  EXPECT_EQ(records[0].section, C("反比例のグラフ"));
  EXPECT_EQ(records[0].value, C("2003年06月05日 09:05 ○×○ 01分24秒"));
  std::vector<std::string> expected;
  for (const char* line :
       {"(1)○ 00分05秒", "(2)× 01分10秒", "(3)○ 00分09秒", "------------", "      01分24秒"}) {
    expected.push_back(C(line));
  }
  EXPECT_EQ(lines, expected);
  OwariRequest end;
  end.message = C("　　終了しました");
  end.focus = OwariFocus::Review;
  ASSERT_EQ(dialogs.owariShown.size(), 1u);
  EXPECT_EQ(dialogs.owariShown[0], end);

  // The review poses the second question alone, numbered (1).
  EXPECT_TRUE(run.ReviewMode());
  ASSERT_EQ(run.RunCount(), 1);
  EXPECT_EQ(run.SetIndexOf(0), 1);
  EXPECT_EQ(run.Question(0).Shiki, "y = -12/x");
  EXPECT_EQ(FromCp932(run.lblMess()), "(1)次の関数のグラフをかきなさい");
  EXPECT_EQ(run.lstRecord(), std::vector<std::string>{"(1)"});
  EXPECT_EQ(run.TotalSeconds(), 0);

  Play("R");
  EXPECT_EQ(records.size(), 1u);  // a review is not recorded
  ASSERT_EQ(dialogs.owariShown.size(), 2u);
  EXPECT_EQ(FromCp932(dialogs.owariShown[1].message), "　復習を終わりました");
  EXPECT_FALSE(dialogs.owariShown[1].reviewEnabled);
  EXPECT_FALSE(dialogs.owariShown[1].allRight);
  EXPECT_EQ(view.closed, 1);
}

TEST_F(PracticeRunTest, ReviewQuestionsKeepTheirPlaceInThePracticeSet) {
  dialogs.owari = {OwariResult::Review, OwariResult::Review, OwariResult::End};
  Start();
  Play(
      "WR"
      "R"
      "WR");  // the first and the third missed
  ASSERT_EQ(run.RunCount(), 2);
  EXPECT_EQ(run.SetIndexOf(0), 0);
  EXPECT_EQ(run.SetIndexOf(1), 2);
  Play(
      "R"
      "WR");  // in review: the first right, the third missed again
  EXPECT_FALSE(run.MissFlag(0));
  EXPECT_FALSE(run.MissFlag(1));
  EXPECT_TRUE(run.MissFlag(2));
  ASSERT_EQ(run.RunCount(), 1);
  EXPECT_EQ(run.SetIndexOf(0), 2);
  EXPECT_EQ(run.Question(0).Shiki, "y = 5/x");
  EXPECT_EQ(run.lstRecord(), std::vector<std::string>{"(1)"});
}

TEST_F(PracticeRunTest, ARetryClearsTheMissesAndPosesEveryQuestionAgain) {
  bool missedAtTheEnd = false;
  dialogs.whileOwari = [&] { missedAtTheEnd = run.MissFlag(0); };
  dialogs.owari = {OwariResult::Retry};
  Start();
  Play(
      "GR"
      "R"
      "R");
  EXPECT_TRUE(missedAtTheEnd);
  EXPECT_EQ(records.size(), 1u);
  ASSERT_EQ(dialogs.owariShown.size(), 1u);
  // The retry starts afresh: no misses, the shown answer's colour forgotten.
  EXPECT_FALSE(run.ReviewMode());
  EXPECT_FALSE(run.MissFlag(0));
  EXPECT_EQ(run.RunCount(), 3);
  EXPECT_EQ(run.Question(0).Color, 0x0000FF);
  EXPECT_EQ(run.Marks(), "");
  Play("RRR");
  EXPECT_EQ(records.size(), 2u);
  EXPECT_EQ(records[1].value, C("2003年06月05日 09:05 ○○○ 00分00秒"));
}

struct EndCase {
  const char* name;
  std::vector<OwariResult> choices;  // before the end dialog that is checked
  const char* steps;
  const char* message;
  bool allRight;
  bool reviewEnabled;
  OwariFocus focus;
};

class EndDialogTest : public PracticeRunTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(EndDialogTest, MessageColourAndFocusFollowTheRun) {
  const EndCase& c = GetParam();
  dialogs.owari.assign(c.choices.begin(), c.choices.end());
  set.curves = {Question(2, 3), Question(-3, 4)};
  Start();
  Play(c.steps);
  ASSERT_EQ(dialogs.owariShown.size(), c.choices.size() + 1);
  const OwariRequest& shown = dialogs.owariShown.back();
  EXPECT_EQ(FromCp932(shown.message), c.message);
  EXPECT_EQ(shown.allRight, c.allRight);
  EXPECT_EQ(shown.reviewEnabled, c.reviewEnabled);
  EXPECT_TRUE(shown.retryEnabled);
  EXPECT_EQ(shown.focus, c.focus);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, EndDialogTest,
    ::testing::Values(
        EndCase{
            "AllRightAtTheFirstTry", {}, "RR", "★★全問正解です★★", true, false, OwariFocus::End},
        // The hint marks △ but is no wrong attempt.
        EndCase{"AllRightWithTheHint", {}, "HRR", "★★全問正解です★★", true, false, OwariFocus::End},
        EndCase{"OneMissed", {}, "RWR", "　　終了しました", false, true, OwariFocus::Review},
        EndCase{"ReviewAllRight",
                {OwariResult::Review},
                "RWR"
                "R",
                "　復習を終わりました",
                false,
                false,
                OwariFocus::Retry},
        EndCase{"ReviewMissedAgain",
                {OwariResult::Review},
                "RWR"
                "WR",
                "　復習を終わりました",
                false,
                true,
                OwariFocus::Retry},
        EndCase{"RetryAllRight",
                {OwariResult::Retry},
                "RWR"
                "RR",
                "★★全問正解です★★",
                true,
                false,
                OwariFocus::End}),
    [](const auto& row) { return std::string(row.param.name); });

struct RecordCase {
  const char* name;
  bool testMode;
  bool onCdRom;
  size_t records;
  bool recordButton;
};

class RecordRuleTest : public PracticeRunTest, public ::testing::WithParamInterface<RecordCase> {};

TEST_P(RecordRuleTest, OnlyAPracticeOfATestFileOnAWritableFolderIsRecorded) {
  set.testMode = GetParam().testMode;
  state.OnCDROM = GetParam().onCdRom;
  Start();
  Play("RRR");
  EXPECT_EQ(records.size(), GetParam().records);
  ASSERT_EQ(dialogs.owariShown.size(), 1u);
  EXPECT_EQ(dialogs.owariShown[0].showRecordButton, GetParam().recordButton);
}

INSTANTIATE_TEST_SUITE_P(Openings, RecordRuleTest,
                         ::testing::Values(RecordCase{"Practice", false, false, 1, true},
                                           RecordCase{"TestOfTheEditorsCurves", true, false, 0,
                                                      false},
                                           RecordCase{"ReadOnlyMedium", false, true, 0, true}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(PracticeRunTest, AFailedRecordStillEndsTheRun) {
  recordSucceeds = false;
  Start();
  Play("RRR");
  EXPECT_EQ(records.size(), 1u);
  EXPECT_EQ(dialogs.owariShown.size(), 1u);
}

struct CancelCase {
  const char* name;
  const char* steps;
  size_t records;
  size_t endDialogs;
};

class CancelTest : public PracticeRunTest, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(CancelTest, CancelClosesTheWindowAfterTheAnswerIsHandled) {
  dialogs.owari = {OwariResult::Retry};  // ignored: the window is closing
  Start();
  Play(GetParam().steps);
  EXPECT_EQ(view.closed, 1);
  EXPECT_FALSE(run.Running());
  EXPECT_EQ(records.size(), GetParam().records);
  ASSERT_EQ(dialogs.owariShown.size(), GetParam().endDialogs);
  if (GetParam().endDialogs > 0) {
    const OwariRequest& shown = dialogs.owariShown[0];
    EXPECT_FALSE(shown.retryEnabled);
    EXPECT_FALSE(shown.reviewEnabled);
    EXPECT_EQ(shown.focus, OwariFocus::End);
    EXPECT_EQ(run.lstRecord().back(), C("      00分00秒"));
  }
}

INSTANTIATE_TEST_SUITE_P(Cancels, CancelTest,
                         ::testing::Values(CancelCase{"RightAnswerOfTheLastQuestion", "RRC", 1, 1},
                                           CancelCase{"RightAnswerBeforeTheLast", "RC", 0, 0},
                                           CancelCase{"WrongAnswer", "RX", 0, 0},
                                           CancelCase{"WrongAnswerOfTheLastQuestion", "RRX", 0, 0}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(PracticeRunTest, ClosingTheWindowAbandonsTheRun) {
  Start();
  Play("RR");
  run.Closed();
  Wait(3);
  EXPECT_EQ(run.QSeconds(), 0);
  Click(1, 5);
  run.HintClick();
  EXPECT_EQ(dialogs.seikaiShown, 2);
  EXPECT_TRUE(records.empty());
  EXPECT_EQ(view.closed, 0);  // the window closed itself
}

TEST_F(PracticeRunTest, TimeSpentInTheRightAnswerDialogCountsTowardsTheNextQuestion) {
  dialogs.whileSeikai = [this] { Wait(3); };
  Start();
  Wait(2);
  Play("RR");
  EXPECT_EQ(run.lstRecord()[0], C("(1)○ 00分02秒"));
  EXPECT_EQ(run.lstRecord()[1], C("(2)○ 00分03秒"));
  EXPECT_EQ(run.QSeconds(), 3);
  EXPECT_EQ(run.TotalSeconds(), 5);
}

TEST_F(PracticeRunTest, GivingUpDrawsTheAnswerBlackAndThickAndTheNextWrongAnswerSaysSo) {
  Start();
  plane.Clear();
  Play("G");
  bool thick = false;
  for (const auto& op : plane.Ops("LineTo")) thick = thick || op.find("#000000 w2") != op.npos;
  EXPECT_TRUE(thick);
  EXPECT_EQ(run.Question(0).Color, 0);
  EXPECT_EQ(run.Question(0).LWidth, 1);
  EXPECT_TRUE(run.AnswerShown());
  Play("W");
  ASSERT_EQ(dialogs.ayamariShown.size(), 2u);
  EXPECT_EQ(dialogs.ayamariShown[0], (AyamariRequest{C("誤りです。訂正してください"), true}));
  EXPECT_EQ(dialogs.ayamariShown[1], (AyamariRequest{C("正解を表示しています"), false}));
  EXPECT_EQ(run.WrongCount(), 2);
  Play("R");
  EXPECT_FALSE(run.AnswerShown());
  Play("W");
  EXPECT_EQ(dialogs.ayamariShown.back().message, C("誤りです。訂正してください"));
}

TEST_F(PracticeRunTest, TheMarksAreDrawnOnTheAnswerImage) {
  std::vector<std::string> ansOps;
  PenMode modeAfter = PenMode::NotXor;
  int32_t widthAfter = 0;
  dialogs.whileSeikai = [&] {
    ansOps = ans.ops;
    modeAfter = ans.GetPenMode();
    widthAfter = ans.penWidth();
  };
  Start();
  ans.Clear();
  Play("W");
  EXPECT_EQ(ans.Ops("Copy"), std::vector<std::string>{"Copy 100,0,200,100 from 0,0,100,100 xor"});
  ans.Clear();
  Play("R");
  std::vector<std::string> ellipses;
  for (const auto& op : ansOps) {
    if (op.rfind("Ellipse", 0) == 0) ellipses.push_back(op);
  }
  EXPECT_EQ(ellipses,
            (std::vector<std::string>{"Ellipse 0,0,100,100 pen #FFFF00 w3 notxor brush #FFFFFE",
                                      "Ellipse 25,25,75,75 pen #FFFF00 w3 notxor brush #FFFFFE"}));
  EXPECT_EQ(modeAfter, PenMode::Copy);
  EXPECT_EQ(widthAfter, 1);
}

TEST_F(PracticeRunTest, TheHintArrowGoesToTheQuestionsPointAndASecondPressTakesItAway) {
  Start();
  plane.Clear();
  run.HintClick();
  run.HintClick();
  EXPECT_TRUE(run.HintUsed());
  EXPECT_EQ(plane.Ops("Copy"),
            std::vector<std::string>(2, "Copy 224,144,244,164 from 0,0,20,20 xor"));
}

TEST_F(PracticeRunTest, AnswersAreMarkedInTheFormTheEditorShows) {
  state.Options.chkKeishiki = false;
  Start();
  Click(-2, -3);
  EXPECT_EQ(dialogs.seikaiShown, 1);
  EXPECT_EQ(FromCp932(run.Marks()), "○");
}

TEST_F(PracticeRunTest, ThePointerReadOutShowsTheLatticePoint) {
  Start();
  run.MouseMove(Px(2) + 3, Py(-3) - 5);
  EXPECT_EQ(run.edtCood(), " (  2, -3)");
  run.MouseMove(Px(-12), Py(12));
  EXPECT_EQ(run.edtCood(), " (-12, 12)");
  run.FormMouseMove();
  EXPECT_EQ(run.edtCood(), "");
}

TEST_F(PracticeRunTest, ASetWithoutQuestionsClosesTheWindowAtOnce) {
  set.curves.clear();
  Start();
  EXPECT_EQ(view.closed, 1);
  EXPECT_FALSE(run.Running());
  Click(2, 3);
  EXPECT_EQ(dialogs.ayamariShown.size() + static_cast<size_t>(dialogs.seikaiShown), 0u);
}

}  // namespace
