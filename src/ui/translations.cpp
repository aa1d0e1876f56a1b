// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/translations.h"

#include <QCoreApplication>

#include <string>

namespace numbrella::ui {

QString Translated(const char* context, std::string_view text) {
  const std::string source(text);  // translate() wants a terminated text
  return QCoreApplication::translate(context, source.c_str());
}

}  // namespace numbrella::ui
