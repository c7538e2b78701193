#include "printing/print_session.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/core/fake_printer.h"
#include "support/core/recording_canvas.h"
#include "support/core/scripted_prompter.h"

namespace {

struct TargetCase {
  const char* name;
  PageSize page;
  int32_t picture;  // square
  PixelRect target;
};

class PageTarget : public ::testing::TestWithParam<TargetCase> {};

TEST_P(PageTarget, HoldsTheWholePictureAtTheLargestScaleThePageAllows) {
  const TargetCase& c = GetParam();
  EXPECT_EQ(PrintTarget(c.page, c.picture, c.picture), c.target);
}

INSTANTIATE_TEST_SUITE_P(
    PrintTarget, PageTarget,
    ::testing::Values(
        // 640 preview pixels at 32/7 printer pixels each would be 2925.7 wide on a page of 2892.
        TargetCase{"PortraitFitsTheWidth", {2892, 4090}, 640, {0, 0, 2892, 2892}},
        TargetCase{"A4At1200Dpi", {9583, 13699}, 640, {0, 0, 9583, 9583}},
        TargetCase{"LandscapeFitsTheHeight", {4090, 2892}, 640, {0, 0, 2892, 2892}},
        // A narrower picture keeps the reference scale: 600 × 32/7 = 2742.86.
        TargetCase{"NarrowPictureAtTheReferenceScale", {2892, 4090}, 600, {0, 0, 2743, 2743}},
        TargetCase{"NoPage", {0, 0}, 640, {0, 0, 0, 0}}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

enum class Step { Shown, Setup, Print };

struct SessionCase {
  const char* name;
  std::vector<Step> steps;
  std::deque<bool> answers;  // of the print dialogs
  int32_t copies;
  int32_t setups;  // dialogs shown
  size_t jobs;
};

class PrintButtons : public ::testing::TestWithParam<SessionCase> {};

TEST_P(PrintButtons, AskForThePrinterOncePerShowingAndPrintEachCopyAsAJob) {
  const SessionCase& c = GetParam();
  FakePrinter printer;
  printer.setupAnswers = c.answers;
  printer.copies = c.copies;
  ScriptedPrompter prompter;
  PrintSession session(printer, prompter);
  const RecordingCanvas preview(640, 640);
  for (Step step : c.steps) {
    if (step == Step::Shown) session.Shown();
    if (step == Step::Setup) session.PrintSetup();
    if (step == Step::Print) session.PrintClick(preview);
  }
  EXPECT_EQ(printer.setups, c.setups);
  EXPECT_EQ(printer.jobs.size(), c.jobs);
  EXPECT_TRUE(prompter.messages.empty());
}

using S = Step;
INSTANTIATE_TEST_SUITE_P(
    PrintSession, PrintButtons,
    ::testing::Values(
        SessionCase{"FirstPrintAsks", {S::Shown, S::Print, S::Print}, {}, 1, 1, 2},
        SessionCase{"SetUpBeforeDoesNotAskAgain", {S::Shown, S::Setup, S::Print}, {}, 1, 1, 1},
        SessionCase{"CancelPrintsNothingAndAsksAgain",
                    {S::Shown, S::Print, S::Print},
                    {false, true},
                    1,
                    2,
                    1},
        SessionCase{
            "CancelledSetupStillAsksAtPrint", {S::Shown, S::Setup, S::Print}, {false}, 1, 2, 1},
        SessionCase{"ShowingAgainAsksAgain", {S::Shown, S::Print, S::Shown, S::Print}, {}, 1, 2, 2},
        SessionCase{"ThreeCopiesAreThreeJobs", {S::Shown, S::Print}, {}, 3, 1, 3},
        SessionCase{"NoCopiesPrintNothing", {S::Shown, S::Print}, {}, 0, 1, 0}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST(PrintSession, JobsRunWhileBusyAndGoOnTheWholePage) {
  FakePrinter printer;
  printer.page = {2892, 4090};
  printer.copies = 2;
  ScriptedPrompter prompter;
  PrintSession session(printer, prompter);
  const RecordingCanvas preview(640, 640);
  session.PrintClick(preview);
  EXPECT_EQ(printer.events, (std::vector<std::string>{"busy", "job", "job", "idle"}));
  EXPECT_EQ(printer.jobs.front(), (PixelRect{0, 0, 2892, 2892}));
  EXPECT_EQ(printer.lastPicture, &preview);
}

TEST(PrintSession, AFailedJobStopsTheCopiesAndIsReportedAfterTheBusyEnds) {
  FakePrinter printer;
  printer.copies = 3;
  printer.failJobs = true;
  ScriptedPrompter prompter;
  PrintSession session(printer, prompter);
  session.PrintClick(RecordingCanvas(640, 640));
  EXPECT_EQ(printer.events, (std::vector<std::string>{"busy", "job", "idle"}));
  EXPECT_EQ(prompter.messages, std::vector<std::string>{"印刷できません"});
}

TEST(PrintSession, APageOfNoSizeIsReportedNotPrinted) {
  FakePrinter printer;
  printer.page = {0, 0};
  ScriptedPrompter prompter;
  PrintSession session(printer, prompter);
  session.PrintClick(RecordingCanvas(640, 640));
  EXPECT_TRUE(printer.jobs.empty());
  EXPECT_EQ(prompter.messages, std::vector<std::string>{"印刷できません"});
}

}  // namespace
