#include "render/domain_panels.h"

#include <string>

#include "model/cp932.h"
#include "model/domain_text.h"
#include "render/image_ops.h"
#include "render/math_text.h"

namespace {

// A whole curve's domain or range: the two open half-lines and, below, "all numbers but 0".
void DrawWhole(Canvas& image, const char* utf8, const EditorState& state) {
  static const std::string kNote = ToCp932("（０を除くすべての数）");
  DrawMathText(image, ToCp932(utf8), state);
  image.TextOut(kWholeNoteX, kWholeNoteY, kNote);
}

void DrawPanel(Canvas& image, int32_t mode, const char* wholeText, const std::string& text,
               const EditorState& state) {
  if (mode == kModeWhole) {
    DrawWhole(image, wholeText, state);
  } else if (mode >= kModeSegment && mode <= kModeLeft) {
    DrawMathText(image, text, state);
  } else {
    ClearImage(image, state.PanelBackColor, state.PanelTextColor);
  }
}

}  // namespace

void ShowHeniki(DomainPanels& panels, const TLineData& curve, const EditorState& state) {
  const DisplayOptions& options = state.Options;
  if (options.chkShiki) {
    DrawPanel(panels.imgHenikiX, curve.LMode, " x ＜ 0, 0 ＜ x", XDomainText(curve), state);
  }
  if (!options.chkDispHeniki) {
    ClearImage(panels.imgHenikiY, state.PanelBackColor, state.PanelTextColor);
    return;
  }
  DrawPanel(panels.imgHenikiY, curve.LMode, " y ＜ 0, 0 ＜ y", YRangeText(curve), state);
  DrawMathText(panels.imgTeisuu, std::to_string(Teisuu(curve)), state);
}
