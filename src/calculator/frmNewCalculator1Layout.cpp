// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window's controls and where they stand.
#include "calculator/frmNewCalculator1.h"

#include "ui/CommonDialog.h"
#include "ui/RichTextBox.h"
#include "ui/accessibility.h"
#include "ui/layout.h"
#include "ui/readable_colours.h"
#include "ui/text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <initializer_list>
#include <string>

namespace numbrella {

using ui::Q;

namespace {

constexpr int kRepeatMilliseconds = 250;
// The answer starts a little in from the strip's edge; the operands have their margins.
constexpr int kAnswerIndentPixels = 6;
// The list of decimal places shows "0" to "11" before it scrolls.
constexpr int kPlacesShownAtOnce = 12;

// The display strip: black, bright green, bold sans-serif 18 points.
void MakeDisplay(QWidget* widget) {
  QPalette colours = widget->palette();
  for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window}) {
    colours.setColor(role, QColor(0, 0, 0));
  }
  for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText}) {
    colours.setColor(role, QColor(0, 255, 0));
  }
  widget->setPalette(colours);
  widget->setAutoFillBackground(true);
  // A flat strip: the black is its own border.
  if (auto* field = qobject_cast<QLineEdit*>(widget)) field->setFrame(false);
  QFont font(QStringLiteral("Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(18);
  font.setBold(true);
  widget->setFont(font);
}

QFont KeyFont() {
  QFont font(QStringLiteral("Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(12);
  font.setBold(true);
  return font;
}

// The pictures of the expand and collapse buttons: a small arrow up or down, drawn
// rather than loaded, so that the window starts without decoding images. Dark green
// on a light button, light green on a dark one.
QIcon ArrowPicture(bool up, const QColor& button) {
  QPixmap picture(16, 16);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(ui::ReadableOn(button) == Qt::black ? QColor(0, 96, 0) : QColor(144, 238, 144));
  const QPointF tip(8, up ? 2 : 14);
  const double base = up ? 13 : 3;
  const QPointF arrow[3] = {tip, QPointF(2, base), QPointF(14, base)};
  painter.drawPolygon(arrow, 3);
  return QIcon(picture);
}

}  // namespace

void frmNewCalculator1::CreateControls() {
  auto* area = new QWidget(this);
  area->setObjectName(QStringLiteral("frmNewCalculator1Client"));
  setCentralWidget(area);

  CreateWorksheet(area);
  CreateWorkboard(area);
  ui::FollowDesktop(*this, [this] { DesktopChanged(); });
}

// A new desktop font, palette or style: the window takes the size and places a start
// at that font gives it, where it stands; what it shows stays.
void frmNewCalculator1::DesktopChanged() {
  ui::Layout(*this).PlaceAgain(*this);
  SetWindowHeight(mnuDisplayWork->isChecked() ? kShownHeightTwips : kHiddenHeightTwips);
  DrawArrows();
}

void frmNewCalculator1::DrawArrows() {
  Command2->setIcon(ArrowPicture(true, Command2->palette().color(QPalette::Button)));
  Command3->setIcon(ArrowPicture(false, Command3->palette().color(QPalette::Button)));
}

void frmNewCalculator1::CreateWorksheet(QWidget* area) {
  using W = frmNewCalculator1;
  using ui::Keep;
  // Captions and the display strip, left to right, then the answer below.
  // clang-format off
  static constexpr ui::ControlRow kDisplay[] = {
      {Keep<&W::Label1>, "Label1", {120, 90, 3780, 240}, QT_TR_NOOP("Operand 1")},
      {Keep<&W::Label2>, "Label2", {3990, 90, 1380, 240}, QT_TR_NOOP("Operator")},
      {Keep<&W::Label3>, "Label3", {5460, 90, 3780, 240}, QT_TR_NOOP("Operand 2")},
      {Keep<&W::txtOperand, 0>, "txtOperand(0)", {120, 360, 3780, 540}},
      {Keep<&W::txtOperand, 1>, "txtOperand(1)", {5460, 360, 3780, 540}},
      {Keep<&W::lblOperator>, "lblOperator", {3990, 360, 1380, 540}},
      {Keep<&W::Label4>, "Label4", {120, 960, 9120, 240}, QT_TR_NOOP("Answer")},
      {Keep<&W::lblAnswer>, "lblAnswer", {120, 1230, 9120, 540}},
  };
  // clang-format on
  // Four key rows: the keypad in three columns, the function keys in four.
  // clang-format off
  static constexpr ui::ControlRow kKeys[] = {
      {Keep<&W::Command1, 7>, "Command1(7)", {120, 1890, 930, 570}, "7"},
      {Keep<&W::Command1, 8>, "Command1(8)", {1140, 1890, 930, 570}, "8"},
      {Keep<&W::Command1, 9>, "Command1(9)", {2160, 1890, 930, 570}, "9"},
      {Keep<&W::Command1, 4>, "Command1(4)", {120, 2520, 930, 570}, "4"},
      {Keep<&W::Command1, 5>, "Command1(5)", {1140, 2520, 930, 570}, "5"},
      {Keep<&W::Command1, 6>, "Command1(6)", {2160, 2520, 930, 570}, "6"},
      {Keep<&W::Command1, 1>, "Command1(1)", {120, 3150, 930, 570}, "1"},
      {Keep<&W::Command1, 2>, "Command1(2)", {1140, 3150, 930, 570}, "2"},
      {Keep<&W::Command1, 3>, "Command1(3)", {2160, 3150, 930, 570}, "3"},
      {Keep<&W::Command1, 0>, "Command1(0)", {120, 3780, 930, 570}, "0"},
      {Keep<&W::cmdDecimal>, "cmdDecimal", {1140, 3780, 930, 570}, ".", nullptr,
       QT_TR_NOOP("Decimal point")},
      {Keep<&W::cmdEqualSign>, "cmdEqualSign", {2160, 3780, 930, 570}, "=", nullptr,
       QT_TR_NOOP("Equals")},
      {Keep<&W::cmdOperatorX>, "cmdOperatorX", {3300, 1890, 1440, 570}, "X",
       QT_TR_NOOP(" Multiply "), QT_TR_NOOP("Multiply")},
      {Keep<&W::cmdOperatorDivide>, "cmdOperatorDivide", {4800, 1890, 1440, 570}, "/",
       QT_TR_NOOP(" Divide "), QT_TR_NOOP("Divide")},
      {Keep<&W::cmdOperatorPlus>, "cmdOperatorPlus", {6300, 1890, 1440, 570}, "+",
       QT_TR_NOOP(" Add "), QT_TR_NOOP("Add")},
      {Keep<&W::cmdOperatorMinus>, "cmdOperatorMinus", {7800, 1890, 1440, 570}, "-",
       QT_TR_NOOP(" Subtract "), QT_TR_NOOP("Subtract")},
      {Keep<&W::cmdOperatorSR>, "cmdOperatorSR", {3300, 2520, 1440, 570}, "SR",
       QT_TR_NOOP(" Square root "), QT_TR_NOOP("Square root")},
      {Keep<&W::cmdCubeRoot>, "cmdCubeRoot", {4800, 2520, 1440, 570}, "CR",
       QT_TR_NOOP(" Cube root "), QT_TR_NOOP("Cube root")},
      {Keep<&W::cmdInverse>, "cmdInverse", {6300, 2520, 1440, 570}, "1/X",
       QT_TR_NOOP(" 1 divided by the number in operand 1 (reciprocal) "), QT_TR_NOOP("Reciprocal")},
      {Keep<&W::cmdPowers>, "cmdPowers", {7800, 2520, 1440, 570}, "X^Y",
       QT_TR_NOOP(" Operand 1 to the power of operand 2 "), QT_TR_NOOP("Power")},
      {Keep<&W::cmdPlusMinus>, "cmdPlusMinus", {3300, 3150, 1440, 570}, "+/-",
       QT_TR_NOOP(" Change sign "), QT_TR_NOOP("Change sign")},
      {Keep<&W::Command1, 10>, "Command1(10)", {4800, 3150, 1440, 570}, QT_TR_NOOP("Pi"),
       " 3.14159265 "},
      {Keep<&W::cmdCopy>, "cmdCopy", {6300, 3150, 1440, 570}, QT_TR_NOOP("Copy"),
       QT_TR_NOOP(" Copy answer ")},
      {Keep<&W::cmdPaste>, "cmdPaste", {7800, 3150, 1440, 570}, QT_TR_NOOP("Paste"),
       QT_TR_NOOP(" Paste last copied answer ")},
      {Keep<&W::cmdBackspace>, "cmdBackspace", {3300, 3780, 2940, 570}, QT_TR_NOOP("Back && CA"),
       QT_TR_NOOP(" Backspace in selected field or clear answer "), QT_TR_NOOP("Backspace")},
      {Keep<&W::cmdClearAll>, "cmdClearAll", {6300, 3780, 2940, 570}, QT_TR_NOOP("Clear All"),
       QT_TR_NOOP(" Clear all fields and answer ")},
  };
  // clang-format on
  // Right of the keys: the decimal places and the constants.
  // clang-format off
  static constexpr ui::ControlRow kRightOfKeys[] = {
      {Keep<&W::Label5>, "Label5", {9600, 90, 3600, 240}, QT_TR_NOOP("Decimal Places In Answer")},
      {Keep<&W::Combo4>, "Combo4", {9600, 360, 1650, 540}},
      {ui::Make<QLabel>, "Label6", {9600, 990, 1200, 240}, QT_TR_NOOP("Constants")},
      {Keep<&W::Command7>, "Command7", {10890, 930, 1350, 360}, QT_TR_NOOP("< C&lear"),
       QT_TR_NOOP(" Clear all constants "), QT_TR_NOOP("Clear constants")},
  };
  // clang-format on
  // The constant slots from the top, 600 twips apart: copy key, paste key, value.
  // clang-format off
  static constexpr ui::ControlRow kSlots[] = {
      {Keep<&W::cmdCopyA, 0>, "cmdCopyA(0)", {9600, 1380, 540, 540}, "C",
       QT_TR_NOOP(" Copy your answer "),
       //: What a screen reader says for the button; the answer is the calculator's result.
       QT_TR_NOOP("Copy answer to constant 1")},
      {Keep<&W::cmdPasteA, 0>, "cmdPasteA(0)", {10200, 1380, 540, 540}, "P",
       QT_TR_NOOP(" Paste this value "), QT_TR_NOOP("Paste constant 1")},
      {Keep<&W::txtPaste, 0>, "txtPaste(0)", {10830, 1380, 4365, 540}, nullptr, nullptr,
       QT_TR_NOOP("Constant 1")},
      {Keep<&W::cmdCopyA, 1>, "cmdCopyA(1)", {9600, 1980, 540, 540}, "C",
       QT_TR_NOOP(" Copy your answer "), QT_TR_NOOP("Copy answer to constant 2")},
      {Keep<&W::cmdPasteA, 1>, "cmdPasteA(1)", {10200, 1980, 540, 540}, "P",
       QT_TR_NOOP(" Paste this value "), QT_TR_NOOP("Paste constant 2")},
      {Keep<&W::txtPaste, 1>, "txtPaste(1)", {10830, 1980, 4365, 540}, nullptr, nullptr,
       QT_TR_NOOP("Constant 2")},
      {Keep<&W::cmdCopyA, 2>, "cmdCopyA(2)", {9600, 2580, 540, 540}, "C",
       QT_TR_NOOP(" Copy your answer "), QT_TR_NOOP("Copy answer to constant 3")},
      {Keep<&W::cmdPasteA, 2>, "cmdPasteA(2)", {10200, 2580, 540, 540}, "P",
       QT_TR_NOOP(" Paste this value "), QT_TR_NOOP("Paste constant 3")},
      {Keep<&W::txtPaste, 2>, "txtPaste(2)", {10830, 2580, 4365, 540}, nullptr, nullptr,
       QT_TR_NOOP("Constant 3")},
      {Keep<&W::cmdCopyA, 3>, "cmdCopyA(3)", {9600, 3180, 540, 540}, "C",
       QT_TR_NOOP(" Copy your answer "), QT_TR_NOOP("Copy answer to constant 4")},
      {Keep<&W::cmdPasteA, 3>, "cmdPasteA(3)", {10200, 3180, 540, 540}, "P",
       QT_TR_NOOP(" Paste this value "), QT_TR_NOOP("Paste constant 4")},
      {Keep<&W::txtPaste, 3>, "txtPaste(3)", {10830, 3180, 4365, 540}, nullptr, nullptr,
       QT_TR_NOOP("Constant 4")},
      {Keep<&W::cmdCopyA, 4>, "cmdCopyA(4)", {9600, 3780, 540, 540}, "C",
       QT_TR_NOOP(" Copy your answer "), QT_TR_NOOP("Copy answer to constant 5")},
      {Keep<&W::cmdPasteA, 4>, "cmdPasteA(4)", {10200, 3780, 540, 540}, "P",
       QT_TR_NOOP(" Paste this value "), QT_TR_NOOP("Paste constant 5")},
      {Keep<&W::txtPaste, 4>, "txtPaste(4)", {10830, 3780, 4365, 540}, nullptr, nullptr,
       QT_TR_NOOP("Constant 5")},
  };
  // clang-format on

  const ui::Layout layout(*this);
  layout.Create(area, kDisplay);
  for (QWidget* display :
       std::initializer_list<QWidget*>{txtOperand[0], txtOperand[1], lblOperator, lblAnswer}) {
    MakeDisplay(display);
  }
  Label2->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  for (QLineEdit* field : txtOperand) {
    ui::SpeakAsTypedInto(field);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::StrongFocus);
  }
  lblOperator->setAlignment(Qt::AlignCenter);
  lblAnswer->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  lblAnswer->setIndent(kAnswerIndentPixels);
  announcer = new ui::Announcer(area);
  // Named "empty" until they show something, not after their captions.
  for (QLabel* display : {lblOperator, static_cast<QLabel*>(lblAnswer)}) {
    display->setAccessibleName(tr("empty"));
  }
  const QFont keyFont = KeyFont();
  for (const ui::ControlRow& row : kKeys) layout.Create(area, row)->setFont(keyFont);

  tmrNumbers = new QTimer(this);
  tmrNumbers->setObjectName(QStringLiteral("tmrNumbers"));
  tmrNumbers->setInterval(kRepeatMilliseconds);
  connect(tmrNumbers, &QTimer::timeout, this, [this] { tmrNumbers_Timer(); });
  tmrBackspace = new QTimer(this);
  tmrBackspace->setObjectName(QStringLiteral("tmrBackspace"));
  tmrBackspace->setInterval(kRepeatMilliseconds);
  connect(tmrBackspace, &QTimer::timeout, this, [this] { tmrBackspace_Timer(); });

  layout.Create(area, kRightOfKeys);
  QFont narrow(QStringLiteral("Arial Narrow"));
  narrow.setPointSizeF(14.25);
  narrow.setBold(true);
  Combo4->setFont(narrow);
  Combo4->setMaxVisibleItems(kPlacesShownAtOnce);
  connect(Combo4, &QComboBox::activated, this, [this] { Combo4_Click(); });
  connect(cmdCopy, &QPushButton::clicked, this, [this] { cmdCopy_Click(); });
  connect(cmdPaste, &QPushButton::clicked, this, [this] { cmdPaste_Click(); });
  connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });

  layout.Create(area, kSlots);
  for (int i = 0; i < static_cast<int>(txtPaste.size()); ++i) {
    const auto slot = static_cast<std::size_t>(i);
    cmdCopyA[slot]->setFont(keyFont);
    cmdPasteA[slot]->setFont(keyFont);
    MakeDisplay(txtPaste[slot]);
    connect(cmdCopyA[slot], &QPushButton::clicked, this, [this, i] { cmdCopyA_Click(i); });
    connect(cmdPasteA[slot], &QPushButton::clicked, this, [this, i] { cmdPasteA_Click(i); });
  }
}

void frmNewCalculator1::CreateWorkboard(QWidget* area) {
  using W = frmNewCalculator1;
  using ui::Keep;
  // The buttons above the workboard, the workboard with its arrows, then the font group
  // right of it, top to bottom.
  // clang-format off
  static constexpr ui::ControlRow kWorkboard[] = {
      {Keep<&W::Command5>, "Command5", {9300, 4440, 2295, 420}, QT_TR_NOOP("&Hide Workboard"),
       QT_TR_NOOP(" Workboard disappears ")},
      {Keep<&W::Command4>, "Command4", {12450, 4440, 2295, 420}, QT_TR_NOOP("Cle&ar Workboard"),
       QT_TR_NOOP(" Clears the contents of the workboard ")},
      {Keep<&W::txtArchive1>, "txtArchive1", {60, 4980, 11325, 5325}, nullptr, nullptr,
       QT_TR_NOOP("Workboard")},
      {Keep<&W::Command2>, "Command2", {11580, 4980, 435, 660}, nullptr,
       QT_TR_NOOP(" Expand workboard "), QT_TR_NOOP("Expand workboard")},
      {Keep<&W::Command3>, "Command3", {11580, 5775, 435, 660}, nullptr,
       QT_TR_NOOP(" Collapse workboard "), QT_TR_NOOP("Collapse workboard")},
      {ui::Make<QLabel>, "Label7", {12180, 4950, 3000, 240},
       QT_TR_NOOP("--Font Properties Used--")},
      {ui::Make<QLabel>, "Label8", {12180, 5190, 3000, 240},
       QT_TR_NOOP("--For Faxing & Printing--")},
      {Keep<&W::Check1>, "Check1", {12180, 5520, 3000, 300}, QT_TR_NOOP("&Bold"),
       QT_TR_NOOP(" Make selected text bold and/or subsequent text bold ")},
      {Keep<&W::Check2>, "Check2", {12180, 5850, 3000, 300}, QT_TR_NOOP("&Italic"),
       QT_TR_NOOP(" Make selected text italic and/or subsequent text italic ")},
      {Keep<&W::Label9>, "Label9", {12180, 6210, 3000, 240}, QT_TR_NOOP("Font face:")},
      {Keep<&W::Combo2>, "Combo2", {12180, 6450, 3000, 390}, nullptr,
       QT_TR_NOOP(" Select a font face ")},
      {Keep<&W::Label10>, "Label10", {12180, 6930, 3000, 240}, QT_TR_NOOP("Size:")},
      {Keep<&W::Combo1>, "Combo1", {12180, 7170, 1200, 390}, nullptr,
       QT_TR_NOOP(" Select a font size ")},
      {Keep<&W::Label11>, "Label11", {12180, 7650, 3000, 240}, QT_TR_NOOP("Line Spacing")},
      {Keep<&W::Combo3>, "Combo3", {12180, 7890, 1200, 390}, nullptr,
       QT_TR_NOOP(" Select the spacing between each new entry on the whiteboard ")},
      {Keep<&W::Label12>, "Label12", {12180, 8370, 3000, 240},
       QT_TR_NOOP("Default printer/fax program:")},
      {Keep<&W::Text3>, "Text3", {12180, 8610, 3000, 360}},
      {Keep<&W::Label13>, "Label13", {12180, 9060, 3000, 240}, QT_TR_NOOP("Font count:")},
      {Keep<&W::Text2>, "Text2", {12180, 9300, 1200, 360}},
  };
  // clang-format on

  ui::Layout(*this).Create(area, kWorkboard);
  Command4->setVisible(false);
  QFont design(QStringLiteral("Arial"));
  design.setPointSizeF(14.25);
  design.setBold(true);
  txtArchive1->setFont(design);
  connect(txtArchive1, &ui::RichTextBox::Change, this, [this] { txtArchive1_Change(); });
  DrawArrows();
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
  connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
  connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });

  Check1->setChecked(true);
  connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });
  connect(Check2, &QCheckBox::toggled, this, [this] { Check2_Click(); });
  connect(Combo2, &QComboBox::activated, this, [this] { Combo2_Click(); });
  for (int size = 10; size <= 24; size += 2) Combo1->addItem(Q(std::to_string(size)), size);
  Combo1->setCurrentIndex(-1);
  connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
  for (QLineEdit* field : {Text3, Text2}) {
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
  }

  CommonDialog1 = new ui::CommonDialog(*services_.dialogs, this);
  CommonDialog1->setObjectName(QStringLiteral("CommonDialog1"));
}

}  // namespace numbrella
