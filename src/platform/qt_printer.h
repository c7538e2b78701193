// The Printer on Qt's print support: the print dialog (a printer or a PDF file), the page of the
// printer chosen, and jobs that put the picture on the page without loss.
#pragma once

#include <QPrinter>

#include "services/printer.h"

class QWidget;

class QtPrinter : public Printer {
 public:
  // dialogParent: the window the print dialog belongs to.
  explicit QtPrinter(QWidget* dialogParent);

  PageSize Page() const override;
  bool Setup() override;
  int32_t Copies() const override { return copies_; }
  bool PrintImage(const Canvas& picture, const PixelRect& target) override;
  int32_t Resolution() const override { return printer_.resolution(); }
  void SetBusy(bool busy) override;

  // The printer itself, as the dialog left it (tests point it at a PDF file).
  QPrinter& Device() { return printer_; }

 private:
  QWidget* dialogParent_;
  QPrinter printer_{QPrinter::HighResolution};
  int32_t copies_ = 1;
  bool busy_ = false;
};
