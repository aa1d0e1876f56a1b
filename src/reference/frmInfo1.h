// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The SI reference windows, each shown once, without modality and without an owner.
// frmInfo1 shows the explanatory text on the International System of Units; the table
// windows are in frmSIBaseUnits1.h and frmSIPrefixes1.h.
#include <QWidget>

namespace numbrella {

namespace ui {
class RichTextBox;
}

// The three windows, as the converter's Info menu names them.
enum class SIWindow {
  Info,       // frmInfo1
  BaseUnits,  // frmSIBaseUnits1
  Prefixes,   // frmSIPrefixes1
};

class frmInfo1 : public QWidget {
  Q_OBJECT

 public:
  // Builds and loads the window (Form_Load); not shown yet.
  frmInfo1();

 private:
  void Form_Load();

  ui::RichTextBox* rtbInfo = nullptr;  // the explanatory text, for reading
};

}  // namespace numbrella
