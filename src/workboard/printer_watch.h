// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The memory of the printer situation that the repaint check and the print system's
// news share: the default printer's name, or none. Either acts only when the situation
// differs from the one the last start-up or check dealt with, whatever came of that.
#include <optional>
#include <string>
#include <utility>

namespace numbrella {

enum class PrinterChange {
  None,               // the same situation: nothing to do
  NewDefaultPrinter,  // another (or a first) default printer: its fonts and name
  PrinterGone,        // the default printer went away: screen fonts, once
};

class PrinterWatch {
 public:
  // The situation a start-up dealt with.
  void Remember(std::optional<std::string> defaultPrinter) {
    remembered_ = std::move(defaultPrinter);
  }
  // What the situation found now asks for; it is remembered from here on.
  PrinterChange Check(const std::optional<std::string>& defaultPrinter);

 private:
  std::optional<std::string> remembered_;
};

}  // namespace numbrella
