// The printer as printing the plane needs it: the printable page in printer pixels, the print
// dialog with its number of copies, and one print job that stretches a picture onto the page.
// The program uses the platform's print support; tests pass a fake.
#pragma once

#include <cstdint>

#include "render/canvas.h"

struct PageSize {
  int32_t width = 0;  // printer pixels
  int32_t height = 0;
  friend bool operator==(const PageSize&, const PageSize&) = default;
};

class Printer {
 public:
  virtual ~Printer() = default;
  // The printable area of the page of the printer in force.
  virtual PageSize Page() const = 0;
  // The print dialog: printer (or a file), page and number of copies. True when confirmed;
  // cancelling changes nothing.
  virtual bool Setup() = 0;
  // The number of copies chosen in the last confirmed dialog (1 before any).
  virtual int32_t Copies() const = 0;
  // One print job of one page: the picture stretched into the target rectangle, whose origin is
  // the printable area's top-left corner. False when the job could not be done.
  virtual bool PrintImage(const Canvas& picture, const PixelRect& target) = 0;
  // Dots per inch of the page, 0 when not known: pictures are drawn fine enough for it.
  virtual int32_t Resolution() const { return 0; }
  // While jobs are handed over the program shows itself busy.
  virtual void SetBusy(bool busy) = 0;
};
