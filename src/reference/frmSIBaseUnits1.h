// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table of the seven SI base units: a fixed set of labels.
#include <QFont>
#include <QIcon>
#include <QWidget>

#include <array>

class QLabel;

namespace numbrella {

struct SILabel;

class frmSIBaseUnits1 : public QWidget {
  Q_OBJECT

 public:
  frmSIBaseUnits1();

 private:
  std::array<QLabel*, 3> Label1{};  // headings: Name, Symbol, Quantity
  std::array<QLabel*, 7> Label2{};  // one row per base unit
};

// Pieces shared by the two table windows.
namespace si_tables {

// Two crossed yellow rulers, 32 by 32 and 16 by 16.
QIcon RulersIcon();
// Headings: bold, underlined, proportional.
QFont HeadingFont();
// Rows: bold, fixed-width, so that the padded columns line up.
QFont RowFont();
// A plain-text label named, filled and placed (twips) as `label` gives.
QLabel* MakeLabel(QWidget* parent, const SILabel& label);

}  // namespace si_tables

}  // namespace numbrella
