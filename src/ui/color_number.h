// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colour numbers as the program writes them: 0x00BBGGRR (red in the lowest byte;
// 65535 is yellow).
#include <QColor>
#include <QtGlobal>

namespace numbrella::ui {

inline QColor ColorFromNumber(quint32 bgr) {
  return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                static_cast<int>((bgr >> 16) & 0xFFu));
}

inline quint32 NumberFromColor(const QColor& color) {
  const QColor rgb = color.toRgb();
  return static_cast<quint32>(rgb.red()) | (static_cast<quint32>(rgb.green()) << 8) |
         (static_cast<quint32>(rgb.blue()) << 16);
}

}  // namespace numbrella::ui
