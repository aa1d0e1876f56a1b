// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Window coordinates are laid out in twips, 15 to a logical pixel. Fractional twips
// (the collapsed workboard's) round to the nearest pixel like whole ones, halves up.
#include <QRect>

namespace numbrella::ui {

constexpr int Px(double twips) { return static_cast<int>(twips / 15.0 + 0.5); }

constexpr QRect Twips(double left, double top, double width, double height) {
  return QRect(Px(left), Px(top), Px(width), Px(height));
}

}  // namespace numbrella::ui
