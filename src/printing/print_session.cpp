#include "printing/print_session.h"

#include <algorithm>
#include <cmath>

#include "model/messages.h"

namespace {

// A page this many printer pixels wide takes a preview pixel as 32/7 printer pixels.
constexpr double kReferencePageWidth = 2892.0;
constexpr double kReferenceFactor = 32.0 / 7.0;

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

bool PrintSession::PrintClick(const Canvas& picture) {
  bool setUpNow = false;
  if (!setupDone_) {
    if (!PrintSetup()) return false;
    setUpNow = true;
  }
  PrintPreview(picture);
  return setUpNow;
}

void PrintSession::PrintPreview(const Canvas& picture) {
  const int32_t copies = printer_.Copies();
  if (copies <= 0) return;
  const PixelRect target = PrintTarget(printer_.Page(), picture.Width(), picture.Height());
  bool printed = target.right > 0 && target.bottom > 0;
  printer_.SetBusy(true);
  for (int32_t i = 0; printed && i < copies; ++i) printed = printer_.PrintImage(picture, target);
  printer_.SetBusy(false);
  if (!printed) prompter_.Message(Msg().PrintFailed);
}
