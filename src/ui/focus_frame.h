// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame that shows sighted keyboard users which control has the focus.
#include <QColor>
#include <QPalette>

class QWidget;

namespace numbrella::ui {

// A frame of `width` pixels drawn inside `control`: in `rest` colour, and in `focused`
// colour while the control has the focus. The frame's width never changes, so the
// content does not move when the focus comes or goes.
void MarkFocus(QWidget* control, const QColor& rest, const QColor& focused, int width);
// The same in the control's palette colours `rest` and `focused`, the palette's as it is
// when the frame is drawn, so that the frame follows a new palette of the desktop's.
void MarkFocus(QWidget* control, QPalette::ColorRole rest, QPalette::ColorRole focused, int width);

}  // namespace numbrella::ui
