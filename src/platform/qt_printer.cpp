#include "platform/qt_printer.h"

#include <QApplication>
#include <QPainter>
#include <QPrintDialog>

#include "platform/qt_canvas.h"

QtPrinter::QtPrinter(QWidget* dialogParent) : dialogParent_(dialogParent) {}

PageSize QtPrinter::Page() const { return PageSize{printer_.width(), printer_.height()}; }

bool QtPrinter::Setup() {
  // The dialog shows the copies chosen last; the printer itself is then left at one copy a job,
  // because every copy is a job of its own.
  printer_.setCopyCount(copies_);
  QPrintDialog dialog(&printer_, dialogParent_);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
  if (dialog.exec() != QDialog::Accepted) {
    printer_.setCopyCount(1);
    return false;
  }
  copies_ = printer_.copyCount();
  printer_.setCopyCount(1);
  // A file holds one copy: further jobs would only write the same file again.
  if (printer_.outputFormat() == QPrinter::PdfFormat) copies_ = std::min(copies_, 1);
  return true;
}

bool QtPrinter::PrintImage(const Canvas& picture, const PixelRect& target) {
  const auto* canvas = dynamic_cast<const QtCanvas*>(&picture);
  if (canvas == nullptr) return false;
  QPainter painter;
  if (!painter.begin(&printer_)) return false;
  // Without this the picture would reach a PDF as JPEG, blurring the grid and the fractions.
  painter.setRenderHint(QPainter::LosslessImageRendering);
  painter.drawImage(
      QRect(target.left, target.top, target.right - target.left, target.bottom - target.top),
      canvas->Image());
  return painter.end();
}

void QtPrinter::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}
