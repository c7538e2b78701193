#include "printing/print_preview.h"

#include <algorithm>
#include <limits>

#include "render/image_ops.h"
#include "storage/record_texts.h"

namespace {

constexpr int32_t kMaxMargin = 200;
constexpr int32_t kMinPercent = 50;
constexpr int32_t kMaxPercent = 100;
constexpr int32_t kPercentStep = 10;
constexpr int32_t kTitleGap = 15;

// size × percent / 100, to the nearest integer, halves to even.
int32_t ScaledSize(int32_t size, int32_t percent) {
  const int64_t product = int64_t{std::max(size, 0)} * std::max(percent, 0);
  int64_t whole = product / 100;
  const int64_t rest = product % 100;
  if (rest > 50 || (rest == 50 && whole % 2 == 1)) ++whole;
  return static_cast<int32_t>(std::min<int64_t>(whole, std::numeric_limits<int32_t>::max()));
}

}  // namespace

std::string PrintHeaderText(const std::string& fileName, const DateTime& now) {
  return fileName + "  " + std::to_string(now.year) + "." + Pad2(now.month) + "." + Pad2(now.day) +
         "  " + ClockText(now);
}

PixelRect PlaneTarget(int32_t planeWidth, int32_t planeHeight, const PreviewLayout& layout) {
  return PixelRect{layout.left, layout.top, layout.left + ScaledSize(planeWidth, layout.percent),
                   layout.top + ScaledSize(planeHeight, layout.percent)};
}

int32_t TitleLeft(const PixelRect& target, int32_t titleBytes, int32_t fontSize) {
  const int64_t left =
      int64_t{target.left} + (target.right - target.left) / 2 - int64_t{titleBytes} * fontSize / 4;
  return static_cast<int32_t>(std::max<int64_t>(left, 0));
}

int32_t TitleRoom(int32_t fontSize) { return kTitleGap + (fontSize * 3 + 1) / 2; }

bool PreviewFits(int32_t planeWidth, int32_t planeHeight, const PreviewLayout& layout,
                 int32_t fontSize) {
  const PixelRect target = PlaneTarget(planeWidth, planeHeight, layout);
  return target.right <= kPreviewSize &&
         int64_t{target.bottom} + TitleRoom(fontSize) <= kPreviewSize;
}

PreviewLayout FitPreview(int32_t planeWidth, int32_t planeHeight, const PreviewLayout& layout,
                         int32_t fontSize) {
  PreviewLayout fitted = layout;
  while (!PreviewFits(planeWidth, planeHeight, fitted, fontSize) && fitted.percent > kPercentStep) {
    // Down to the next multiple of ten, whatever was typed.
    fitted.percent = (fitted.percent - 1) / kPercentStep * kPercentStep;
  }
  if (PreviewFits(planeWidth, planeHeight, fitted, fontSize)) return fitted;
  const PixelRect size = PlaneTarget(planeWidth, planeHeight, PreviewLayout{0, 0, fitted.percent});
  fitted.left = std::clamp(kPreviewSize - size.right, 0, fitted.left);
  fitted.top = std::clamp(kPreviewSize - size.bottom - TitleRoom(fontSize), 0, fitted.top);
  return fitted;
}

PreviewLimits LimitsFor(int32_t planeWidth, int32_t planeHeight, const PreviewLayout& layout,
                        int32_t fontSize) {
  const PixelRect size = PlaneTarget(planeWidth, planeHeight, PreviewLayout{0, 0, layout.percent});
  PreviewLimits limits;
  limits.maxLeft = std::max(layout.left, std::clamp(kPreviewSize - size.right, 0, kMaxMargin));
  limits.maxTop = std::max(
      layout.top, std::clamp(kPreviewSize - size.bottom - TitleRoom(fontSize), 0, kMaxMargin));
  limits.minPercent = std::min(kMinPercent, layout.percent);
  int32_t most = layout.percent;
  for (int32_t p = kMaxPercent; p > layout.percent; --p) {
    if (PreviewFits(planeWidth, planeHeight, PreviewLayout{layout.left, layout.top, p}, fontSize)) {
      most = p;
      break;
    }
  }
  limits.maxPercent = std::max(most, layout.percent);
  return limits;
}

void DrawPrintPreview(Canvas& preview, const Canvas& plane, const PreviewLayout& layout,
                      const std::string& header, const std::string& title) {
  auto copyPlane = [&](const PixelRect& target) {
    preview.CopyRect(target, plane, PixelRect{0, 0, plane.Width(), plane.Height()},
                     CopyMode::Plain);
  };
  DrawPrintPreview(preview, plane.Width(), plane.Height(), copyPlane, layout, header, title);
}

void DrawPrintPreview(Canvas& preview, int32_t planeWidth, int32_t planeHeight,
                      const std::function<void(const PixelRect& target)>& putPlane,
                      const PreviewLayout& layout, const std::string& header,
                      const std::string& title) {
  ClearImage(preview, kWhite, kBlack);
  const PixelRect target = PlaneTarget(planeWidth, planeHeight, layout);
  putPlane(target);
  preview.SetFontColor(kBlack);
  preview.SetFontName(kFontPGothic);
  preview.SetFontItalic(false);
  if (!header.empty()) preview.TextOut(layout.left + 10, 10, header);
  if (!title.empty()) {
    const int32_t bytes = static_cast<int32_t>(std::min<size_t>(title.size(), 1 << 20));
    preview.TextOut(TitleLeft(target, bytes, preview.FontSize()), target.bottom + kTitleGap, title);
  }
}
