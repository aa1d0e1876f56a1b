// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform services the windows are given when the program runs for real.
#include "ui/services.h"

#include <memory>

namespace numbrella::app {

class PrinterAnswers;

// The real services, calling QMessageBox, QFileDialog, QColorDialog, the printing
// module (app/print_module.h), the print system (app/print_system.h), QFontDatabase,
// QClipboard. Whoever makes them owns them; services() hands them out for as long as
// they live.
class RealServices {
 public:
  RealServices();
  // With the printer questions already under way.
  explicit RealServices(std::unique_ptr<PrinterAnswers> printerAnswers);
  ~RealServices();
  RealServices(const RealServices&) = delete;
  RealServices& operator=(const RealServices&) = delete;

  const ui::Services& services() const { return services_; }

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
  ui::Services services_;
};

}  // namespace numbrella::app
