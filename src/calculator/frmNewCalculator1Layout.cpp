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
#include <type_traits>

namespace numbrella {

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

// One control of the window: its name, where it stands (left, top, width, height in
// twips), its caption and its tooltip as the source texts that are translated, and
// the member that keeps it.
template <typename Control>
struct frmNewCalculator1::Placed {
  const char* name;
  QRect twips;
  const char* caption;
  const char* tip;
  Control*& (*member)(frmNewCalculator1&);
};

template <typename Control>
Control* frmNewCalculator1::Place(QWidget* area, const Placed<Control>& row) {
  Control* control = nullptr;
  if constexpr (std::is_same_v<Control, QLineEdit>) {
    control = ui::TextField(area);
  } else {
    control = new Control(area);
  }
  if (row.name[0] != '\0') control->setObjectName(QLatin1String(row.name));
  control->setGeometry(ui::Twips(row.twips.left(), row.twips.top(), row.twips.width(),
                                 row.twips.height()));
  if constexpr (std::is_same_v<Control, QLabel>) control->setTextFormat(Qt::PlainText);
  if constexpr (!std::is_same_v<Control, QComboBox> && !std::is_same_v<Control, ui::RichTextBox>) {
    if (row.caption != nullptr) control->setText(tr(row.caption));
  }
  if (row.tip != nullptr) control->setToolTip(tr(row.tip));
  if (row.member != nullptr) row.member(*this) = control;
  return control;
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
  using W = frmNewCalculator1;
  // Captions and the display strip, left to right, then the answer below.
  static constexpr Placed<QLabel> kCaptions[] = {
      {"", {120, 90, 3780, 240}, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "Operand 1"), nullptr, [](W& w) -> QLabel*& { return w.captions_.operand1; }},
      {"", {3990, 90, 1380, 240}, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "Operator"), nullptr, [](W& w) -> QLabel*& { return w.captions_.op; }},
      {"", {5460, 90, 3780, 240}, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "Operand 2"), nullptr, [](W& w) -> QLabel*& { return w.captions_.operand2; }},
  };
  static constexpr Placed<QLineEdit> kOperands[] = {
      {"txtOperand(0)", {120, 360, 3780, 540}, nullptr, nullptr, [](W& w) -> QLineEdit*& { return w.txtOperand[0]; }},
      {"txtOperand(1)", {5460, 360, 3780, 540}, nullptr, nullptr, [](W& w) -> QLineEdit*& { return w.txtOperand[1]; }},
  };
  static constexpr Placed<QLabel> kDisplays[] = {
      {"lblOperator", {3990, 360, 1380, 540}, nullptr, nullptr, [](W& w) -> QLabel*& { return w.lblOperator; }},
      {"", {120, 960, 9120, 240}, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "Answer"), nullptr, [](W& w) -> QLabel*& { return w.captions_.answer; }},
      {"lblAnswer", {120, 1230, 9120, 540}, nullptr, nullptr, [](W& w) -> QLabel*& { return w.lblAnswer; }},
  };
  // Four key rows: the keypad in three columns, the function keys in four.
  static constexpr Placed<QPushButton> kKeys[] = {
      {"Command1(7)", {120, 1890, 930, 570}, "7", nullptr, [](W& w) -> QPushButton*& { return w.Command1[7]; }},
      {"Command1(8)", {1140, 1890, 930, 570}, "8", nullptr, [](W& w) -> QPushButton*& { return w.Command1[8]; }},
      {"Command1(9)", {2160, 1890, 930, 570}, "9", nullptr, [](W& w) -> QPushButton*& { return w.Command1[9]; }},
      {"Command1(4)", {120, 2520, 930, 570}, "4", nullptr, [](W& w) -> QPushButton*& { return w.Command1[4]; }},
      {"Command1(5)", {1140, 2520, 930, 570}, "5", nullptr, [](W& w) -> QPushButton*& { return w.Command1[5]; }},
      {"Command1(6)", {2160, 2520, 930, 570}, "6", nullptr, [](W& w) -> QPushButton*& { return w.Command1[6]; }},
      {"Command1(1)", {120, 3150, 930, 570}, "1", nullptr, [](W& w) -> QPushButton*& { return w.Command1[1]; }},
      {"Command1(2)", {1140, 3150, 930, 570}, "2", nullptr, [](W& w) -> QPushButton*& { return w.Command1[2]; }},
      {"Command1(3)", {2160, 3150, 930, 570}, "3", nullptr, [](W& w) -> QPushButton*& { return w.Command1[3]; }},
      {"Command1(0)", {120, 3780, 930, 570}, "0", nullptr, [](W& w) -> QPushButton*& { return w.Command1[0]; }},
      {"cmdDecimal", {1140, 3780, 930, 570}, ".", nullptr, [](W& w) -> QPushButton*& { return w.cmdDecimal; }},
      {"cmdEqualSign", {2160, 3780, 930, 570}, "=", nullptr, [](W& w) -> QPushButton*& { return w.cmdEqualSign; }},
      {"cmdOperatorX", {3300, 1890, 1440, 570}, "X", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " Multiply "), [](W& w) -> QPushButton*& { return w.cmdOperatorX; }},
      {"cmdOperatorDivide", {4800, 1890, 1440, 570}, "/", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " Divide "), [](W& w) -> QPushButton*& { return w.cmdOperatorDivide; }},
      {"cmdOperatorPlus", {6300, 1890, 1440, 570}, "+", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " Add "), [](W& w) -> QPushButton*& { return w.cmdOperatorPlus; }},
      {"cmdOperatorMinus", {7800, 1890, 1440, 570}, "-", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " Subtract "), [](W& w) -> QPushButton*& { return w.cmdOperatorMinus; }},
      {"cmdOperatorSR", {3300, 2520, 1440, 570}, "SR", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " Square root "), [](W& w) -> QPushButton*& { return w.cmdOperatorSR; }},
      {"cmdCubeRoot", {4800, 2520, 1440, 570}, "CR", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " Cube root "), [](W& w) -> QPushButton*& { return w.cmdCubeRoot; }},
      {"cmdInverse", {6300, 2520, 1440, 570}, "1/X", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " 1 divided by the number in operand 1 (reciprocal) "), [](W& w) -> QPushButton*& { return w.cmdInverse; }},
      {"cmdPowers", {7800, 2520, 1440, 570}, "X^Y", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " Operand 1 to the power of operand 2 "), [](W& w) -> QPushButton*& { return w.cmdPowers; }},
      {"cmdPlusMinus", {3300, 3150, 1440, 570}, "+/-", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " Change sign "), [](W& w) -> QPushButton*& { return w.cmdPlusMinus; }},
      {"Command1(10)", {4800, 3150, 1440, 570}, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "Pi"), " 3.14159265 ", [](W& w) -> QPushButton*& { return w.Command1[10]; }},
      {"cmdCopy", {6300, 3150, 1440, 570}, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "Copy"), QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " Copy answer "), [](W& w) -> QPushButton*& { return w.cmdCopy; }},
      {"cmdPaste", {7800, 3150, 1440, 570}, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "Paste"), QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " Paste last copied answer "), [](W& w) -> QPushButton*& { return w.cmdPaste; }},
      {"cmdBackspace", {3300, 3780, 2940, 570}, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "Back && CA"), QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " Backspace in selected field or clear answer "), [](W& w) -> QPushButton*& { return w.cmdBackspace; }},
      {"cmdClearAll", {6300, 3780, 2940, 570}, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "Clear All"), QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " Clear all fields and answer "), [](W& w) -> QPushButton*& { return w.cmdClearAll; }},
  };
  // Right of the keys: the decimal places and the constants.
  static constexpr Placed<QLabel> kPlacesCaption = {"", {9600, 90, 3600, 240}, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "Decimal Places In Answer"), nullptr, [](W& w) -> QLabel*& { return w.captions_.places; }};
  static constexpr Placed<QComboBox> kPlaces = {"Combo4", {9600, 360, 1650, 540}, nullptr, nullptr, [](W& w) -> QComboBox*& { return w.Combo4; }};
  static constexpr Placed<QLabel> kConstantsCaption = {"", {9600, 990, 1200, 240}, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "Constants"), nullptr, nullptr};
  static constexpr Placed<QPushButton> kClearConstants = {"Command7", {10890, 930, 1350, 360}, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "< C&lear"), QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " Clear all constants "), [](W& w) -> QPushButton*& { return w.Command7; }};
  // Slot i stands 600 twips below slot i - 1.
  static constexpr Placed<QPushButton> kStore = {"cmdCopyA(%1)", {9600, 1380, 540, 540}, "C", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " Copy your answer "), nullptr};
  static constexpr Placed<QPushButton> kRecall = {"cmdPasteA(%1)", {10200, 1380, 540, 540}, "P", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " Paste this value "), nullptr};
  static constexpr Placed<QLineEdit> kSlot = {"txtPaste(%1)", {10830, 1380, 4365, 540}, nullptr, nullptr, nullptr};
  constexpr int kSlotPitch = 600;

  const QFont keyFont = KeyFont();
  for (const auto& row : kCaptions) Place(area, row);
  for (const auto& row : kOperands) MakeDisplay(Place(area, row));
  for (const auto& row : kDisplays) {
    QLabel* label = Place(area, row);
    if (row.caption == nullptr) MakeDisplay(label);
  }
  captions_.op->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  for (QLineEdit* field : txtOperand) {
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::StrongFocus);
  }
  lblOperator->setAlignment(Qt::AlignCenter);
  lblAnswer->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  lblAnswer->setIndent(6);
  for (const auto& row : kKeys) Place(area, row)->setFont(keyFont);

  tmrNumbers = new QTimer(this);
  tmrNumbers->setObjectName(QStringLiteral("tmrNumbers"));
  tmrNumbers->setInterval(kRepeatMilliseconds);
  connect(tmrNumbers, &QTimer::timeout, this, [this] { tmrNumbers_Timer(); });
  tmrBackspace = new QTimer(this);
  tmrBackspace->setObjectName(QStringLiteral("tmrBackspace"));
  tmrBackspace->setInterval(kRepeatMilliseconds);
  connect(tmrBackspace, &QTimer::timeout, this, [this] { tmrBackspace_Timer(); });

  Place(area, kPlacesCaption);
  Place(area, kPlaces);
  QFont narrow(QStringLiteral("Arial Narrow"));
  narrow.setPointSizeF(14.25);
  narrow.setBold(true);
  Combo4->setFont(narrow);
  Combo4->setMaxVisibleItems(12);
  connect(Combo4, &QComboBox::activated, this, [this] { Combo4_Click(); });
  connect(cmdCopy, &QPushButton::clicked, this, [this] { cmdCopy_Click(); });
  connect(cmdPaste, &QPushButton::clicked, this, [this] { cmdPaste_Click(); });

  Place(area, kConstantsCaption);
  Place(area, kClearConstants);
  connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
  for (int i = 0; i < 5; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    auto inSlot = [i](auto row) {
      row.twips.translate(0, i * kSlotPitch);
      return row;
    };
    cmdCopyA[slot] = Place(area, inSlot(kStore));
    cmdPasteA[slot] = Place(area, inSlot(kRecall));
    txtPaste[slot] = Place(area, inSlot(kSlot));
    for (QWidget* control : std::initializer_list<QWidget*>{cmdCopyA[slot], cmdPasteA[slot], txtPaste[slot]}) {
      control->setObjectName(control->objectName().arg(i));
    }
    cmdCopyA[slot]->setFont(keyFont);
    cmdPasteA[slot]->setFont(keyFont);
    MakeDisplay(txtPaste[slot]);
    connect(cmdCopyA[slot], &QPushButton::clicked, this, [this, i] { cmdCopyA_Click(i); });
    connect(cmdPasteA[slot], &QPushButton::clicked, this, [this, i] { cmdPasteA_Click(i); });
  }
}

void frmNewCalculator1::CreateWorkboard(QWidget* area) {
  using W = frmNewCalculator1;
  static constexpr Placed<QPushButton> kButtons[] = {
      {"Command5", {9300, 4440, 2295, 420}, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "&Hide Workboard"), QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " Workboard disappears "), [](W& w) -> QPushButton*& { return w.Command5; }},
      {"Command4", {12450, 4440, 2295, 420}, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "Cle&ar Workboard"), QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " Clears the contents of the workboard "), [](W& w) -> QPushButton*& { return w.Command4; }},
  };
  static constexpr Placed<ui::RichTextBox> kWorkboard = {"txtArchive1", {60, 4980, 11325, 5325}, nullptr, nullptr, [](W& w) -> ui::RichTextBox*& { return w.txtArchive1; }};
  static constexpr Placed<QPushButton> kArrows[] = {
      {"Command2", {11580, 4980, 435, 660}, nullptr, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " Expand workboard "), [](W& w) -> QPushButton*& { return w.Command2; }},
      {"Command3", {11580, 5775, 435, 660}, nullptr, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " Collapse workboard "), [](W& w) -> QPushButton*& { return w.Command3; }},
  };
  // The font group right of the workboard, top to bottom.
  static constexpr Placed<QLabel> kGroupCaptions[] = {
      {"", {12180, 4950, 3000, 240}, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "--Font Properties Used--"), nullptr, nullptr},
      {"", {12180, 5190, 3000, 240}, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "--For Faxing & Printing--"), nullptr, nullptr},
  };
  static constexpr Placed<QCheckBox> kChecks[] = {
      {"Check1", {12180, 5520, 3000, 300}, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "&Bold"), QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " Make selected text bold and/or subsequent text bold "), [](W& w) -> QCheckBox*& { return w.Check1; }},
      {"Check2", {12180, 5850, 3000, 300}, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "&Italic"), QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " Make selected text italic and/or subsequent text italic "), [](W& w) -> QCheckBox*& { return w.Check2; }},
  };
  struct Labelled {
    Placed<QLabel> caption;
    Placed<QComboBox> list;
  };
  static constexpr Labelled kLists[] = {
      {{"", {12180, 6210, 3000, 240}, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "Font face:"), nullptr, [](W& w) -> QLabel*& { return w.captions_.face; }},
       {"Combo2", {12180, 6450, 3000, 390}, nullptr, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " Select a font face "), [](W& w) -> QComboBox*& { return w.Combo2; }}},
      {{"", {12180, 6930, 3000, 240}, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "Size:"), nullptr, [](W& w) -> QLabel*& { return w.captions_.size; }},
       {"Combo1", {12180, 7170, 1200, 390}, nullptr, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " Select a font size "), [](W& w) -> QComboBox*& { return w.Combo1; }}},
      {{"", {12180, 7650, 3000, 240}, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "Line Spacing"), nullptr, [](W& w) -> QLabel*& { return w.captions_.lineSpacing; }},
       {"Combo3", {12180, 7890, 1200, 390}, nullptr, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", " Select the spacing between each new entry on the whiteboard "), [](W& w) -> QComboBox*& { return w.Combo3; }}},
  };
  struct Shown {
    Placed<QLabel> caption;
    Placed<QLineEdit> field;
  };
  static constexpr Shown kPrinterFields[] = {
      {{"", {12180, 8370, 3000, 240}, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "Default printer/fax program:"), nullptr, [](W& w) -> QLabel*& { return w.captions_.printer; }},
       {"Text3", {12180, 8610, 3000, 360}, nullptr, nullptr, [](W& w) -> QLineEdit*& { return w.Text3; }}},
      {{"", {12180, 9060, 3000, 240}, QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "Font count:"), nullptr, [](W& w) -> QLabel*& { return w.captions_.fontCount; }},
       {"Text2", {12180, 9300, 1200, 360}, nullptr, nullptr, [](W& w) -> QLineEdit*& { return w.Text2; }}},
  };

  for (const auto& row : kButtons) Place(area, row);
  Command4->setVisible(false);
  Place(area, kWorkboard);
  QFont design(QStringLiteral("Arial"));
  design.setPointSizeF(14.25);
  design.setBold(true);
  txtArchive1->setFont(design);
  connect(txtArchive1, &ui::RichTextBox::Change, this, [this] { txtArchive1_Change(); });
  for (const auto& row : kArrows) Place(area, row);
  Command2->setIcon(ArrowPicture(true));
  Command3->setIcon(ArrowPicture(false));
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
  connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
  connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });

  for (const auto& row : kGroupCaptions) Place(area, row);
  for (const auto& row : kChecks) Place(area, row);
  Check1->setChecked(true);
  connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });
  connect(Check2, &QCheckBox::toggled, this, [this] { Check2_Click(); });
  for (const Labelled& row : kLists) {
    Place(area, row.caption);
    Place(area, row.list);
  }
  connect(Combo2, &QComboBox::activated, this, [this] { Combo2_Click(); });
  for (int size = 10; size <= 24; size += 2) Combo1->addItem(Q(std::to_string(size)), size);
  Combo1->setCurrentIndex(-1);
  connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
  for (const Shown& row : kPrinterFields) {
    Place(area, row.caption);
    QLineEdit* field = Place(area, row.field);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
  }

  CommonDialog1 = new ui::CommonDialog(*services_.dialogs, this);
  CommonDialog1->setObjectName(QStringLiteral("CommonDialog1"));
}

}  // namespace numbrella
