#include "printing/print_session.h"

#include <algorithm>
#include <cmath>

#include "model/messages.h"

namespace {

// A page this many printer pixels wide takes a preview pixel as 32/7 printer pixels.
constexpr double kReferencePageWidth = 2892.0;
constexpr double kReferenceFactor = 32.0 / 7.0;
// Dots per inch a printed picture gets at least, and the most times finer it is drawn.
constexpr double kFinePrintDpi = 300.0;
constexpr double kFinestPrint = 8.0;

int32_t RoundSize(double value) {
  return static_cast<int32_t>(std::nearbyint(std::clamp(value, 0.0, double{1 << 30})));
}

}  // namespace

PixelRect PrintTarget(const PageSize& page, int32_t pictureWidth, int32_t pictureHeight) {
  if (pictureWidth <= 0 || pictureHeight <= 0 || page.width <= 0 || page.height <= 0) return {};
  const double byReference = page.width / kReferencePageWidth * kReferenceFactor;
  const double byWidth = static_cast<double>(page.width) / pictureWidth;
  const double byHeight = static_cast<double>(page.height) / pictureHeight;
  const double f = std::min({byReference, byWidth, byHeight});
  return PixelRect{0, 0, RoundSize(pictureWidth * f), RoundSize(pictureHeight * f)};
}

bool PrintSession::PrintSetup() {
  if (!printer_.Setup()) return false;
  setupDone_ = true;
  return true;
}

int32_t PrintFactor(const PixelRect& target, int32_t pictureWidth, int32_t resolution) {
  if (pictureWidth <= 0 || resolution <= 0) return 1;
  const double dots = target.right - target.left;
  const double wanted = std::ceil(dots * kFinePrintDpi / resolution / pictureWidth);
  const double most = std::ceil(dots / pictureWidth);
  return static_cast<int32_t>(std::clamp(std::min(wanted, most), 1.0, kFinestPrint));
}

namespace {

// A picture drawn once, printed as it is.
class FixedPicture : public PagePicture {
 public:
  explicit FixedPicture(const Canvas& canvas) : canvas_(canvas) {}
  int32_t Width() const override { return canvas_.Width(); }
  int32_t Height() const override { return canvas_.Height(); }
  const Canvas& At(int32_t) override { return canvas_; }

 private:
  const Canvas& canvas_;
};

}  // namespace

bool PrintSession::PrintClick(const Canvas& picture) {
  FixedPicture fixed(picture);
  return PrintClick(fixed);
}

void PrintSession::PrintPreview(const Canvas& picture) {
  FixedPicture fixed(picture);
  PrintPreview(fixed);
}

bool PrintSession::PrintClick(PagePicture& picture) {
  bool setUpNow = false;
  if (!setupDone_) {
    if (!PrintSetup()) return false;
    setUpNow = true;
  }
  PrintPreview(picture);
  return setUpNow;
}

void PrintSession::PrintPreview(PagePicture& picture) {
  const int32_t copies = printer_.Copies();
  if (copies <= 0) return;
  const PixelRect target = PrintTarget(printer_.Page(), picture.Width(), picture.Height());
  bool printed = target.right > 0 && target.bottom > 0;
  printer_.SetBusy(true);
  const int32_t factor = PrintFactor(target, picture.Width(), printer_.Resolution());
  const Canvas* page = printed ? &picture.At(factor) : nullptr;
  for (int32_t i = 0; printed && i < copies; ++i) printed = printer_.PrintImage(*page, target);
  printer_.SetBusy(false);
  if (!printed) prompter_.Message(Msg().PrintFailed);
}
