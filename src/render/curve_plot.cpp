#include "render/curve_plot.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The curve's domain with the open ends replaced by the plane's edges.
DomainRange PlaneDomain(const TLineData& curve, const PlaneGeometry& g) {
  DomainRange r{curve.HenikiStart, curve.HenikiEnd};
  if (r.start == kOpenLeft) r.start = g.StartX;
  if (r.end == kOpenRight) r.end = g.EndX;
  return r;
}

PixelPoint CurvePixel(const PlaneGeometry& g, const TLineData& curve, double x) {
  return g.ValueToPixel(x, YValue(curve, x));
}

// +1 when the branches lie in the first and third quadrants.
int32_t BranchSign(const TLineData& curve) { return Teisuu(curve) > 0 ? 1 : -1; }

// A sample that lands on the domain's start (up to rounding of the running sum) belongs to the
// solid part that starts there, not to the dots before it.
constexpr double kOnBound = 1e-9;

// A small filled square in the pen colour (the brush has been set to it).
void Dot(Canvas& image, PixelPoint p) { image.Rectangle(p.x - 1, p.y - 1, p.x + 1, p.y + 1); }

void MoveTo(Canvas& image, PixelPoint p) { image.MoveTo(p.x, p.y); }
void LineTo(Canvas& image, PixelPoint p) { image.LineTo(p.x, p.y); }

void CurveColors(Canvas& image, const TLineData& curve) {
  image.SetPenColor(curve.Color);
  image.SetBrushColor(curve.Color);
}

void DrawHandle(Canvas& image, const PlaneGeometry& g, const TLineData& curve, bool second,
                const EditorState& state) {
  DrawHandles(image, g, curve, second ? Handle::Second : Handle::First, state);
}

}  // namespace

TraceSampling SamplingFor(int32_t dx) {
  switch (dx) {
    case 4:
      return {0.6, 1.2};
    case 8:
      return {0.4, 0.8};
    case 16:
      return {0.2, 0.4};
    default:
      break;
  }
  const double pixelStep = dx < 8 ? 4.8 : 6.4;
  const double step = pixelStep / std::max(dx, 1);
  return {step / 2, step};
}

void DrawRightBranch(Canvas& image, const PlaneGeometry& g, int32_t u, int32_t v,
                     const TLineData& curve, const EditorState& /*state*/) {
  if (u > v) std::swap(u, v);
  CurveColors(image, curve);
  const TraceSampling s = SamplingFor(g.DX);
  double t = s.first;
  // Both bounds at the right edge: the whole branch lies outside the domain.
  const bool dotsOnly = u == kOpenRight && v == kOpenRight;
  PixelPoint start{g.OriginX, PixelSum(int64_t{g.OriginY} - BranchSign(curve) * kAsymptoteReach)};
  if (u != 0) {
    for (int32_t n = 0; n < kMaxTraceSamples && t < u - kOnBound; ++n, t += s.step) {
      Dot(image, CurvePixel(g, curve, t));
    }
    start = CurvePixel(g, curve, u);
  }
  if (!dotsOnly) {
    MoveTo(image, start);
    for (int32_t n = 0; n < kMaxTraceSamples && t <= v && t <= kOpenRight; ++n, t += s.step) {
      LineTo(image, CurvePixel(g, curve, t));
    }
    if (v != kOpenRight) LineTo(image, CurvePixel(g, curve, v));
  }
  for (int32_t n = 0; n < kMaxTrailingDots && t <= g.EndX; ++n, t += s.step) {
    Dot(image, CurvePixel(g, curve, t));
  }
}

void DrawLeftBranch(Canvas& image, const PlaneGeometry& g, int32_t u, int32_t v,
                    const TLineData& curve, const EditorState& state) {
  if (u > v) std::swap(u, v);
  CurveColors(image, curve);
  const TraceSampling s = SamplingFor(g.DX);
  double t = -s.first;
  const bool dotsOnly = u == kOpenLeft && v == kOpenLeft;
  PixelPoint start{g.OriginX, PixelSum(int64_t{g.OriginY} + BranchSign(curve) * kAsymptoteReach)};
  if (v != 0) {
    for (int32_t n = 0; n < kMaxTraceSamples && t > v + kOnBound; ++n, t -= s.step) {
      Dot(image, CurvePixel(g, curve, t));
    }
    start = CurvePixel(g, curve, v);
  }
  if (!dotsOnly) {
    MoveTo(image, start);
    for (int32_t n = 0; n < kMaxTraceSamples && t >= u && t >= kOpenLeft; ++n, t -= s.step) {
      LineTo(image, CurvePixel(g, curve, t));
    }
    // With the dotted-line option on, the solid part ends at its last sample.
    if (u != kOpenLeft && !state.TensenFlag) LineTo(image, CurvePixel(g, curve, u));
  }
  for (int32_t n = 0; n < kMaxTrailingDots && t >= g.StartX; ++n, t -= s.step) {
    Dot(image, CurvePixel(g, curve, t));
  }
}

void DrawWholeTrace(Canvas& image, const PlaneGeometry& g, int32_t u, int32_t v, bool dotted,
                    const TLineData& curve, const EditorState& state) {
  if (u > v) std::swap(u, v);
  CurveColors(image, curve);
  const int64_t deltaX = int64_t{curve.X2} - curve.X1;
  const int64_t deltaY = int64_t{curve.Y2} - curve.Y1;
  if (deltaX == 0 || deltaY == 0) return;
  const DomainRange domain = PlaneDomain(curve, g);
  const int64_t lo = u == kOpenLeft ? domain.start : u;
  const int64_t hi = v == kOpenRight ? domain.end : v;
  const double k =
      static_cast<double>(deltaY) / (static_cast<double>(deltaX) * static_cast<double>(deltaX));
  const double step = std::abs(k) < 1 ? 0.4 : 0.1;
  // Samples beyond the plane's reach add nothing visible; the cap keeps absurd domains cheap.
  const int64_t reach = std::max<int64_t>({std::llabs(g.StartX), std::llabs(g.EndX), g.UnitsX});
  const int64_t cap = static_cast<int64_t>(static_cast<double>(reach + 1) / step) + 2;
  const int64_t samples = std::clamp<int64_t>(
      static_cast<int64_t>(std::nearbyint(static_cast<double>(hi - lo) / step)) + 1, 0, cap);
  const bool drawDots = dotted && state.TensenFlag;

  for (const double direction : {1.0, -1.0}) {
    double t = 0.1 * direction;
    MoveTo(image, CurvePixel(g, curve, t));
    for (int64_t n = 0; n < samples; ++n, t += step * direction) {
      if (!dotted) {
        LineTo(image, CurvePixel(g, curve, t));
      } else if (drawDots) {
        Dot(image, CurvePixel(g, curve, t));
      }
    }
    // A solid trace with a bounded end meets it exactly. (A dotted one draws no lines: a chord
    // from the last sample would cut across the plane.)
    if (direction > 0 && !dotted && u != kOpenLeft && v != kOpenRight && !state.TensenFlag) {
      LineTo(image, CurvePixel(g, curve, v));
    }
  }
}

void DrawEndMark(Canvas& image, const PlaneGeometry& g, int32_t x, const TLineData& curve,
                 bool filled, const EditorState& state) {
  image.SetBrushColor(filled ? curve.Color : kWhite);
  image.SetPenWidth(state.LineWidth);
  image.SetPenColor(curve.Color);
  const PixelPoint c = CurvePixel(g, curve, x);
  const int32_t r = state.MaruRadius;
  image.Ellipse(c.x - r, c.y - r, c.x + r, c.y + r);
}

void DrawHandles(Canvas& image, const PlaneGeometry& g, const TLineData& curve, Handle which,
                 const EditorState& state) {
  if (!state.Options.chkHandle) return;
  // The second handle mirrors the first through the origin; negating INT32_MIN would overflow.
  auto mirror = [](int32_t v) { return v == INT32_MIN ? INT32_MAX : -v; };
  const PixelPoint p = which == Handle::First
                           ? g.LatticeToPixel(curve.X1, curve.Y1)
                           : g.LatticeToPixel(mirror(curve.X1), mirror(curve.Y1));
  image.SetPenWidth(state.LineWidth);
  image.SetPenColor(kBlack);
  image.SetBrushNone();
  image.Rectangle(p.x - 5, p.y - 5, p.x + 5, p.y + 5);
}

void DrawLatticeMarks(Canvas& image, const PlaneGeometry& g, const TLineData& curve,
                      const EditorState& state) {
  if (!state.Options.chkMaruX) return;
  const DomainRange domain = PlaneDomain(curve, g);
  // Marks beyond the plane's edges would not be seen.
  const int64_t lo = std::max<int64_t>(domain.start, g.StartX);
  const int64_t hi = std::min<int64_t>(domain.end, g.EndX);
  for (int64_t x = lo; x <= hi; ++x) {
    if (x <= curve.HenikiStart || x >= curve.HenikiEnd) continue;
    const TFraction f = YAt(curve, static_cast<int32_t>(x));
    if (f.Den != 1) continue;
    const PixelPoint p = g.LatticeToPixel(static_cast<int32_t>(x), f.Num);
    CurveColors(image, curve);
    image.SetPenWidth(2);
    image.Ellipse(p.x - 4, p.y - 4, p.x + 4, p.y + 4);
    image.SetPenWidth(1);
  }
}

void DrawCutMark(Canvas& image, const PlaneGeometry& g, int32_t x, const TLineData& curve) {
  const PixelPoint p{PixelSum(int64_t{x} * g.DX + g.OriginX),
                     PixelSum(int64_t{g.OriginY} - RoundPixel(g.DY * YValue(curve, x)))};
  image.SetPenWidth(2);
  CurveColors(image, curve);
  image.MoveTo(p.x - 6, p.y - 6);
  image.LineTo(p.x + 6, p.y + 6);
  image.MoveTo(p.x + 6, p.y - 6);
  image.LineTo(p.x - 6, p.y + 6);
  image.SetPenWidth(1);
  image.SetPenWidth(curve.LWidth);
}

void DrawPointMark(Canvas& image, const PlaneGeometry& g, LatticePoint point, TColor color,
                   const EditorState& state) {
  image.SetPenColor(color);
  image.SetBrushColor(color);
  image.SetPenWidth(state.LineWidth);
  const PixelPoint p = g.LatticeToPixel(point.x, point.y);
  const int32_t r = state.MaruRadius;
  if (state.LineMode != kModeWhole) {
    image.Ellipse(p.x - r, p.y - r, p.x + r, p.y + r);
  } else if (state.Options.chkHandle) {
    image.Rectangle(p.x - r, p.y - r, p.x + r, p.y + r);
  }
}

void DrawWholeLine(Canvas& image, const PlaneGeometry& g, const TLineData& curve,
                   EditorState& state) {
  TLineData whole = curve;
  whole.HenikiStart = kOpenLeft;
  whole.HenikiEnd = kOpenRight;
  DrawLine(image, g, whole, false, state);
}

void DrawLine(Canvas& image, const PlaneGeometry& g, const TLineData& curve, bool selected,
              EditorState& state) {
  const int32_t lo = std::min(curve.HenikiStart, curve.HenikiEnd);
  const int32_t hi = std::max(curve.HenikiStart, curve.HenikiEnd);
  image.SetPenWidth(curve.LWidth);

  if (state.DragMode != 0) {
    DrawWholeTrace(image, g, kOpenLeft, kOpenRight, false, curve, state);
    DrawHandle(image, g, curve, state.DragSecond, state);
    return;
  }

  const int32_t s = curve.HenikiStart;
  const int32_t e = curve.HenikiEnd;
  switch (curve.LMode) {
    case kModeWhole:
      DrawLeftBranch(image, g, kOpenLeft, 0, curve, state);
      DrawRightBranch(image, g, 0, kOpenRight, curve, state);
      break;
    case kModeSegment:
      if (state.PreviewWhole) {
        DrawWholeTrace(image, g, lo, hi, true, curve, state);
        state.PreviewWhole = false;
        break;
      }
      if (s < 0 && e < 0) {
        DrawLeftBranch(image, g, s, e, curve, state);
        DrawRightBranch(image, g, kOpenRight, kOpenRight, curve, state);
      } else if (s > 0 && e > 0) {
        DrawRightBranch(image, g, s, e, curve, state);
        DrawLeftBranch(image, g, kOpenLeft, kOpenLeft, curve, state);
      } else {
        DrawLeftBranch(image, g, s, 0, curve, state);
        DrawRightBranch(image, g, 0, e, curve, state);
      }
      DrawEndMark(image, g, s, curve, curve.IncStart, state);
      DrawEndMark(image, g, e, curve, curve.IncEnd, state);
      break;
    case kModeRight:
      if (state.PreviewWhole) {
        DrawWholeTrace(image, g, kOpenLeft, kOpenRight, true, curve, state);
        break;
      }
      if (s >= 0) {
        DrawRightBranch(image, g, s, kOpenRight, curve, state);
        DrawLeftBranch(image, g, kOpenLeft, kOpenLeft, curve, state);
      } else {
        DrawRightBranch(image, g, 0, kOpenRight, curve, state);
        DrawLeftBranch(image, g, s, 0, curve, state);
      }
      DrawEndMark(image, g, lo, curve, curve.IncStart, state);
      break;
    case kModeLeft:
      if (state.PreviewWhole) {
        DrawWholeTrace(image, g, kOpenLeft, kOpenRight, true, curve, state);
        break;
      }
      if (e <= 0) {
        DrawLeftBranch(image, g, kOpenLeft, e, curve, state);
        DrawRightBranch(image, g, kOpenRight, kOpenRight, curve, state);
      } else {
        DrawLeftBranch(image, g, kOpenLeft, 0, curve, state);
        DrawRightBranch(image, g, 0, e, curve, state);
      }
      DrawEndMark(image, g, e, curve, curve.IncEnd, state);
      break;
    default:
      break;  // an unknown mode draws no curve
  }

  if (curve.LWidth == 1 && selected && image.GetPenMode() != PenMode::Copy) {
    DrawWholeTrace(image, g, lo, hi, true, curve, state);
  }
  if (selected) {
    DrawHandles(image, g, curve, Handle::First, state);
    DrawHandles(image, g, curve, Handle::Second, state);
  }
}
