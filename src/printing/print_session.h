// What the print window's buttons do with the printer: the print dialog, and printing the
// preview as large as the page allows, each copy as a job of its own. The first print after the
// window is shown asks for the printer unless it was set up already.
#pragma once

#include <cstdint>

#include "render/canvas.h"
#include "services/printer.h"
#include "services/prompter.h"

// Where a picture of this size goes on the page, from its top-left corner: a picture pixel
// becomes page width × 32 / (7 × 2892) printer pixels, or fewer where the page could not hold the
// whole picture that way. That factor spans the page's width with 632.625 pixels, so a
// 640-pixel preview is fitted to the page's width, or to its height on a landscape page.
PixelRect PrintTarget(const PageSize& page, int32_t pictureWidth, int32_t pictureHeight);

// How many times finer than its own pixels a picture is drawn to fill the target on a page of
// this resolution at 300 dots per inch or more, though never finer than the printer's own dots;
// 1 when the resolution is not known.
int32_t PrintFactor(const PixelRect& target, int32_t pictureWidth, int32_t resolution);

// The page as printed: its size in preview pixels, and the page drawn factor times finer.
class PagePicture {
 public:
  virtual ~PagePicture() = default;
  virtual int32_t Width() const = 0;
  virtual int32_t Height() const = 0;
  // The whole page, its pixels factor times finer; valid until the next call.
  virtual const Canvas& At(int32_t factor) = 0;
};

class PrintSession {
 public:
  PrintSession(Printer& printer, Prompter& prompter) : printer_(printer), prompter_(prompter) {}

  // The window is shown: the next print asks for the printer first.
  void Shown() { setupDone_ = false; }
  bool SetupDone() const { return setupDone_; }

  // プリンタ設定: the print dialog; true when it was confirmed (the page may have changed).
  bool PrintSetup();
  // 印刷開始: sets the printer up unless done, then prints the picture. True when the print
  // dialog was shown and confirmed on the way.
  bool PrintClick(const Canvas& picture);
  bool PrintClick(PagePicture& picture);
  // The picture on as many pages as copies were chosen, each its own job; none for 0 copies.
  // A page picture is drawn as fine as the printer takes it.
  void PrintPreview(const Canvas& picture);
  void PrintPreview(PagePicture& picture);

 private:
  Printer& printer_;
  Prompter& prompter_;
  bool setupDone_ = false;
};
