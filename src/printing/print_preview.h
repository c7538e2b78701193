// The page the print window shows and prints: the main plane scaled and placed with margins, a
// header line with the file name, date and time at the top, and the title centred under the
// plane. Composed on a Canvas, so the window, the printer and the tests share one drawing.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "render/canvas.h"
#include "services/clock.h"

// The preview picture is this many pixels square.
inline constexpr int32_t kPreviewSize = 640;

// The spins of the print window: margins in preview pixels and the plane's scale.
struct PreviewLayout {
  int32_t left = 50;      // 左余白, 0..200
  int32_t top = 50;       // 上余白, 0..200
  int32_t percent = 100;  // サイズ（％）, 50..100
  friend bool operator==(const PreviewLayout&, const PreviewLayout&) = default;
};

// How far the spins may go for a plane of this size, given the other spins' values. The ranges
// are 0..200, 0..200 and 50..100, narrowed so that the plane and the title's line stay inside
// the preview, and widened to take in the values the layout already has.
struct PreviewLimits {
  int32_t maxLeft = 200;
  int32_t maxTop = 200;
  int32_t minPercent = 50;
  int32_t maxPercent = 100;
  friend bool operator==(const PreviewLimits&, const PreviewLimits&) = default;
};

// The header line: the file name, two blanks, the date as 2003.06.05, two blanks, the time as
// 09:05 (CP932).
std::string PrintHeaderText(const std::string& fileName, const DateTime& now);

// Where the plane goes in the preview: from (left, top), its size scaled by the percentage and
// rounded to the nearest pixel, halves to even.
PixelRect PlaneTarget(int32_t planeWidth, int32_t planeHeight, const PreviewLayout& layout);

// The title's left edge: centred under the plane by its length in bytes, each byte taken as half
// the point size wide; never left of the preview.
int32_t TitleLeft(const PixelRect& target, int32_t titleBytes, int32_t fontSize);

// Pixels below the plane that the title needs: its gap of 15 and a line of text.
int32_t TitleRoom(int32_t fontSize);

// Whether the plane and the title's line lie wholly inside the preview.
bool PreviewFits(int32_t planeWidth, int32_t planeHeight, const PreviewLayout& layout,
                 int32_t fontSize);

// The layout the window starts with: the spins as they were, but with the scale lowered in steps
// of ten (below 50 % if the plane is that large) until the plane and the title fit, and the
// margins narrowed only when even 10 % does not fit.
PreviewLayout FitPreview(int32_t planeWidth, int32_t planeHeight, const PreviewLayout& layout,
                         int32_t fontSize);

PreviewLimits LimitsFor(int32_t planeWidth, int32_t planeHeight, const PreviewLayout& layout,
                        int32_t fontSize);

// Composes the preview: white, the whole plane stretched into PlaneTarget, the header at
// (left + 10, 10) and the title under the plane, in black in the preview's font size. An empty
// header or title draws nothing.
void DrawPrintPreview(Canvas& preview, const Canvas& plane, const PreviewLayout& layout,
                      const std::string& header, const std::string& title);

// The same page with the plane put by putPlane into its target rectangle of the preview: a page
// drawn finer than the screen's preview draws the plane afresh there instead of enlarging it.
void DrawPrintPreview(Canvas& preview, int32_t planeWidth, int32_t planeHeight,
                      const std::function<void(const PixelRect& target)>& putPlane,
                      const PreviewLayout& layout, const std::string& header,
                      const std::string& title);
