#include "model/editor_state.h"

int32_t CurColor(EditorState& state) {
  if (state.FixedColor != kAutoColor) return state.FixedColor;
  state.ColorIndex = ((state.ColorIndex % 16) + 16) % 16;
  return ColorTable[static_cast<std::size_t>(state.ColorIndex)];
}
