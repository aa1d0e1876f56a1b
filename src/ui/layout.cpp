// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/layout.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>

namespace numbrella::ui {

namespace {

constexpr double kTwipsPerPixel = 15.0;  // at 96 dots per inch

}  // namespace

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
  if (row.description != nullptr) control->setAccessibleDescription(translated(row.description));
}

int Layout::Pixels(double twips) const { return static_cast<int>(twips / kTwipsPerPixel + 0.5); }

QRect Layout::Pixels(const TwipsRect& twips) const {
  return QRect(Pixels(twips.left), Pixels(twips.top), Pixels(twips.width), Pixels(twips.height));
}

QSize Layout::Pixels(int widthTwips, int heightTwips) const {
  return QSize(Pixels(widthTwips), Pixels(heightTwips));
}

}  // namespace numbrella::ui
