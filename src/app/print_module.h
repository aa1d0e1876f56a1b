// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printing module: the printer and the print dialog of ui/printing.h, built into a
// library of their own that the program opens at its first print. Linked, Qt's print
// support would be loaded and bound with every start, printing or not.
#include "ui/services.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace numbrella::app {

struct PrintModule {
  std::unique_ptr<ui::Printer> (*newPrinter)();
  bool (*choose)(QWidget* parent, ui::Printer& printer, const ui::PrintDialogRequest& request);
};

inline constexpr char kPrintModuleFile[] = "libnumbrella-print.so";
// The one name the module exports: a function returning its PrintModule.
inline constexpr char kPrintModuleEntry[] = "numbrella_print_module";

struct LoadedPrintModule {
  const PrintModule* module = nullptr;
  QString error;  // why there is none, in the system's words
};
// The module from the first of `files` that exists, or else from the last. A file that
// exists and does not load is the answer: a broken module is not passed over for an
// older one.
LoadedPrintModule LoadPrintModule(const QStringList& files);
// Where the program looks: beside itself, as in the build, then where it is installed.
QStringList PrintModuleFiles();

}  // namespace numbrella::app
