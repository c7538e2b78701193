// The program's other windows as the core and the main window reach them: shown by name, or
// shown modally with what they hand back. The program object that creates every window
// implements it; tests script it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/practice_set.h"

enum class ProgramWindow {
  LineKind,       // 線の種類 (modeless)
  PlaneSettings,  // 座標面の設定 (modeless)
  UnitContents,   // 単元の内容
  Records,        // 実行記録
  ClassRecords,   // クラスの記録
  Print,          // グラフの印刷
  About,          // ﾊﾞｰｼﾞｮﾝ情報
};

class WindowHost {
 public:
  virtual ~WindowHost() = default;
  virtual void Show(ProgramWindow window) = 0;
  // The unit-name dialog before a save under a new name, starting from the shown title: the
  // unit name confirmed (CP932), or nothing when cancelled. A host without the dialog answers
  // as if it was cancelled.
  virtual std::optional<std::string> AskUnitName(const std::string& /*shownTitle*/) {
    return std::nullopt;
  }
  // The open-by-unit window for editing: the chosen file's name in the unit library (as the
  // platform names it), or nothing when the window was not closed with OK.
  virtual std::optional<std::string> ChooseUnitForEditing() { return std::nullopt; }
  // The open-by-unit window for practice: the practice set read from the test file chosen, or
  // nothing when the window was not closed with OK.
  virtual std::optional<PracticeSet> ChooseUnitForPractice() = 0;
  // The practice window over a practice set, modally.
  virtual void ShowPractice(const PracticeSet& set) = 0;
  // The help window at a topic of the help file.
  virtual void ShowHelp(int32_t topic) = 0;
};
