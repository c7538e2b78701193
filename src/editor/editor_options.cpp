#include "editor/editor_options.h"

#include <algorithm>

#include "model/messages.h"
#include "render/line_sample.h"

EditorOptions::EditorOptions(EditorState& state, Work& work, EditorDisplay& display,
                             EditorView& view, ToolBarTexts& texts)
    : state_(state), work_(work), display_(display), view_(view), texts_(texts) {}

void EditorOptions::SetLineMode(int32_t mode) {
  state_.LineMode = mode;
  texts_.edtLineMode = Msg().ModeWords[std::clamp(mode, 0, 3)];
  if (mode == kModeWhole) {
    state_.SenbunKind = 0;
    state_.HanchokusenKind = 0;
  }
  // Choosing 右側 gives up a curve still waiting for its domain; its preview goes with it.
  const bool abandoned = mode == kModeRight && state_.DrawState != 0;
  if (mode == kModeRight) AbandonPendingCurve(state_);
  if (abandoned) display_.DispAllLine();
  display_.ReportSample(ShowIneqSigns(state_, texts_.edtHeniki, display_.Surfaces().imgSample));
  view_.TextsChanged();
  view_.LineModeChanged();
  display_.Show();
}

void EditorOptions::SetLineKind(const LineKind& kind) {
  state_.LineWidth = kind.LineWidth;
  state_.SenbunKind = kind.SenbunKind;
  state_.HanchokusenKind = kind.HanchokusenKind;
  SetLineMode(kind.LineMode);
  display_.DispAllLine();
}

void EditorOptions::SampleButtonClick() {
  if (state_.LineMode == kModeSegment) {
    state_.SenbunKind = (state_.SenbunKind + 1) % 4;
  } else if (state_.LineMode == kModeRight || state_.LineMode == kModeLeft) {
    state_.HanchokusenKind = state_.HanchokusenKind == 0 ? 1 : 0;
  }
  display_.ReportSample(ShowIneqSigns(state_, texts_.edtHeniki, display_.Surfaces().imgSample));
  view_.TextsChanged();
  display_.Show();
}

void EditorOptions::SampleImageClick() {
  if (state_.FixedColor != kAutoColor) return;
  ++state_.ColorIndex;
  display_.RefreshSample();
  display_.Show();
}

void EditorOptions::OnDataTableClicked(bool checked) {
  state_.Options.chkDataTable = checked;
  if (checked) {
    display_.FillTable(work_.FirstSelected());
    display_.Show();
  } else {
    display_.ClearTable();
  }
}

void EditorOptions::OnShikiClicked(bool checked) {
  state_.Options.chkShiki = checked;
  if (checked) {
    const int32_t k = work_.FirstSelected();
    if (k >= 0) {
      display_.ShowEquation(k);
      display_.ShowDomainPanels(k);
    }
  } else {
    display_.ClearPanel(display_.Surfaces().imgShiki);
    display_.ClearPanel(display_.Surfaces().imgHenikiX);
  }
  view_.ListChanged();
  display_.Show();
}

void EditorOptions::OnDispHenikiClicked(bool checked) {
  state_.Options.chkDispHeniki = checked;
  display_.ClearPanel(display_.Surfaces().imgHenikiY);
  const int32_t k = work_.FirstSelected();
  if (checked && k >= 0) {
    display_.ShowDomainPanels(k);
    display_.RefreshHeniki(k);
  }
  display_.Show();
}

void EditorOptions::OnRanColorClicked(bool checked) {
  state_.Options.chkRanColor = checked;
  state_.PanelBackColor = checked ? 0x808000 : 0xFFFFFF;
  state_.PanelTextColor = checked ? 0xFFFFFF : 0x000000;
  display_.ClearPanels();
  display_.RefreshPanels();
}

void EditorOptions::OnTensenClicked(bool checked) {
  state_.Options.chkTensen = checked;
  state_.TensenFlag = checked;
  display_.DispAllLine();
}

void EditorOptions::OnRedrawOptionClicked(RedrawOption option, bool checked) {
  DisplayOptions& o = state_.Options;
  switch (option) {
    case RedrawOption::IntOnly:
      o.chkIntOnly = checked;
      break;
    case RedrawOption::MaruX:
      o.chkMaruX = checked;
      break;
    case RedrawOption::JikuColor:
      o.chkJikuColor = checked;
      break;
    case RedrawOption::Handle:
      o.chkHandle = checked;
      break;
    case RedrawOption::Nidan:
      o.chkNidan = checked;
      break;
  }
  display_.DispAllLine();
}

void EditorOptions::OnMaruRadChanged(int32_t radius) {
  spnMaruRad_ = std::clamp(radius, 0, 8);
  state_.MaruRadius = spnMaruRad_;
  display_.DispAllLine();
  display_.RefreshSample();
  display_.Show();
}

bool EditorOptions::ChooseForm(EquationForm form) {
  if (!state_.Options.chkShiki) return false;
  state_.Options.chkKeishiki = form == EquationForm::Standard;
  SwitchForm();
  return true;
}

void EditorOptions::SwitchForm() {
  if (work_.Empty()) return;
  work_.SetEquationForm(state_.Options.Form());
  int32_t k = work_.LastSelected();
  if (k < 0) k = work_.FirstSelected();
  work_.SetSelected(k, true);
  display_.ShowEquation(k);
  view_.ListChanged();
  display_.Show();
}
