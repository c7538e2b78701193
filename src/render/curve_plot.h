// Plotting one curve y = a/x on a plane image: both branches restricted to the curve's domain,
// the parts outside it as dots, end circles, handles, and the small marks other views put on
// curves. Everything is drawn with the image's current pen mode.
#pragma once

#include <cstdint>

#include "model/editor_state.h"
#include "model/line_data.h"
#include "render/canvas.h"
#include "render/plane_geometry.h"

// First sample and step (lattice units) of the branch tracer for a spacing.
struct TraceSampling {
  double first = 0.2;
  double step = 0.4;
};

// 4 → 0.6/1.2, 8 → 0.4/0.8, 16 → 0.2/0.4. Other spacings keep the step in pixels (4.8 below 8,
// 6.4 from 8 up), with the first sample half a step out.
TraceSampling SamplingFor(int32_t dx);

// Most samples of one traced run, most trailing dots, and how far (pixels) above or below the
// x axis the asymptote end of a branch is put.
inline constexpr int32_t kMaxTraceSamples = 200;
inline constexpr int32_t kMaxTrailingDots = 99;
inline constexpr int32_t kAsymptoteReach = 999;

enum class Handle { First, Second };  // at (X1, Y1) and at (-X1, -Y1)

// One curve, with its domain marks and, when selected, its handles. Clears PreviewWhole after
// a segment preview.
void DrawLine(Canvas& image, const PlaneGeometry& g, const TLineData& curve, bool selected,
              EditorState& state);

// The branch for x > 0 between u and v (swapped when u > v): dots before u, solid to v, dots
// after v to the plane's right edge. u = 0 starts at the asymptote; v = 99 runs to the edge;
// u = v = 99 dots the whole branch.
void DrawRightBranch(Canvas& image, const PlaneGeometry& g, int32_t u, int32_t v,
                     const TLineData& curve, const EditorState& state);
// The mirror image for x < 0; v is the bound nearer the asymptote (0 starts at it), -99 the
// left edge; u = v = -99 dots the whole branch.
void DrawLeftBranch(Canvas& image, const PlaneGeometry& g, int32_t u, int32_t v,
                    const TLineData& curve, const EditorState& state);
// Both branches traced outward from x = ±0.1 over the length of the domain (u, v), solid or as
// dots (dots only while the dotted-line option is on).
void DrawWholeTrace(Canvas& image, const PlaneGeometry& g, int32_t u, int32_t v, bool dotted,
                    const TLineData& curve, const EditorState& state);
// Circle of radius MaruRadius at the curve point of x: filled for an included end.
void DrawEndMark(Canvas& image, const PlaneGeometry& g, int32_t x, const TLineData& curve,
                 bool filled, const EditorState& state);
// Square handle, when handles are on.
void DrawHandles(Canvas& image, const PlaneGeometry& g, const TLineData& curve, Handle which,
                 const EditorState& state);
// Dots at the lattice points of the curve strictly inside its domain, when "格子点の丸" is on.
void DrawLatticeMarks(Canvas& image, const PlaneGeometry& g, const TLineData& curve,
                      const EditorState& state);
// Cross at the curve point of x, marking a chosen domain end.
void DrawCutMark(Canvas& image, const PlaneGeometry& g, int32_t x, const TLineData& curve);
// Marker of a clicked point in the practice window: a circle for the domain modes, a square for
// whole curves when handles are on.
void DrawPointMark(Canvas& image, const PlaneGeometry& g, LatticePoint point, TColor color,
                   const EditorState& state);
// The curve as if its domain were whole, not selected.
void DrawWholeLine(Canvas& image, const PlaneGeometry& g, const TLineData& curve,
                   EditorState& state);
