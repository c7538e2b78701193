// The three dialogs a practice run answers the pupil with, as the run reaches them: what each
// is told before it is shown and the choice it hands back. The program implements them with its
// windows; tests script them.
#pragma once

#include <string>

// 正解: "次の問題", or "中止" (also the close box).
enum class SeikaiResult { Next, Cancel };

// 誤答: "訂正する", "正解を表示する", or "中止" (also the close box).
enum class AyamariResult { Retry, GiveUp, Cancel };

// 練習終わり: "もう一度やる", "間違った所を復習", or "終了" (also the close box).
enum class OwariResult { Retry, Review, End };

struct AyamariRequest {
  std::string message;  // CP932
  bool giveUpEnabled = true;
  friend bool operator==(const AyamariRequest&, const AyamariRequest&) = default;
};

// Which button of the end dialog has the focus first.
enum class OwariFocus { Retry, Review, End };

struct OwariRequest {
  std::string message;    // CP932
  bool allRight = false;  // the green dialog
  bool retryEnabled = true;
  bool reviewEnabled = true;
  OwariFocus focus = OwariFocus::Retry;
  bool showRecordButton = true;  // "記録を見る"; hidden in a test of the editor's curves
  friend bool operator==(const OwariRequest&, const OwariRequest&) = default;
};

class PracticeDialogs {
 public:
  virtual ~PracticeDialogs() = default;
  virtual SeikaiResult ShowSeikai() = 0;
  virtual AyamariResult ShowAyamari(const AyamariRequest& request) = 0;
  virtual OwariResult ShowOwari(const OwariRequest& request) = 0;
};
