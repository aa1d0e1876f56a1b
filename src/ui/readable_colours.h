// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the program fixes a background, it fixes the text on it too: the desktop's
// text colour is made for the desktop's background, and a dark desktop's near-white
// text on the workboard's yellow cannot be read.
#include <QColor>
#include <QPalette>
#include <QWidget>

#include <cmath>

namespace numbrella::ui {

// Black or white, whichever stands out more against `background`.
inline QColor ReadableOn(const QColor& background) {
  // Relative luminance in the sRGB curve's linear light; the two contrasts with black
  // and white are equal at 0.179.
  auto linear = [](double c) {
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  const QColor rgb = background.toRgb();
  const double luminance =
      0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
  return luminance > 0.179 ? QColor(0, 0, 0) : QColor(255, 255, 255);
}

// Gives `control` the background `background` wherever it draws one, and the text that
// reads on it.
inline void FixBackground(QWidget* control, const QColor& background) {
  QPalette colours = control->palette();
  const QColor text = ReadableOn(background);
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    colours.setColor(group, QPalette::Base, background);
    colours.setColor(group, QPalette::Text, text);
  }
  control->setPalette(colours);
}

}  // namespace numbrella::ui
