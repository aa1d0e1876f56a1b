// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/printing.h"

#include <QAbstractTextDocumentLayout>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace numbrella::ui {

namespace {

class DevicePrinter final : public Printer {
 public:
  QPrinter& Device() override { return printer_; }

  bool Print(const QString& text, const QFont& font) override {
    if (!printer_.isValid()) return false;
    // A printer that reports no margins would print to the paper's edge.
    if (printer_.pageLayout().margins(QPageLayout::Millimeter).isNull()) {
      printer_.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    }
    QTextDocument document;
    document.setDefaultFont(font);
    document.setPlainText(text);
    // Laid out for the printer's page, the document prints as it is; left to lay out
    // its pages itself, it would add page numbers under the footer.
    document.documentLayout()->setPaintDevice(&printer_);
    document.setPageSize(printer_.pageRect(QPrinter::DevicePixel).size());
    document.print(&printer_);
    return printer_.printerState() != QPrinter::Error &&
           printer_.printerState() != QPrinter::Aborted;
  }

  QString Destination() const override {
    const QString file = printer_.outputFileName();
    return file.isEmpty() ? printer_.printerName() : file;
  }

 private:
  QPrinter printer_{QPrinter::HighResolution};
};

}  // namespace

std::unique_ptr<Printer> NewDevicePrinter() { return std::make_unique<DevicePrinter>(); }

bool ChooseInPrintDialog(QWidget* parent, Printer& printer, const PrintDialogRequest& request) {
  QPrinter& device = printer.Device();
  device.setPrintRange(request.selectionPreselected ? QPrinter::Selection : QPrinter::AllPages);
  QPrintDialog dialog(&device, parent);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, true);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, request.pageRangeOffered);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  // Without the page range option Qt's own dialog still offers "Pages from ... to",
  // and hands a range chosen there to the print system with the job: no public
  // setting closes that choice, so it stays open.
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace numbrella::ui
