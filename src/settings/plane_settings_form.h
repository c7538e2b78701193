// The coordinate-settings window without its widgets: what its edits, spins and check boxes
// hold, loading them from the settings store, and Test, OK, Cancel and the preset buttons. The
// plane is drawn from a PlaneSettings this form keeps up to date: it takes a typed text as soon
// as the text holds a usable number, so a half-typed entry never reaches the drawing.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "render/plane_settings.h"
#include "services/prompter.h"
#include "services/settings_store.h"

enum class CoodEdit { SizeX, SizeY, DX, DY, StartX, StartY, EndX, EndY };
enum class CoodSpin { ScaleNumberX, ScaleNumberY, FontSize, Yohaku };
enum class CoodCheck { XY, Memori, Zahyou, Keep };

inline constexpr int32_t kCoodEditCount = 8;
inline constexpr int32_t kCoodSpinCount = 4;
inline constexpr int32_t kCoodCheckCount = 4;

// What the window's controls hold. Texts are CP932, as typed.
struct CoodFields {
  std::array<std::string, kCoodEditCount> edits;
  std::array<int32_t, kCoodSpinCount> spins{};
  std::array<bool, kCoodCheckCount> checks{};

  const std::string& Text(CoodEdit e) const { return edits[static_cast<std::size_t>(e)]; }
  int32_t Value(CoodSpin s) const { return spins[static_cast<std::size_t>(s)]; }
  bool Checked(CoodCheck c) const { return checks[static_cast<std::size_t>(c)]; }
  friend bool operator==(const CoodFields&, const CoodFields&) = default;
};

// The limits of a spin box and the value it starts with.
struct SpinLimits {
  int32_t min;
  int32_t max;
  int32_t initial;
};
inline constexpr std::array<SpinLimits, kCoodSpinCount> kCoodSpinLimits = {
    {{0, 20, 5}, {0, 20, 5}, {8, 20, 12}, {0, 5, 1}}};

// A button that puts a value into an edit; all but the two end buttons then run Test.
struct CoodPreset {
  const char* name;     // the button's name
  const char* caption;  // UTF-8, as the button shows it
  CoodEdit edit;
  const char* value;
  bool test;
};
inline constexpr CoodPreset kCoodPresets[] = {
    {"btnMaxX", "384", CoodEdit::SizeX, "384", true},
    {"btnDaiX", "320", CoodEdit::SizeX, "320", true},
    {"btnChuX", "256", CoodEdit::SizeX, "256", true},
    {"btnShouX", "160", CoodEdit::SizeX, "160", true},
    {"BitBtn1", "無", CoodEdit::SizeX, "-99", true},
    {"btnMaxY", "384", CoodEdit::SizeY, "384", true},
    {"btnDaiY", "320", CoodEdit::SizeY, "320", true},
    {"btnChuY", "256", CoodEdit::SizeY, "256", true},
    {"btnShouY", "160", CoodEdit::SizeY, "160", true},
    {"btnScaleYN", "無", CoodEdit::SizeY, "-99", true},
    {"btnSCL", "16", CoodEdit::DX, "16", true},
    {"btnSCM", "8", CoodEdit::DX, "8", true},
    {"btnSCS", "4", CoodEdit::DX, "4", true},
    {"btnSYL", "16", CoodEdit::DY, "16", true},
    {"btnSYM", "8", CoodEdit::DY, "8", true},
    {"btnSYS", "4", CoodEdit::DY, "4", true},
    {"btnStartXn", "無", CoodEdit::StartX, "-99", true},
    {"btnStartXm2", "-2", CoodEdit::StartX, "-2", true},
    {"btnStartYn", "無", CoodEdit::StartY, "-99", true},
    {"btnStartYm2", "-2", CoodEdit::StartY, "-2", true},
    {"btnEndXNo", "無", CoodEdit::EndX, "99", false},
    {"btnEndYno", "無", CoodEdit::EndY, "99", false},
};

class PlaneSettingsForm {
 public:
  // settings: what the plane is drawn from, kept up to date by the form. maxCoodSize: the
  // largest plane the main window allows. redraw: redraws the plane (the main window's full
  // redraw); called by every Test that passes. Loads the stored settings.
  PlaneSettingsForm(PlaneSettings& settings, SettingsStore& store, Prompter& prompter,
                    int32_t maxCoodSize, std::function<void()> redraw);

  const CoodFields& Fields() const { return fields_; }
  bool CoodChanged() const { return coodChanged_; }
  int32_t MaxCoodSize() const { return maxCoodSize_; }

  // The window is shown: nothing has changed yet, and Cancel will come back to what it shows.
  void FormShow();

  // The user edits a control.
  void TextChanged(CoodEdit edit, const std::string& text);
  void SpinChanged(CoodSpin spin, int32_t value);
  // X,Yを付ける, 目盛を付ける and 座標を表示する run Test; この設定を保存する only records its
  // state.
  void CheckClick(CoodCheck check, bool checked);
  void PresetClick(const CoodPreset& preset);

  // Checks every entry and redraws the plane with them; false, with a message, when one of them
  // is refused. A refused size, start or end gets its text back from when the window was shown.
  bool Test();
  // OK: tests what has changed (everything, when it is to be kept), then stores the settings
  // if この設定を保存する is checked. True when the window may close, false when Test refused.
  bool Ok();
  // Cancel: the controls as they were when the window was shown (the spacings excepted), tested
  // and drawn again.
  void Cancel();

 private:
  void Load();
  std::string& Edit(CoodEdit e) { return fields_.edits[static_cast<std::size_t>(e)]; }
  void SetEdit(CoodEdit e, const std::string& text);
  void PutIntoSettings(CoodEdit e);
  void PutSpinsAndChecks();
  void RestoreEdit(CoodEdit e);
  bool SizeAllowed(int32_t size) const;
  void RefuseNotWhole(CoodEdit e);
  void Store();

  PlaneSettings& settings_;
  SettingsStore& store_;
  Prompter& prompter_;
  int32_t maxCoodSize_;
  std::function<void()> redraw_;
  CoodFields fields_;
  CoodFields snapshot_;  // CoodSnapshot
  bool coodChanged_ = false;
};
