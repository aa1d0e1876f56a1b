// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A single-line text field that holds whatever is put into it. Qt's fields cut their
// text at 32,767 characters unseen; the program's fields hold numbers of any length
// that the user types, pastes or repeats into them.
#include <QLineEdit>

#include <limits>

namespace numbrella::ui {

inline QLineEdit* TextField(QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setMaxLength(std::numeric_limits<int>::max());
  return field;
}

}  // namespace numbrella::ui
