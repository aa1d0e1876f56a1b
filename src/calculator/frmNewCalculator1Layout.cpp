// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window's controls and where they stand.
#include "calculator/frmNewCalculator1.h"

#include "ui/CommonDialog.h"
#include "ui/RichTextBox.h"
#include "ui/text.h"
#include "ui/text_field.h"
#include "ui/twips.h"

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

#include <string>

namespace numbrella {

using ui::Px;
using ui::Q;

namespace {

constexpr int kRepeatMilliseconds = 250;

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
// rather than loaded, so that the window starts without decoding images.
QIcon ArrowPicture(bool up) {
  QPixmap picture(16, 16);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 96, 0));
  const QPointF tip(8, up ? 2 : 14);
  const double base = up ? 13 : 3;
  const QPointF arrow[3] = {tip, QPointF(2, base), QPointF(14, base)};
  painter.drawPolygon(arrow, 3);
  return QIcon(picture);
}

}  // namespace

QLabel* frmNewCalculator1::Caption(QWidget* area, const QString& text, int x, int y, int width,
                                   int height) {
  auto* label = new QLabel(text, area);
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(x, y, width, height);
  return label;
}

void frmNewCalculator1::CreateControls() {
  auto* area = new QWidget(this);
  area->setObjectName(QStringLiteral("frmNewCalculator1Client"));
  setCentralWidget(area);

  CreateWorksheet(area);
  CreateWorkboard(area);

  // Label names follow the order of the captions on the window.
  int number = 1;
  for (QLabel* label : area->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    if (label->objectName().isEmpty()) {
      label->setObjectName(QStringLiteral("Label%1").arg(number++));
    }
  }
}

void frmNewCalculator1::CreateWorksheet(QWidget* area) {
  const QFont keyFont = KeyFont();
  auto key = [&](const QString& name, const QString& caption, const QString& tip, int x, int y,
                 int width, int height) {
    auto* button = new QPushButton(caption, area);
    button->setObjectName(name);
    button->setGeometry(x, y, width, height);
    button->setFont(keyFont);
    if (!tip.isEmpty()) button->setToolTip(tip);
    return button;
  };

  // Captions and the display strip.
  Caption(area, QStringLiteral("Operand 1"), 8, 6, 252, 16);
  Caption(area, QStringLiteral("Operator"), 266, 6, 92, 16)->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  Caption(area, QStringLiteral("Operand 2"), 364, 6, 252, 16);
  for (int i = 0; i < 2; ++i) {
    auto* field = ui::TextField(area);
    field->setObjectName(QStringLiteral("txtOperand(%1)").arg(i));
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::StrongFocus);
    field->setGeometry(i == 0 ? 8 : 364, 24, 252, 36);
    MakeDisplay(field);
    field->installEventFilter(this);
    txtOperand[static_cast<std::size_t>(i)] = field;
  }
  setTabOrder(txtOperand[0], txtOperand[1]);
  lblOperator = new QLabel(area);
  lblOperator->setObjectName(QStringLiteral("lblOperator"));
  lblOperator->setTextFormat(Qt::PlainText);
  lblOperator->setAlignment(Qt::AlignCenter);
  lblOperator->setGeometry(266, 24, 92, 36);
  MakeDisplay(lblOperator);
  Caption(area, QStringLiteral("Answer"), 8, 64, 608, 16);
  lblAnswer = new QLabel(area);
  lblAnswer->setObjectName(QStringLiteral("lblAnswer"));
  lblAnswer->setTextFormat(Qt::PlainText);
  lblAnswer->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  lblAnswer->setGeometry(8, 82, 608, 36);
  lblAnswer->setIndent(6);
  MakeDisplay(lblAnswer);

  // Four key rows: the keypad in three columns, the function keys in four.
  const int rows[4] = {126, 168, 210, 252};
  const int padX[3] = {8, 76, 144};
  const int fnX[4] = {220, 320, 420, 520};
  constexpr int kKeyHeight = 38;
  constexpr int kPadWidth = 62;
  constexpr int kFnWidth = 96;
  const int digitRow[10] = {3, 2, 2, 2, 1, 1, 1, 0, 0, 0};
  const int digitColumn[10] = {0, 0, 1, 2, 0, 1, 2, 0, 1, 2};
  for (int digit = 0; digit <= 9; ++digit) {
    Command1[static_cast<std::size_t>(digit)] =
        key(QStringLiteral("Command1(%1)").arg(digit), QString(QChar(u'0' + digit)), QString(),
            padX[digitColumn[digit]], rows[digitRow[digit]], kPadWidth, kKeyHeight);
  }
  cmdDecimal = key(QStringLiteral("cmdDecimal"), QStringLiteral("."), QString(), padX[1], rows[3],
                   kPadWidth, kKeyHeight);
  cmdEqualSign = key(QStringLiteral("cmdEqualSign"), QStringLiteral("="), QString(), padX[2],
                     rows[3], kPadWidth, kKeyHeight);

  cmdOperatorX = key(QStringLiteral("cmdOperatorX"), QStringLiteral("X"),
                     QStringLiteral(" Multiply "), fnX[0], rows[0], kFnWidth, kKeyHeight);
  cmdOperatorDivide = key(QStringLiteral("cmdOperatorDivide"), QStringLiteral("/"),
                          QStringLiteral(" Divide "), fnX[1], rows[0], kFnWidth, kKeyHeight);
  cmdOperatorPlus = key(QStringLiteral("cmdOperatorPlus"), QStringLiteral("+"),
                        QStringLiteral(" Add "), fnX[2], rows[0], kFnWidth, kKeyHeight);
  cmdOperatorMinus = key(QStringLiteral("cmdOperatorMinus"), QStringLiteral("-"),
                         QStringLiteral(" Subtract "), fnX[3], rows[0], kFnWidth, kKeyHeight);
  cmdOperatorSR = key(QStringLiteral("cmdOperatorSR"), QStringLiteral("SR"),
                      QStringLiteral(" Square root "), fnX[0], rows[1], kFnWidth, kKeyHeight);
  cmdCubeRoot = key(QStringLiteral("cmdCubeRoot"), QStringLiteral("CR"),
                    QStringLiteral(" Cube root "), fnX[1], rows[1], kFnWidth, kKeyHeight);
  cmdInverse = key(QStringLiteral("cmdInverse"), QStringLiteral("1/X"),
                   QStringLiteral(" 1 divided by the number in operand 1 (reciprocal) "), fnX[2],
                   rows[1], kFnWidth, kKeyHeight);
  cmdPowers = key(QStringLiteral("cmdPowers"), QStringLiteral("X^Y"),
                  QStringLiteral(" Operand 1 to the power of operand 2 "), fnX[3], rows[1],
                  kFnWidth, kKeyHeight);
  cmdPlusMinus = key(QStringLiteral("cmdPlusMinus"), QStringLiteral("+/-"),
                     QStringLiteral(" Change sign "), fnX[0], rows[2], kFnWidth, kKeyHeight);
  Command1[Worksheet::kPiKey] =
      key(QStringLiteral("Command1(10)"), QStringLiteral("Pi"), QStringLiteral(" 3.14159265 "),
          fnX[1], rows[2], kFnWidth, kKeyHeight);
  cmdCopy = key(QStringLiteral("cmdCopy"), QStringLiteral("Copy"), QStringLiteral(" Copy answer "),
                fnX[2], rows[2], kFnWidth, kKeyHeight);
  cmdPaste = key(QStringLiteral("cmdPaste"), QStringLiteral("Paste"),
                 QStringLiteral(" Paste last copied answer "), fnX[3], rows[2], kFnWidth,
                 kKeyHeight);
  cmdBackspace = key(QStringLiteral("cmdBackspace"), QStringLiteral("Back && CA"),
                     QStringLiteral(" Backspace in selected field or clear answer "), fnX[0],
                     rows[3], 2 * kFnWidth + 4, kKeyHeight);
  cmdClearAll = key(QStringLiteral("cmdClearAll"), QStringLiteral("Clear All"),
                    QStringLiteral(" Clear all fields and answer "), fnX[2], rows[3],
                    2 * kFnWidth + 4, kKeyHeight);

  // The keypad and the backspace key answer the mouse alone, any of its buttons.
  for (QPushButton* button : Command1) button->installEventFilter(this);
  cmdBackspace->installEventFilter(this);

  connect(cmdDecimal, &QPushButton::clicked, this, [this] { cmdDecimal_Click(); });
  connect(cmdPlusMinus, &QPushButton::clicked, this, [this] { cmdPlusMinus_Click(); });
  connect(cmdClearAll, &QPushButton::clicked, this, [this] { cmdClearAll_Click(); });
  connect(cmdOperatorX, &QPushButton::clicked, this, [this] { cmdOperatorX_Click(); });
  connect(cmdOperatorDivide, &QPushButton::clicked, this, [this] { cmdOperatorDivide_Click(); });
  connect(cmdOperatorPlus, &QPushButton::clicked, this, [this] { cmdOperatorPlus_Click(); });
  connect(cmdOperatorMinus, &QPushButton::clicked, this, [this] { cmdOperatorMinus_Click(); });
  connect(cmdPowers, &QPushButton::clicked, this, [this] { cmdPowers_Click(); });
  connect(cmdOperatorSR, &QPushButton::clicked, this, [this] { cmdOperatorSR_Click(); });
  connect(cmdCubeRoot, &QPushButton::clicked, this, [this] { cmdCubeRoot_Click(); });
  connect(cmdInverse, &QPushButton::clicked, this, [this] { cmdInverse_Click(); });
  connect(cmdEqualSign, &QPushButton::clicked, this, [this] { cmdEqualSign_Click(); });
  connect(cmdCopy, &QPushButton::clicked, this, [this] { cmdCopy_Click(); });
  connect(cmdPaste, &QPushButton::clicked, this, [this] { cmdPaste_Click(); });

  tmrNumbers = new QTimer(this);
  tmrNumbers->setObjectName(QStringLiteral("tmrNumbers"));
  tmrNumbers->setInterval(kRepeatMilliseconds);
  connect(tmrNumbers, &QTimer::timeout, this, [this] { tmrNumbers_Timer(); });
  tmrBackspace = new QTimer(this);
  tmrBackspace->setObjectName(QStringLiteral("tmrBackspace"));
  tmrBackspace->setInterval(kRepeatMilliseconds);
  connect(tmrBackspace, &QTimer::timeout, this, [this] { tmrBackspace_Timer(); });

  // Right of the keys: the decimal places and the constants.
  Caption(area, QStringLiteral("Decimal Places In Answer"), 640, 6, 240, 16);
  Combo4 = new QComboBox(area);
  Combo4->setObjectName(QStringLiteral("Combo4"));
  Combo4->setGeometry(640, 24, 110, 36);
  QFont narrow(QStringLiteral("Arial Narrow"));
  narrow.setPointSizeF(14.25);
  narrow.setBold(true);
  Combo4->setFont(narrow);
  Combo4->setMaxVisibleItems(12);
  connect(Combo4, &QComboBox::activated, this, [this] { Combo4_Click(); });

  Caption(area, QStringLiteral("Constants"), 640, 66, 80, 16);
  Command7 = new QPushButton(QStringLiteral("< C&lear"), area);
  Command7->setObjectName(QStringLiteral("Command7"));
  Command7->setToolTip(QStringLiteral(" Clear all constants "));
  Command7->setGeometry(726, 62, 90, 24);
  connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
  for (int i = 0; i < 5; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    const int y = 92 + i * 40;
    cmdCopyA[slot] = key(QStringLiteral("cmdCopyA(%1)").arg(i), QStringLiteral("C"),
                         QStringLiteral(" Copy your answer "), 640, y, 36, 36);
    cmdPasteA[slot] = key(QStringLiteral("cmdPasteA(%1)").arg(i), QStringLiteral("P"),
                          QStringLiteral(" Paste this value "), 680, y, 36, 36);
    auto* field = ui::TextField(area);
    field->setObjectName(QStringLiteral("txtPaste(%1)").arg(i));
    field->setGeometry(722, y, 291, 36);
    MakeDisplay(field);
    txtPaste[slot] = field;
    connect(cmdCopyA[slot], &QPushButton::clicked, this, [this, i] { cmdCopyA_Click(i); });
    connect(cmdPasteA[slot], &QPushButton::clicked, this, [this, i] { cmdPasteA_Click(i); });
  }
}

void frmNewCalculator1::CreateWorkboard(QWidget* area) {
  Command5 = new QPushButton(QStringLiteral("&Hide Workboard"), area);
  Command5->setObjectName(QStringLiteral("Command5"));
  Command5->setToolTip(QStringLiteral(" Workboard disappears "));
  Command5->setGeometry(Px(9300), Px(4440), Px(2295), Px(420));
  Command4 = new QPushButton(QStringLiteral("Cle&ar Workboard"), area);
  Command4->setObjectName(QStringLiteral("Command4"));
  Command4->setToolTip(QStringLiteral(" Clears the contents of the workboard "));
  Command4->setGeometry(Px(12450), Px(4440), Px(2295), Px(420));
  Command4->setVisible(false);

  txtArchive1 = new ui::RichTextBox(area);
  txtArchive1->setObjectName(QStringLiteral("txtArchive1"));
  txtArchive1->setGeometry(Px(60), Px(4980), Px(11325), Px(5325));
  QFont design(QStringLiteral("Arial"));
  design.setPointSizeF(14.25);
  design.setBold(true);
  txtArchive1->setFont(design);
  connect(txtArchive1, &ui::RichTextBox::Change, this, [this] { txtArchive1_Change(); });

  Command2 = new QPushButton(area);
  Command2->setObjectName(QStringLiteral("Command2"));
  Command2->setToolTip(QStringLiteral(" Expand workboard "));
  Command2->setIcon(ArrowPicture(true));
  Command2->setGeometry(Px(11580), Px(4980), Px(435), Px(660));
  Command3 = new QPushButton(area);
  Command3->setObjectName(QStringLiteral("Command3"));
  Command3->setToolTip(QStringLiteral(" Collapse workboard "));
  Command3->setIcon(ArrowPicture(false));
  Command3->setGeometry(Px(11580), Px(5775), Px(435), Px(660));
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
  connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
  connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });

  // The font group right of the workboard, top to bottom.
  constexpr int x = 812;
  constexpr int width = 200;
  Caption(area, QStringLiteral("--Font Properties Used--"), x, 330, width, 16);
  Caption(area, QStringLiteral("--For Faxing & Printing--"), x, 346, width, 16);
  Check1 = new QCheckBox(QStringLiteral("&Bold"), area);
  Check1->setObjectName(QStringLiteral("Check1"));
  Check1->setToolTip(QStringLiteral(" Make selected text bold and/or subsequent text bold "));
  Check1->setGeometry(x, 368, width, 20);
  Check1->setChecked(true);
  connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });
  Check2 = new QCheckBox(QStringLiteral("&Italic"), area);
  Check2->setObjectName(QStringLiteral("Check2"));
  Check2->setToolTip(QStringLiteral(" Make selected text italic and/or subsequent text italic "));
  Check2->setGeometry(x, 390, width, 20);
  connect(Check2, &QCheckBox::toggled, this, [this] { Check2_Click(); });

  Caption(area, QStringLiteral("Font face:"), x, 414, width, 16);
  Combo2 = new QComboBox(area);
  Combo2->setObjectName(QStringLiteral("Combo2"));
  Combo2->setToolTip(QStringLiteral(" Select a font face "));
  Combo2->setGeometry(x, 430, width, 26);
  Combo2->installEventFilter(this);
  connect(Combo2, &QComboBox::activated, this, [this] { Combo2_Click(); });

  Caption(area, QStringLiteral("Size:"), x, 462, width, 16);
  Combo1 = new QComboBox(area);
  Combo1->setObjectName(QStringLiteral("Combo1"));
  Combo1->setToolTip(QStringLiteral(" Select a font size "));
  Combo1->setGeometry(x, 478, 80, 26);
  for (int size = 10; size <= 24; size += 2) Combo1->addItem(Q(std::to_string(size)));
  Combo1->setCurrentIndex(-1);
  connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });

  Caption(area, QStringLiteral("Line Spacing"), x, 510, width, 16);
  Combo3 = new QComboBox(area);
  Combo3->setObjectName(QStringLiteral("Combo3"));
  Combo3->setToolTip(QStringLiteral(" Select the spacing between each new entry on the whiteboard "));
  Combo3->setGeometry(x, 526, 80, 26);

  Caption(area, QStringLiteral("Default printer/fax program:"), x, 558, width, 16);
  Text3 = ui::TextField(area);
  Text3->setObjectName(QStringLiteral("Text3"));
  Text3->setReadOnly(true);
  Text3->setFocusPolicy(Qt::ClickFocus);
  Text3->setGeometry(x, 574, width, 24);
  Caption(area, QStringLiteral("Font count:"), x, 604, width, 16);
  Text2 = ui::TextField(area);
  Text2->setObjectName(QStringLiteral("Text2"));
  Text2->setReadOnly(true);
  Text2->setFocusPolicy(Qt::ClickFocus);
  Text2->setGeometry(x, 620, 80, 24);

  CommonDialog1 = new ui::CommonDialog(*services_.dialogs, this);
  CommonDialog1->setObjectName(QStringLiteral("CommonDialog1"));
}

}  // namespace numbrella
