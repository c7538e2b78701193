#include "render/line_sample.h"

#include "model/messages.h"
#include "render/image_ops.h"
#include "render/pixel_clamp.h"

namespace {

// Width of the sample picture's line area and the ends of a segment in it.
constexpr int32_t kSampleWidth = 40;
constexpr int32_t kSegmentLeft = 10;
constexpr int32_t kSegmentRight = 30;

// Which ends are included for each segment kind: ≦≦, ≦＜, ＜≦, ＜＜.
constexpr EndFlags kSegmentFlags[4] = {{true, true}, {true, false}, {false, true}, {false, false}};
// And for each half-line kind: ≦, ＜.
constexpr EndFlags kHalfLineFlags[2] = {{true, true}, {false, false}};

bool IsHalfLine(int32_t mode) { return mode == kModeRight || mode == kModeLeft; }

void EndCircle(Canvas& canvas, int32_t cx, int32_t cy, bool filled, TColor color, int32_t radius) {
  canvas.SetBrushColor(filled ? color : kWhite);
  const int64_t x = cx;
  const int64_t y = cy;
  canvas.Ellipse(ClampPixel(x - radius), ClampPixel(y - radius), ClampPixel(x + radius),
                 ClampPixel(y + radius));
}

}  // namespace

std::optional<EndFlags> EndFlagsOf(const TLineData& curve) {
  const int32_t kind = curve.HenikiKind;
  switch (curve.LMode) {
    case kModeWhole:
      return EndFlags{true, true};
    case kModeSegment:
      return kind >= 0 && kind < 4 ? kSegmentFlags[kind] : EndFlags{};
    case kModeRight:
    case kModeLeft:
      return kind >= 0 && kind < 2 ? kHalfLineFlags[kind] : EndFlags{};
    case -1:
    case 4:
      return EndFlags{};
    default:
      return std::nullopt;
  }
}

bool DrawLineSample(Canvas& canvas, TLineData curve, int32_t top, EditorState& state) {
  if (curve.Shiki.empty()) {
    curve.Color = CurColor(state);
    curve.LMode = state.LineMode;
    curve.LWidth = state.LineWidth;
    curve.HenikiKind = state.LineMode == kModeSegment ? state.SenbunKind
                       : IsHalfLine(state.LineMode)   ? state.HanchokusenKind
                                                      : 0;
  }
  canvas.SetPenColor(curve.Color);
  canvas.SetPenWidth(curve.LWidth);
  const std::optional<EndFlags> known = EndFlagsOf(curve);
  const EndFlags fills = known.value_or(EndFlags{});
  const int32_t y = ClampPixel(int64_t{top} + 10);
  const int32_t r = state.MaruRadius;
  switch (state.LineMode) {
    case kModeWhole:
      // The whole curve is drawn one pixel wider so that it reads as a line, not a segment.
      canvas.SetPenWidth(static_cast<int32_t>(static_cast<uint32_t>(curve.LWidth) + 1u));
      canvas.MoveTo(0, y);
      canvas.LineTo(kSampleWidth, y);
      canvas.SetPenWidth(curve.LWidth);
      break;
    case kModeSegment:
      canvas.MoveTo(kSegmentLeft, y);
      canvas.LineTo(kSegmentRight, y);
      EndCircle(canvas, kSegmentLeft, y, fills.start, curve.Color, r);
      EndCircle(canvas, kSegmentRight, y, fills.end, curve.Color, r);
      break;
    case kModeRight:
      canvas.MoveTo(kSegmentLeft, y);
      canvas.LineTo(kSegmentRight, y);
      EndCircle(canvas, kSegmentLeft, y, fills.start, curve.Color, r);
      break;
    case kModeLeft:
      canvas.MoveTo(kSegmentLeft, y);
      canvas.LineTo(kSegmentRight, y);
      EndCircle(canvas, kSegmentRight, y, fills.start, curve.Color, r);
      break;
    default:
      break;
  }
  return known.has_value();
}

bool DrawSampleBox(Canvas& imgSample, EditorState& state) {
  ClearImage(imgSample, kWhite, state.PanelTextColor);
  if (state.LineMode == kModeWhole || state.LineMode == kModeSegment) {
    if (state.SenbunKind >= 0 && state.SenbunKind < 4) {
      state.CurIncStart = kSegmentFlags[state.SenbunKind].start;
      state.CurIncEnd = kSegmentFlags[state.SenbunKind].end;
    }
  } else if (IsHalfLine(state.LineMode)) {
    if (state.HanchokusenKind >= 0 && state.HanchokusenKind < 2) {
      state.CurIncStart = kHalfLineFlags[state.HanchokusenKind].start;
      state.CurIncEnd = kHalfLineFlags[state.HanchokusenKind].end;
    }
  }
  // A thin black frame, whatever pen and brush the last sample left behind.
  imgSample.SetPenColor(kBlack);
  imgSample.SetPenWidth(1);
  imgSample.SetBrushNone();
  imgSample.Rectangle(0, 0, imgSample.Width(), imgSample.Height());
  return DrawLineSample(imgSample, TLineData{}, 2, state);
}

bool ShowIneqSigns(EditorState& state, std::string& edtHeniki, Canvas& imgSample) {
  static const std::string kNoSigns;
  const std::string* text = nullptr;
  EndFlags flags{true, true};
  if (state.LineMode == kModeWhole) {
    text = &kNoSigns;
  } else if (state.LineMode == kModeSegment && state.SenbunKind >= 0 && state.SenbunKind < 4) {
    text = &Msg().SegmentSigns[state.SenbunKind];
    flags = kSegmentFlags[state.SenbunKind];
  } else if (IsHalfLine(state.LineMode) && state.HanchokusenKind >= 0 &&
             state.HanchokusenKind < 2) {
    text = &Msg().HalfLineSigns[state.HanchokusenKind];
    flags = kHalfLineFlags[state.HanchokusenKind];
  }
  if (text != nullptr) {
    edtHeniki = *text;
    state.CurIncStart = flags.start;
    state.CurIncEnd = flags.end;
  }
  return DrawSampleBox(imgSample, state);
}
