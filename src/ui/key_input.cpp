// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/key_input.h"

#include <QFocusEvent>
#include <QWidget>

namespace numbrella::ui {

void FocusWatch::Watch(QWidget* control, Handler handler) {
  watched_.emplace_back(control, std::move(handler));
  control->installEventFilter(this);
}

bool FocusWatch::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut) return false;
  for (const auto& [control, handler] : watched_) {
    if (control == watched) {
      handler(event->type() == QEvent::FocusIn, static_cast<QFocusEvent*>(event)->reason());
    }
  }
  return false;
}

}  // namespace numbrella::ui
