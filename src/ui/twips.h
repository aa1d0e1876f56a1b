// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Window coordinates are laid out in twips (1/1440 inch), 15 to a logical pixel, from
// the top left of the client area: each window places its controls from a table of
// TwipsRect rows, and Px turns them into pixels. Fractional twips (the collapsed
// workboard's) round to the nearest pixel like whole ones, halves up.
#include <QRect>

namespace numbrella::ui {

struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

constexpr int Px(double twips) { return static_cast<int>(twips / 15.0 + 0.5); }

constexpr QRect Twips(double left, double top, double width, double height) {
  return QRect(Px(left), Px(top), Px(width), Px(height));
}

constexpr QRect Px(const TwipsRect& place) {
  return Twips(place.left, place.top, place.width, place.height);
}

}  // namespace numbrella::ui
