// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table of the twenty SI prefixes: a fixed set of labels.
#include <QWidget>

#include <array>

class QLabel;

namespace numbrella {

class frmSIPrefixes1 : public QWidget {
  Q_OBJECT

 public:
  frmSIPrefixes1();

 private:
  QLabel* Label2 = nullptr;  // heading "Name"
  QLabel* Label5 = nullptr;  // heading "Symbol"
  QLabel* Label3 = nullptr;  // heading "Multiplying Factor"
  QLabel* Label4 = nullptr;  // heading "Scientific Notation"
  // One row per prefix; the array index is not the order on screen (exa- is 0).
  std::array<QLabel*, 20> Label1{};
};

}  // namespace numbrella
