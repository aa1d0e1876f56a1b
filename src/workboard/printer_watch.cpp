// SPDX-License-Identifier: GPL-3.0-or-later
#include "workboard/printer_watch.h"

namespace numbrella {

PrinterChange PrinterWatch::Check(const std::optional<std::string>& defaultPrinter) {
  if (defaultPrinter == remembered_) return PrinterChange::None;
  remembered_ = defaultPrinter;
  return defaultPrinter ? PrinterChange::NewDefaultPrinter : PrinterChange::PrinterGone;
}

}  // namespace numbrella
