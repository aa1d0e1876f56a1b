// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fitting_label.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace numbrella::ui {

namespace {

// The font shrinks in steps of half a point, as font sizes are offered.
constexpr double kPointStep = 0.5;
// A long number has no blank for a tooltip to wrap at: it runs off the screen unless
// it comes in lines of its own.
constexpr qsizetype kTipLineLength = 60;

QString TipLines(const QString& text) {
  QStringList lines;
  for (qsizetype at = 0; at < text.size(); at += kTipLineLength) {
    lines << text.mid(at, kTipLineLength);
  }
  return lines.join(u'\n');
}

}  // namespace

FittingLabel::FittingLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

QRect FittingLabel::Room() const {
  const int m = margin();
  QRect room = contentsRect().adjusted(m, m, -m, -m);
  // As QLabel indents its text; the fitted text keeps the same gap at its end.
  int in = indent();
  if (in < 0 && frameWidth() > 0) in = fontMetrics().horizontalAdvance(u'x') / 2 - m;
  if (in > 0) room.adjust(in, 0, -in, 0);
  return room;
}

FittingLabel::Drawn FittingLabel::Fitted() const {
  Drawn drawn{Room(), font(), text()};
  const double room = drawn.room.width();
  const double whole = QFontMetricsF(drawn.font, this).horizontalAdvance(drawn.text);
  if (whole <= room) return drawn;
  // Glyphs grow nearly in proportion to the size: start near the size that fits, and
  // step down from there where hinting makes them a little wider.
  const double full = font().pointSizeF();
  double size = std::floor(full * room / whole / kPointStep) * kPointStep;
  for (size = std::min(size, full - kPointStep); size >= kLeastPointSize; size -= kPointStep) {
    drawn.font.setPointSizeF(size);
    if (QFontMetricsF(drawn.font, this).horizontalAdvance(drawn.text) <= room) return drawn;
  }
  drawn.font.setPointSizeF(kLeastPointSize);
  drawn.text = QFontMetricsF(drawn.font, this).elidedText(drawn.text, Qt::ElideRight, room);
  return drawn;
}

void FittingLabel::paintEvent(QPaintEvent* event) {
  const Drawn drawn = Fitted();
  if (drawn.text == text() && drawn.font == font()) {
    QLabel::paintEvent(event);  // a text that fits looks as in any label
    return;
  }
  QPainter painter(this);
  drawFrame(&painter);
  painter.setFont(drawn.font);
  const auto flags = QStyle::visualAlignment(layoutDirection(), alignment());
  style()->drawItemText(&painter, drawn.room, static_cast<int>(flags), palette(), isEnabled(),
                        drawn.text, foregroundRole());
}

bool FittingLabel::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && Fitted().text != text()) {
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), TipLines(text()), this);
    return true;
  }
  return QLabel::event(event);
}

}  // namespace numbrella::ui
