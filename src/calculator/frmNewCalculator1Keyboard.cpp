// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window for keyboard and screen-reader users: the names of its
// controls, the Tab chain in reading order, and the focus mark on the display strip.
#include "calculator/frmNewCalculator1.h"

#include "ui/RichTextBox.h"
#include "ui/accessibility.h"
#include "ui/focus_frame.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include <iterator>

namespace numbrella {

namespace {

// The focus mark on the black strip: a white frame, as wide as a thick caret.
constexpr int kFocusFrameWidth = 3;

}  // namespace

void frmNewCalculator1::MakeAccessible() {
  // The controls with captions beside them are named after the captions; the rows of
  // the layout name the others whose captions say too little.
  ui::NameAfter(Label1, txtOperand[0]);
  ui::NameAfter(Label3, txtOperand[1]);
  ui::NameAfter(Label5, Combo4);
  ui::NameAfter(Label9, Combo2);
  ui::NameAfter(Label10, Combo1);
  ui::NameAfter(Label11, Combo3);
  ui::NameAfter(Label12, Text3);
  ui::NameAfter(Label13, Text2);
  ui::LabelDisplay(Label2, lblOperator);
  ui::LabelDisplay(Label4, lblAnswer);

  // The answer is read from the keyboard like the operands; the mouse leaves the
  // focus where it is.
  lblAnswer->setFocusPolicy(Qt::TabFocus);
  for (QWidget* display :
       {static_cast<QWidget*>(txtOperand[0]), static_cast<QWidget*>(txtOperand[1]),
        static_cast<QWidget*>(lblAnswer)}) {
    ui::MarkFocus(display, Qt::black, Qt::white, kFocusFrameWidth);
  }
  for (QLineEdit* slot : txtPaste) {
    ui::MarkFocus(slot, Qt::black, Qt::white, kFocusFrameWidth);
  }
  // Tab leaves the workboard; a tab character cannot be typed into the record.
  txtArchive1->setTabChangesFocus(true);

  // Reading order: the display strip, the keypad row by row, the function keys row by
  // row, the decimal places, the constants slot by slot, then the workboard with its
  // buttons above it and its font controls beside it.
  ui::SetTabOrder({txtOperand[0],
                   txtOperand[1],
                   lblAnswer,
                   Command1[7],
                   Command1[8],
                   Command1[9],
                   Command1[4],
                   Command1[5],
                   Command1[6],
                   Command1[1],
                   Command1[2],
                   Command1[3],
                   Command1[0],
                   cmdDecimal,
                   cmdEqualSign,
                   cmdOperatorX,
                   cmdOperatorDivide,
                   cmdOperatorPlus,
                   cmdOperatorMinus,
                   cmdOperatorSR,
                   cmdCubeRoot,
                   cmdInverse,
                   cmdPowers,
                   cmdPlusMinus,
                   Command1[Worksheet::kPiKey],
                   cmdCopy,
                   cmdPaste,
                   cmdBackspace,
                   cmdClearAll,
                   Combo4,
                   Command7,
                   cmdCopyA[0],
                   cmdPasteA[0],
                   txtPaste[0],
                   cmdCopyA[1],
                   cmdPasteA[1],
                   txtPaste[1],
                   cmdCopyA[2],
                   cmdPasteA[2],
                   txtPaste[2],
                   cmdCopyA[3],
                   cmdPasteA[3],
                   txtPaste[3],
                   cmdCopyA[4],
                   cmdPasteA[4],
                   txtPaste[4],
                   Command5,
                   Command4,
                   txtArchive1,
                   Command2,
                   Command3,
                   Check1,
                   Check2,
                   Combo2,
                   Combo1,
                   Combo3});
}

// F6 and Shift+F6 go from region to region, as in other desktop programs: the
// worksheet, the constants, the workboard and its font panel, each said as it is
// reached. The regions follow one another in the Tab chain.
void frmNewCalculator1::WireRegions() {
  for (const bool forward : {true, false}) {
    auto* key = new QShortcut(QKeySequence(forward ? Qt::Key_F6 : Qt::SHIFT | Qt::Key_F6), this);
    connect(key, &QShortcut::activated, this, [this, forward] { GoToRegion(forward); });
  }
}

void frmNewCalculator1::GoToRegion(bool forward) {
  struct Region {
    QWidget* start;  // where the region starts in the Tab chain
    QWidget* reached;
    QString name;
  };
  const Region regions[] = {
      {txtOperand[0], txtOperand[0], tr("Worksheet")},
      {cmdCopyA[0], cmdCopyA[0], tr("Constants")},
      {Command5, ui::IsSeen(txtArchive1) ? static_cast<QWidget*>(txtArchive1) : Command5,
       tr("Workboard")},
      {Check1, Check1, tr("Font properties")},
  };
  constexpr int count = static_cast<int>(std::size(regions));
  int here = 0;
  int region = 0;
  QWidget* focus = QApplication::focusWidget();
  QWidget* control = regions[0].start;
  do {
    for (int r = 0; r < count; ++r) {
      if (control == regions[r].start) region = r;
    }
    if (control == focus) here = region;
    control = control->nextInFocusChain();
  } while (control != nullptr && control != regions[0].start && control != this);
  for (int step = 1; step < count; ++step) {
    const Region& next = regions[(here + (forward ? step : count - step)) % count];
    if (!ui::IsSeen(next.reached)) continue;
    next.reached->setFocus(Qt::ShortcutFocusReason);
    announcer->Announce(next.name);
    return;
  }
}

// The expanded workboard lies over the worksheet: Tab passes over the keys under it.
bool frmNewCalculator1::focusNextPrevChild(bool next) { return ui::FocusNextSeen(this, next); }

}  // namespace numbrella
