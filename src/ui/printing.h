// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A printer and the print dialog, built on Qt's print support. The program loads them
// from a module of their own at its first print (app/print_module.h), so that it starts
// without that library; the tests link them directly.
#include "ui/services.h"

#include <memory>

class QFont;
class QPrinter;
class QString;
class QWidget;

namespace numbrella::ui {

// A printer with the print system's defaults, at the printer's full resolution.
std::unique_ptr<Printer> NewDevicePrinter();
// Qt's print dialog for `printer`; true when the user chose to print.
bool ChooseInPrintDialog(QWidget* parent, Printer& printer, const PrintDialogRequest& request);

}  // namespace numbrella::ui
