// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window for keyboard and screen-reader users: the names of its
// controls, the Tab chain in reading order, and the focus mark on the display strip.
#include "calculator/frmNewCalculator1.h"

#include "ui/RichTextBox.h"
#include "ui/accessibility.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

// The expanded workboard lies over the worksheet: Tab passes over the keys under it.
bool frmNewCalculator1::focusNextPrevChild(bool next) { return ui::FocusNextSeen(this, next); }

}  // namespace numbrella
