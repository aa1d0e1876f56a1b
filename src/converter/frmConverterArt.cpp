// SPDX-License-Identifier: GPL-3.0-or-later
#include "converter/frmConverterArt.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace numbrella {

namespace {

// The hand pointing right, drawn on a 32 by 32 canvas.
void DrawHand(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  // Drawn on a band 14 pixels high, stretched to fill the height of the picture.
  painter.translate(0, 16);
  painter.scale(1.0, 1.6);
  painter.translate(0, -17.25);
  QPen outline(QColor(0, 0, 0), 1.0);
  outline.setCosmetic(true);
  // Cyan bar behind the wrist.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 255, 255));
  painter.drawRect(QRectF(1, 11, 6, 13));
  painter.setPen(outline);
  painter.drawRect(QRectF(1.5, 11.5, 5, 12));

  QPainterPath hand;
  // Cuff at the wrist, then the back of the hand, the pointing finger and the
  // curled fingers below it.
  hand.moveTo(7.5, 12.5);
  hand.lineTo(13.5, 10.5);
  hand.lineTo(28.5, 10.5);
  hand.quadTo(30.5, 12.0, 28.5, 13.5);
  hand.lineTo(18.5, 13.5);
  hand.lineTo(19.5, 15.5);
  hand.quadTo(21.0, 17.0, 19.5, 18.5);
  hand.quadTo(21.0, 20.0, 19.5, 21.5);
  hand.quadTo(20.5, 23.0, 18.5, 24.0);
  hand.lineTo(13.5, 24.0);
  hand.lineTo(7.5, 22.5);
  hand.closeSubpath();
  painter.setBrush(QColor(255, 255, 255));
  painter.drawPath(hand);

  // Creases of the curled fingers and the thumb.
  painter.drawLine(QPointF(14.5, 15.5), QPointF(19.5, 15.5));
  painter.drawLine(QPointF(14.5, 18.5), QPointF(19.5, 18.5));
  painter.drawLine(QPointF(14.5, 21.5), QPointF(19.5, 21.5));
  painter.drawLine(QPointF(13.5, 10.5), QPointF(15.5, 13.5));
}

void DrawArrow(QPainter& painter, qreal left, qreal right, qreal middle, qreal half,
               bool pointingLeft) {
  const qreal head = (right - left) * 0.4;
  const qreal shaft = half * 0.45;
  QPolygonF arrow;
  if (pointingLeft) {
    arrow << QPointF(left, middle) << QPointF(left + head, middle - half)
          << QPointF(left + head, middle - shaft) << QPointF(right, middle - shaft)
          << QPointF(right, middle + shaft) << QPointF(left + head, middle + shaft)
          << QPointF(left + head, middle + half);
  } else {
    arrow << QPointF(right, middle) << QPointF(right - head, middle - half)
          << QPointF(right - head, middle - shaft) << QPointF(left, middle - shaft)
          << QPointF(left, middle + shaft) << QPointF(right - head, middle + shaft)
          << QPointF(right - head, middle + half);
  }
  painter.drawPolygon(arrow);
}

QPixmap IconPicture(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(QColor(192, 192, 192));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, true);
  const qreal s = size / 32.0;
  painter.setPen(QPen(QColor(64, 64, 64), size >= 32 ? 1.0 : 0.5));
  painter.setBrush(QColor(255, 255, 255));
  DrawArrow(painter, 3 * s, 29 * s, 8.5 * s, 6 * s, true);
  DrawArrow(painter, 3 * s, 29 * s, 23.5 * s, 6 * s, false);
  QPen dashes(QColor(255, 255, 0), 2.0 * s);
  dashes.setDashPattern({2.0, 1.5});
  dashes.setCapStyle(Qt::FlatCap);
  painter.setPen(dashes);
  painter.drawLine(QPointF(1 * s, 16 * s), QPointF(31 * s, 16 * s));
  painter.end();
  return QPixmap::fromImage(image);
}

}  // namespace

QPixmap HandPicture(bool pointingRight) {
  QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  DrawHand(painter);
  painter.end();
  if (!pointingRight) image = image.mirrored(true, false);
  return QPixmap::fromImage(image);
}

QIcon ConverterIcon() {
  QIcon icon;
  icon.addPixmap(IconPicture(32));
  icon.addPixmap(IconPicture(16));
  return icon;
}

}  // namespace numbrella
