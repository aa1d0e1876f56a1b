// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table of the seven SI base units: a fixed set of labels.
#include <QIcon>
#include <QWidget>

#include <array>
#include <string_view>

class QLabel;

namespace numbrella {

class frmSIBaseUnits1 : public QWidget {
  Q_OBJECT

 public:
  frmSIBaseUnits1();

 private:
  std::array<QLabel*, 3> Label1{};  // headings: Name, Symbol, Quantity
  std::array<QLabel*, 7> Label2{};  // one row per base unit, Meter first
};

// Pieces shared by the two table windows; FollowDesktop serves all three reference
// windows.
namespace si_tables {

// Gives `window` its client area of `widthTwips` by `heightTwips`, and again, with its
// controls placed anew and each label's text whole, whenever the desktop's font,
// palette or style changes while it is open.
void FollowDesktop(QWidget& window, int widthTwips, int heightTwips);

// Two crossed yellow rulers, 32 by 32 and 16 by 16.
QIcon RulersIcon();
// A heading over a column, placed with its caption: bold, underlined, proportional.
void ShowAsHeading(QLabel* label);
// A row of the table, placed, showing `text` (UTF-8): bold and fixed-width, so that the
// padded columns line up.
void ShowAsRow(QLabel* label, std::string_view text);

}  // namespace si_tables

}  // namespace numbrella
