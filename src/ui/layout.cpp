// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/layout.h"

#include "ui/accessibility.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>

namespace numbrella::ui {

namespace {

constexpr double kTwipsPerPixel = 15.0;  // at 96 dots per inch

// The font the windows are laid out for, a 9-point sans serif at 96 dots per inch: the
// average width of its letters and its line height, in pixels.
constexpr double kDesignLetterWidth = 7.41;
constexpr double kDesignLineHeight = 14.0;

double FontScale(const QFont& font) {
  static const QString letters =
      QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
  // A window lays out its parts one after another, each with a Layout of its own: the
  // font they share is measured once.
  static QString measuredFont;
  static double measuredScale = 0;
  const QString key = font.key();
  if (measuredScale > 0 && key == measuredFont) return measuredScale;
  const QFontMetricsF metrics(font);
  measuredScale =
      std::max({1.0, metrics.horizontalAdvance(letters) / letters.size() / kDesignLetterWidth,
                metrics.height() / kDesignLineHeight});
  measuredFont = key;
  return measuredScale;
}

}  // namespace

Layout::Layout(QWidget& window) : window_(window), scale_(FontScale(window.font())) {}

void Layout::Create(QWidget* parent, std::span<const ControlRow> rows) const {
  for (const ControlRow& row : rows) Create(parent, row);
}

QWidget* Layout::Create(QWidget* parent, const ControlRow& row) const {
  QWidget* control = row.make(window_, parent);
  Place(control, row);
  return control;
}

void Layout::Place(QWidget* control, const ControlRow& row) const {
  const char* context = window_.metaObject()->className();
  auto translated = [context](const char* text) {
    return QCoreApplication::translate(context, text);
  };
  control->setObjectName(QLatin1String(row.name));
  control->setGeometry(Pixels(row.twips));
  if (row.caption != nullptr) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
      label->setText(translated(row.caption));
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      button->setText(translated(row.caption));
    }
  }
  if (row.tip != nullptr) control->setToolTip(translated(row.tip));
  if (row.spoken != nullptr) control->setAccessibleName(translated(row.spoken));
  if (row.description != nullptr) {
    control->setAccessibleDescription(translated(row.description));
  } else if (row.tip != nullptr) {
    DescribeByToolTip(control);
  }
}

int Layout::Pixels(double twips) const {
  return static_cast<int>(twips * scale_ / kTwipsPerPixel + 0.5);
}

QRect Layout::Pixels(const TwipsRect& twips) const {
  return QRect(Pixels(twips.left), Pixels(twips.top), Pixels(twips.width), Pixels(twips.height));
}

QSize Layout::Pixels(int widthTwips, int heightTwips) const {
  return QSize(Pixels(widthTwips), Pixels(heightTwips));
}

int WidthToShow(const QComboBox* box) {
  const QFontMetrics metrics(box->font());
  int widest = 0;
  for (int index = 0; index < box->count(); ++index) {
    widest = std::max(widest, metrics.horizontalAdvance(box->itemText(index)));
  }
  QStyleOptionComboBox option;
  option.initFrom(box);
  option.editable = box->isEditable();
  return box->style()
      ->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(widest, metrics.height()), box)
      .width();
}

}  // namespace numbrella::ui
