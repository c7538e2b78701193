#include "settings/plane_settings_form.h"

#include <algorithm>
#include <utility>

#include "model/messages.h"

namespace {

constexpr int32_t kMinPlane = 160;

// The stored name and the text of each edit before anything is stored, in CoodEdit order.
struct EditKey {
  const char* key;
  const char* initial;
};
constexpr std::array<EditKey, kCoodEditCount> kEditKeys = {{{"SizeX", "-99"},
                                                            {"SizeY", "-99"},
                                                            {"ScaleX", "16"},
                                                            {"ScaleY", "16"},
                                                            {"StartX", "-99"},
                                                            {"StartY", "-99"},
                                                            {"EndX", "99"},
                                                            {"EndY", "99"}}};

const EditKey& KeyOf(CoodEdit e) { return kEditKeys[static_cast<std::size_t>(e)]; }

bool IsSize(CoodEdit e) { return e == CoodEdit::SizeX || e == CoodEdit::SizeY; }
bool IsSpacing(CoodEdit e) { return e == CoodEdit::DX || e == CoodEdit::DY; }
bool SpacingInRange(int32_t v) { return v >= kMinSpacing && v <= kMaxSpacing; }

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

bool InLimits(CoodSpin s, int32_t value) {
  const SpinLimits& limits = kCoodSpinLimits[static_cast<std::size_t>(s)];
  return value >= limits.min && value <= limits.max;
}

int32_t Initial(CoodSpin s) { return kCoodSpinLimits[static_cast<std::size_t>(s)].initial; }

constexpr CoodEdit kStartsAndEnds[] = {CoodEdit::StartX, CoodEdit::StartY, CoodEdit::EndX,
                                       CoodEdit::EndY};
constexpr CoodEdit kSnapshotEdits[] = {CoodEdit::SizeX,  CoodEdit::SizeY, CoodEdit::StartX,
                                       CoodEdit::StartY, CoodEdit::EndX,  CoodEdit::EndY};

}  // namespace

PlaneSettingsForm::PlaneSettingsForm(PlaneSettings& settings, SettingsStore& store,
                                     Prompter& prompter, int32_t maxCoodSize,
                                     std::function<void()> redraw)
    : settings_(settings),
      store_(store),
      prompter_(prompter),
      maxCoodSize_(maxCoodSize),
      redraw_(std::move(redraw)) {
  Load();
}

bool PlaneSettingsForm::SizeAllowed(int32_t size) const {
  return size <= 0 || (size >= kMinPlane && size <= maxCoodSize_);
}

void PlaneSettingsForm::Load() {
  for (int32_t s = 0; s < kCoodSpinCount; ++s) {
    fields_.spins[static_cast<std::size_t>(s)] = Initial(static_cast<CoodSpin>(s));
  }
  fields_.checks = {true, true, true, false};

  // A stored value this window could not have accepted (a size from a larger screen, say) reads
  // as the value of a first start.
  auto readEdit = [this](CoodEdit e) {
    const EditKey& k = KeyOf(e);
    std::string text = store_.ReadSettingStr(k.key, k.initial);
    const std::optional<int32_t> value = WholeNumberOf(text);
    const bool usable = value && (IsSize(e)      ? SizeAllowed(*value)
                                  : IsSpacing(e) ? SpacingInRange(*value)
                                                 : true);
    Edit(e) = usable ? std::move(text) : k.initial;
  };
  auto readSpin = [this](CoodSpin s, const char* key, int32_t initial) {
    const int32_t value = store_.ReadSettingInt(key, initial);
    fields_.spins[static_cast<std::size_t>(s)] = InLimits(s, value) ? value : Initial(s);
  };
  for (CoodEdit e : {CoodEdit::SizeX, CoodEdit::SizeY, CoodEdit::DX, CoodEdit::DY, CoodEdit::StartX,
                     CoodEdit::StartY}) {
    readEdit(e);
  }
  readSpin(CoodSpin::ScaleNumberX, "ScaleNumberX", 5);
  readSpin(CoodSpin::ScaleNumberY, "ScaleNumberY", 5);
  readEdit(CoodEdit::EndX);
  readEdit(CoodEdit::EndY);
  readSpin(CoodSpin::FontSize, "FontSizeV", 12);
  readSpin(CoodSpin::Yohaku, "YohakuV", 1);
  // OK keeps the font size and margin under their own names; what was kept there wins.
  if (store_.HasSetting("FontSize")) {
    readSpin(CoodSpin::FontSize, "FontSize", fields_.Value(CoodSpin::FontSize));
  }
  if (store_.HasSetting("Yohaku")) {
    readSpin(CoodSpin::Yohaku, "Yohaku", fields_.Value(CoodSpin::Yohaku));
  }
  for (const auto& [check, key] :
       {std::pair{CoodCheck::XY, "chkXY"}, std::pair{CoodCheck::Memori, "chkMemori"}}) {
    if (store_.HasSetting(key)) {
      fields_.checks[static_cast<std::size_t>(check)] = store_.ReadSettingInt(key, 1) != 0;
    }
  }

  for (int32_t e = 0; e < kCoodEditCount; ++e) PutIntoSettings(static_cast<CoodEdit>(e));
  settings_.AcceptSpacing();
  PutSpinsAndChecks();
  snapshot_ = fields_;
}

void PlaneSettingsForm::PutSpinsAndChecks() {
  settings_.spnScaleNumberX = fields_.Value(CoodSpin::ScaleNumberX);
  settings_.spnScaleNumberY = fields_.Value(CoodSpin::ScaleNumberY);
  settings_.spnFontSize = fields_.Value(CoodSpin::FontSize);
  settings_.spnYohaku = fields_.Value(CoodSpin::Yohaku);
  settings_.chkXY = fields_.Checked(CoodCheck::XY);
  settings_.chkMemori = fields_.Checked(CoodCheck::Memori);
  settings_.chkZahyou = fields_.Checked(CoodCheck::Zahyou);
}

// The plane takes a text once it holds a number it can be drawn with; until then it keeps the
// last one. Spacings go over as typed: the drawing itself keeps to the last accepted pair.
void PlaneSettingsForm::PutIntoSettings(CoodEdit e) {
  const std::string& text = fields_.Text(e);
  const std::optional<int32_t> value = WholeNumberOf(text);
  if (!value) return;
  switch (e) {
    case CoodEdit::SizeX:
      if (SizeAllowed(*value)) settings_.edtSizeX = text;
      break;
    case CoodEdit::SizeY:
      if (SizeAllowed(*value)) settings_.edtSizeY = text;
      break;
    case CoodEdit::DX:
      settings_.DX = *value;
      break;
    case CoodEdit::DY:
      settings_.DY = *value;
      break;
    case CoodEdit::StartX:
      settings_.edtStartX = text;
      break;
    case CoodEdit::StartY:
      settings_.edtStartY = text;
      break;
    case CoodEdit::EndX:
      settings_.edtEndX = text;
      break;
    case CoodEdit::EndY:
      settings_.edtEndY = text;
      break;
  }
}

void PlaneSettingsForm::SetEdit(CoodEdit e, const std::string& text) {
  Edit(e) = text;
  PutIntoSettings(e);
}

void PlaneSettingsForm::RestoreEdit(CoodEdit e) { SetEdit(e, snapshot_.Text(e)); }

void PlaneSettingsForm::FormShow() {
  coodChanged_ = false;
  snapshot_ = fields_;
}

void PlaneSettingsForm::TextChanged(CoodEdit edit, const std::string& text) {
  SetEdit(edit, text);
  coodChanged_ = true;
}

void PlaneSettingsForm::SpinChanged(CoodSpin spin, int32_t value) {
  const SpinLimits& limits = kCoodSpinLimits[static_cast<std::size_t>(spin)];
  fields_.spins[static_cast<std::size_t>(spin)] = std::clamp(value, limits.min, limits.max);
  PutSpinsAndChecks();
  coodChanged_ = true;
}

void PlaneSettingsForm::CheckClick(CoodCheck check, bool checked) {
  fields_.checks[static_cast<std::size_t>(check)] = checked;
  if (check == CoodCheck::Keep) return;
  PutSpinsAndChecks();
  Test();
}

void PlaneSettingsForm::PresetClick(const CoodPreset& preset) {
  TextChanged(preset.edit, preset.value);
  if (preset.test) Test();
}

void PlaneSettingsForm::RefuseNotWhole(CoodEdit e) {
  prompter_.Message(Msg().CoodFieldNames[static_cast<int>(e)] + Msg().NotWholeTail);
}

bool PlaneSettingsForm::Test() {
  for (CoodEdit e : {CoodEdit::SizeX, CoodEdit::SizeY}) {
    if (!WholeNumberOf(fields_.Text(e))) {
      RefuseNotWhole(e);
      RestoreEdit(e);
      return false;
    }
  }
  auto planeSize = [this](CoodEdit e) {
    const int32_t size = IntOfText(fields_.Text(e));
    return size <= 0 ? maxCoodSize_ : size;
  };
  const int32_t width = planeSize(CoodEdit::SizeX);
  const int32_t height = planeSize(CoodEdit::SizeY);
  if (width < kMinPlane || width > maxCoodSize_ || height < kMinPlane || height > maxCoodSize_) {
    prompter_.Message(Msg().SizeRangeHead + std::to_string(maxCoodSize_) + Msg().SizeRangeTail);
    RestoreEdit(CoodEdit::SizeX);
    RestoreEdit(CoodEdit::SizeY);
    return false;
  }

  // An empty spacing counts as 0, which the range check refuses.
  int32_t spacing[2] = {0, 0};
  for (CoodEdit e : {CoodEdit::DX, CoodEdit::DY}) {
    const std::string& text = fields_.Text(e);
    const std::optional<int32_t> value = WholeNumberOf(text);
    if (!value && !IsBlank(text)) {
      RefuseNotWhole(e);
      return false;
    }
    spacing[e == CoodEdit::DX ? 0 : 1] = value.value_or(0);
  }
  if (!SpacingInRange(spacing[0]) || !SpacingInRange(spacing[1])) {
    prompter_.Message(Msg().SpacingRange);
    return false;
  }

  for (CoodEdit e : kStartsAndEnds) {
    if (!WholeNumberOf(fields_.Text(e))) {
      RefuseNotWhole(e);
      RestoreEdit(e);
      return false;
    }
  }

  settings_.DX = spacing[0];
  settings_.DY = spacing[1];
  settings_.AcceptSpacing();
  if (redraw_) redraw_();
  coodChanged_ = false;
  return true;
}

bool PlaneSettingsForm::Ok() {
  // What is kept must have passed Test, even when nothing was changed since the window opened.
  const bool keep = fields_.Checked(CoodCheck::Keep);
  if ((coodChanged_ || keep) && !Test()) return false;
  if (keep) Store();
  return true;
}

void PlaneSettingsForm::Store() {
  auto text = [this](CoodEdit e) { return fields_.Text(e); };
  store_.WriteSettingStr("ScaleX", text(CoodEdit::DX));
  store_.WriteSettingStr("ScaleY", text(CoodEdit::DY));
  store_.WriteSettingBool("chkXY", fields_.Checked(CoodCheck::XY));
  store_.WriteSettingBool("chkMemori", fields_.Checked(CoodCheck::Memori));
  store_.WriteSettingInt("ScaleNumberX", fields_.Value(CoodSpin::ScaleNumberX));
  store_.WriteSettingInt("ScaleNumberY", fields_.Value(CoodSpin::ScaleNumberY));
  store_.WriteSettingStr("SizeX", text(CoodEdit::SizeX));
  store_.WriteSettingStr("SizeY", text(CoodEdit::SizeY));
  store_.WriteSettingStr("StartX", text(CoodEdit::StartX));
  store_.WriteSettingStr("StartY", text(CoodEdit::StartY));
  store_.WriteSettingStr("EndX", text(CoodEdit::EndX));
  store_.WriteSettingStr("EndY", text(CoodEdit::EndY));
  store_.WriteSettingInt("FontSize", fields_.Value(CoodSpin::FontSize));
  store_.WriteSettingInt("Yohaku", fields_.Value(CoodSpin::Yohaku));
  if (!store_.SaveSettings()) prompter_.Message(Msg().SettingsNotSaved);
}

void PlaneSettingsForm::Cancel() {
  for (CoodEdit e : kSnapshotEdits) SetEdit(e, snapshot_.Text(e));
  fields_.spins = snapshot_.spins;
  for (CoodCheck c : {CoodCheck::XY, CoodCheck::Memori, CoodCheck::Zahyou}) {
    fields_.checks[static_cast<std::size_t>(c)] = snapshot_.Checked(c);
  }
  PutSpinsAndChecks();
  Test();
}
