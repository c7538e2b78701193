// The panels of the selected curve's x domain, y range and proportionality constant.
#pragma once

#include "model/editor_state.h"
#include "model/line_data.h"
#include "render/canvas.h"

struct DomainPanels {
  Canvas& imgHenikiX;
  Canvas& imgHenikiY;
  Canvas& imgTeisuu;
};

// Where the note under a whole curve's domain goes, and the note itself.
inline constexpr int32_t kWholeNoteX = 1;
inline constexpr int32_t kWholeNoteY = 48;

// The x domain while chkShiki is checked (otherwise that panel keeps its picture); the y range
// and the constant while chkDispHeniki is checked, the y panel being cleared in any case.
void ShowHeniki(DomainPanels& panels, const TLineData& curve, const EditorState& state);
