// SPDX-License-Identifier: GPL-3.0-or-later
// The printing module's entry (libnumbrella-print.so).
#include "app/print_module.h"

#include "ui/printing.h"

extern "C" __attribute__((visibility("default"))) const numbrella::app::PrintModule*
numbrella_print_module() {
  static constexpr numbrella::app::PrintModule kModule{&numbrella::ui::NewDevicePrinter,
                                                       &numbrella::ui::ChooseInPrintDialog};
  return &kModule;
}
