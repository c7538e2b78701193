// The settings one coordinate plane is drawn from: the controls of one plane-settings window,
// with the values they hold before anything is stored or typed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Spacings (pixels per lattice unit) the plane accepts.
inline constexpr int32_t kMinSpacing = 4;
inline constexpr int32_t kMaxSpacing = 32;

struct PlaneSettings {
  // Texts as typed; sizes ≤ 0 stand for the largest plane, starts of magnitude 60 or more centre
  // the origin, ends cap the scale numbers.
  std::string edtSizeX = "-99";
  std::string edtSizeY = "-99";
  std::string edtStartX = "-99";
  std::string edtStartY = "-99";
  std::string edtEndX = "99";
  std::string edtEndY = "99";

  // Spacings kept from the spacing texts on every change; they may be out of range while the
  // user is typing.
  int32_t DX = 16;
  int32_t DY = 16;
  // The spacings of the last accepted settings; the plane falls back to these while DX or DY
  // lie outside kMinSpacing..kMaxSpacing.
  int32_t AcceptedDX = 16;
  int32_t AcceptedDY = 16;

  int32_t spnScaleNumberX = 5;  // every how many units a number is written; 0 none
  int32_t spnScaleNumberY = 5;
  int32_t spnFontSize = 12;
  int32_t spnYohaku = 1;  // kept and stored; the plane has no margin

  bool chkXY = true;      // axis letters
  bool chkMemori = true;  // scale numbers
  bool chkZahyou = true;  // grid, numbers and letters at all

  // Records DX and DY as the last accepted spacings when both lie in range; true if they did.
  bool AcceptSpacing();
};

// The whole number a text holds: optional blanks, an optional sign and decimal digits, fitting
// in 32 bits. Nothing for an empty text and anything else.
std::optional<int32_t> WholeNumberOf(const std::string& text);

// The same with 0 for a text that holds no whole number.
int32_t IntOfText(const std::string& text);

// The spacing to draw with: kept when it lies in range, else the accepted one, else 16.
int32_t DrawingSpacing(int32_t kept, int32_t accepted);
