// The plane on a dense screen: drawn at the device's pixels, with what was drawn on the shown
// picture since its last full drawing laid over it enlarged.
#include "platform/image_view.h"

#include <gtest/gtest.h>

namespace {

QImage Filled(int size, QRgb color) {
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(color);
  return image;
}

TEST(ComposeFine, TheFinePictureWithLaterStrokesEnlargedOverIt) {
  const QRgb white = qRgb(255, 255, 255);
  const QRgb fineGrey = qRgb(128, 128, 128);
  const QRgb band = qRgb(0, 0, 255);
  const QImage plain = Filled(4, white);
  const QImage fine = Filled(6, fineGrey);  // 1.5 device pixels per pixel
  EXPECT_EQ(ComposeFine(plain, plain, fine, 1.5), fine);
  QImage shown = plain;
  shown.setPixel(1, 2, band);  // a rubber band's pixel: device columns 1 and 2, row 3
  const QImage composed = ComposeFine(shown, plain, fine, 1.5);
  const struct {
    int x, y;
    QRgb color;
  } probes[] = {{1, 3, band},     {2, 3, band},     {0, 3, fineGrey},
                {3, 3, fineGrey}, {1, 2, fineGrey}, {1, 4, fineGrey}};
  for (const auto& p : probes) EXPECT_EQ(composed.pixel(p.x, p.y), p.color) << p.x << "," << p.y;
}

}  // namespace
