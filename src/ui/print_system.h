// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer questions the windows ask at start-up and on every repaint, put to the
// print system (CUPS) directly. Qt's print support answers them only after loading
// its print plugin and fetching the default printer's whole description, several
// times over; here each question is one or two requests to the scheduler. The
// library is loaded when first needed, or ahead of that by PreloadPrintSystem; when
// it cannot be loaded, or no scheduler answers, there is no printer.
#include <QString>

#include <optional>

namespace numbrella::ui {

// Starts loading the print system's library on a thread of its own and returns at
// once, so that the first printer question finds it loaded. Asks the scheduler
// nothing: every answer below is fresh.
void PreloadPrintSystem();

// The number of queues (printers and classes) the scheduler has, 0 when none.
int InstalledPrinterCount();

// The default destination's name, "queue" or "queue/instance" as the print dialog
// names it; nullopt when there is none.
std::optional<QString> DefaultDestinationName();

}  // namespace numbrella::ui
