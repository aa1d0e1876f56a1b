// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The face the converter and the reference windows are laid out for, or the nearest
// sans serif of similar widths that the system has.
#include <QFont>

namespace numbrella::ui {

inline QFont WindowFont(qreal points, bool bold) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                    QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                    QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace numbrella::ui
