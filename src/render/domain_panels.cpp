#include "render/domain_panels.h"

#include <string>

#include "model/domain_text.h"
#include "model/messages.h"
#include "render/image_ops.h"
#include "render/math_text.h"

namespace {

// A whole curve's domain or range: the two open half-lines and, below, "all numbers but 0".
void DrawWhole(Canvas& image, const std::string& text, const EditorState& state) {
  DrawMathText(image, text, state);
  image.TextOut(kWholeNoteX, kWholeNoteY, Msg().WholeNote);
}

void DrawPanel(Canvas& image, int32_t mode, const std::string& wholeText, const std::string& text,
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
    DrawPanel(panels.imgHenikiX, curve.LMode, Msg().WholeDomain, XDomainText(curve), state);
  }
  if (!options.chkDispHeniki) {
    ClearImage(panels.imgHenikiY, state.PanelBackColor, state.PanelTextColor);
    return;
  }
  DrawPanel(panels.imgHenikiY, curve.LMode, Msg().WholeRange, YRangeText(curve), state);
  DrawMathText(panels.imgTeisuu, std::to_string(Teisuu(curve)), state);
}
