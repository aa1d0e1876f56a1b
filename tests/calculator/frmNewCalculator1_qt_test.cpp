// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window from start-up: its controls and the printer situations it
// starts in.
#include "calculator/calculator_window.h"
#include "ui/CommonDialog.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace numbrella::testing {
namespace {

using ui::MessageAnswer;
using ui::MessageButtons;
using ui::MessageIcon;

const QString kTitle =
    QStringLiteral("  Numbrella Calculator - Untitled            www.numbrella.example ");

void ExpectFailureBox(const ShownMessage& shown, const QString& text, const QString& title) {
  EXPECT_EQ(shown.text, text);
  EXPECT_EQ(shown.title, title);
  EXPECT_EQ(shown.buttons, MessageButtons::Ok);
  EXPECT_EQ(shown.icon, MessageIcon::None);
}

using CalculatorStartup = CalculatorWindowTest;

TEST_F(CalculatorStartup, WithAPrinterThatHasArialNarrow) {
  Open();
  EXPECT_TRUE(fakes.messages.shown.empty());
  EXPECT_EQ(window->windowTitle(), kTitle);

  QStringList places;
  for (int i = 0; i <= 40; ++i) places << QString::fromStdString(std::to_string(i));
  EXPECT_EQ(Items(Combo(4)), places);
  EXPECT_EQ(Combo(4)->currentText(), "5");

  EXPECT_EQ(Items(Combo(2)), (QStringList{"Arial", "Arial Narrow", "Courier New", "DejaVu Sans",
                                          "Times New Roman"}));
  EXPECT_EQ(Combo(2)->currentText(), "Arial Narrow");
  EXPECT_EQ(Find<QLineEdit>("Text2")->text(), "5");
  EXPECT_EQ(Find<QLineEdit>("Text3")->text(), "Office");
  EXPECT_EQ(Items(Combo(3)), (QStringList{"1", "2", "3"}));
  EXPECT_EQ(Combo(3)->currentText(), "2");
  EXPECT_EQ(Items(Combo(1)), (QStringList{"10", "12", "14", "16", "18", "20", "22", "24"}));
  EXPECT_EQ(Combo(1)->currentText(), "14");

  const QFont font = Workboard()->TextFont();
  EXPECT_EQ(QFontInfo(font).family(), "Arial Narrow");
  EXPECT_EQ(font.pointSizeF(), 14.0);
  EXPECT_TRUE(font.bold());
  EXPECT_FALSE(font.italic());
  EXPECT_EQ(Workboard()->palette().color(QPalette::Base), QColor(255, 255, 0));
  EXPECT_EQ(WorkboardText(), "");
  EXPECT_FALSE(Find("Command4")->isVisible());
  EXPECT_TRUE(Find<QCheckBox>("Check1")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>("Check2")->isChecked());

  // At the top of the screen, centred across it.
  const QRect screen = window->screen()->geometry();
  EXPECT_EQ(window->frameGeometry().top(), screen.top());
  EXPECT_LE(std::abs(window->frameGeometry().center().x() - screen.center().x()), 8);

  // The document dialog has its file types.
  auto* dialog = window->findChild<ui::CommonDialog*>("CommonDialog1");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->Filter,
            "Text Files(*.txt)|*.txt|Batch Files(*.bat)|*.bat|"
            "Initialization Files(*.ini)|*.ini|All Files(*.*)|*.*");

  // The focus is in operand 1, which is current: the first key goes there.
  EXPECT_TRUE(Operand(0)->hasFocus());
  Keys("4");
  EXPECT_EQ(Operand1(), "4");
  EXPECT_EQ(Operand2(), "");

  // Tab leads from operand 1 to operand 2, which becomes current; the printer fields
  // are not on the way.
  ClickInto(0);
  QTest::keyClick(Operand(0), Qt::Key_Tab);
  EXPECT_TRUE(Operand(1)->hasFocus());
  Keys("9");
  EXPECT_EQ(Operand2(), "9");
  for (const char* name : {"Text2", "Text3"}) {
    EXPECT_FALSE(Find(name)->focusPolicy() & Qt::TabFocus) << name;
  }
}

TEST_F(CalculatorStartup, WithAPrinterThatLacksArialNarrow) {
  fakes.printers.fonts = {"Helvetica", "Zapf Chancery", "Courier", "Times", "Symbol"};
  Open();
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  ExpectFailureBox(fakes.messages.shown[0], kNoPrinterFonts, "Numbrella Calculator");

  // The screen's four fonts took the places of the printer's first four; the printer's
  // last one in order stays.
  EXPECT_EQ(Items(Combo(2)), (QStringList{"Arial", "Arial Rounded MT Bold", "Courier New",
                                          "DejaVu Sans", "Zapf Chancery"}));
  EXPECT_EQ(Combo(2)->currentText(), "Arial Rounded MT Bold");
  EXPECT_EQ(QFontInfo(Workboard()->TextFont()).family(), "Arial Rounded MT Bold");
  EXPECT_EQ(Find<QLineEdit>("Text3")->text(), "Screen Fonts");
  EXPECT_EQ(Find<QLineEdit>("Text2")->text(), "4");
  EXPECT_EQ(Combo(4)->currentText(), "5");

  // The steps that need no printer still ran: line spacing 2, a yellow workboard, and
  // every calculation recorded.
  EXPECT_EQ(Items(Combo(3)), (QStringList{"1", "2", "3"}));
  EXPECT_EQ(Combo(3)->currentText(), "2");
  EXPECT_EQ(Workboard()->palette().color(QPalette::Base), QColor(255, 255, 0));
  EXPECT_FALSE(Find("Command4")->isVisible());
  Keys("6*7=");
  EXPECT_EQ(AnswerShown(), "42.00000");
  EXPECT_EQ(WorkboardText(), "\r\n\r\n6  X  7  =  42.00000");
  EXPECT_EQ(fakes.messages.shown.size(), 1u);
}

TEST_F(CalculatorStartup, WithoutAPrinter) {
  fakes.printers.name = std::nullopt;
  Open();
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  ExpectFailureBox(fakes.messages.shown[0], kNoPrinterFonts, "Numbrella Calculator");
  EXPECT_EQ(Items(Combo(2)),
            (QStringList{"Arial", "Arial Rounded MT Bold", "Courier New", "DejaVu Sans"}));
  EXPECT_EQ(Combo(2)->currentText(), "Arial Rounded MT Bold");
  EXPECT_EQ(Find<QLineEdit>("Text3")->text(), "Screen Fonts");
  EXPECT_EQ(Find<QLineEdit>("Text2")->text(), "4");
  EXPECT_EQ(Combo(4)->count(), 41);
  EXPECT_EQ(Combo(4)->currentText(), "5");
  EXPECT_EQ(Combo(3)->currentText(), "2");
  EXPECT_EQ(Workboard()->palette().color(QPalette::Base), QColor(255, 255, 0));

  Keys("7+5=");
  EXPECT_EQ(AnswerShown(), "12.00000");
  EXPECT_EQ(WorkboardText(), "\r\n\r\n7  +  5  =  12.00000");
  EXPECT_EQ(fakes.messages.shown.size(), 1u) << "no error message after the answer";
}

TEST_F(CalculatorStartup, ScreenWithoutArialRoundedLeavesTheFaceBoxUnchosen) {
  fakes.printers.name = std::nullopt;
  fakes.screenFonts.families = {"DejaVu Sans", "DejaVu Serif"};
  Open();
  const QString designFace = QFontInfo(QFont("Arial")).family();
  EXPECT_EQ(MessageTexts(), std::vector<QString>{kNoPrinterFonts});
  EXPECT_EQ(Items(Combo(2)), (QStringList{"DejaVu Sans", "DejaVu Serif"}));
  EXPECT_EQ(Combo(2)->currentIndex(), -1);
  EXPECT_EQ(Combo(2)->currentText(), "");
  EXPECT_EQ(QFontInfo(Workboard()->TextFont()).family(), designFace);
  EXPECT_EQ(Find<QLineEdit>("Text3")->text(), "Screen Fonts");
  EXPECT_EQ(Find<QLineEdit>("Text2")->text(), "2");

  // Tabbing through the face box without a choice asks nothing.
  Combo(2)->setFocus(Qt::TabFocusReason);
  Find("cmdEqualSign")->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(fakes.messages.shown.size(), 1u);
}

TEST_F(CalculatorStartup, ControlsCaptionsAndTooltips) {
  Open();
  struct Control {
    const char* name;
    const char* caption;
    const char* tip;
  };
  const Control controls[] = {
      {"Command1(10)", "Pi", " 3.14159265 "},
      {"cmdDecimal", ".", ""},
      {"cmdPlusMinus", "+/-", " Change sign "},
      {"cmdBackspace", "Back && CA", " Backspace in selected field or clear answer "},
      {"cmdClearAll", "Clear All", " Clear all fields and answer "},
      {"cmdOperatorX", "X", " Multiply "},
      {"cmdOperatorDivide", "/", " Divide "},
      {"cmdOperatorPlus", "+", " Add "},
      {"cmdOperatorMinus", "-", " Subtract "},
      {"cmdOperatorSR", "SR", " Square root "},
      {"cmdCubeRoot", "CR", " Cube root "},
      {"cmdInverse", "1/X", " 1 divided by the number in operand 1 (reciprocal) "},
      {"cmdPowers", "X^Y", " Operand 1 to the power of operand 2 "},
      {"cmdEqualSign", "=", ""},
      {"cmdCopy", "Copy", " Copy answer "},
      {"cmdPaste", "Paste", " Paste last copied answer "},
      {"Command7", "< C&lear", " Clear all constants "},
      {"Command5", "&Hide Workboard", " Workboard disappears "},
      {"Command4", "Cle&ar Workboard", " Clears the contents of the workboard "},
      {"Command2", "", " Expand workboard "},
      {"Command3", "", " Collapse workboard "},
  };
  for (const Control& c : controls) {
    auto* button = Find<QPushButton>(c.name);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), c.caption) << c.name;
    EXPECT_EQ(button->toolTip(), c.tip) << c.name;
  }
  for (int i = 0; i <= 9; ++i) {
    auto* key = Find<QPushButton>(QStringLiteral("Command1(%1)").arg(i));
    EXPECT_EQ(key->text(), QString::number(i));
    EXPECT_EQ(key->toolTip(), "");
  }
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(Find<QPushButton>(QStringLiteral("cmdCopyA(%1)").arg(i))->text(), "C");
    EXPECT_EQ(Find<QPushButton>(QStringLiteral("cmdCopyA(%1)").arg(i))->toolTip(),
              " Copy your answer ");
    EXPECT_EQ(Find<QPushButton>(QStringLiteral("cmdPasteA(%1)").arg(i))->text(), "P");
    EXPECT_EQ(Find<QPushButton>(QStringLiteral("cmdPasteA(%1)").arg(i))->toolTip(),
              " Paste this value ");
    EXPECT_EQ(Find<QLineEdit>(QStringLiteral("txtPaste(%1)").arg(i))->text(), "");
    EXPECT_FALSE(Find<QLineEdit>(QStringLiteral("txtPaste(%1)").arg(i))->isReadOnly());
  }
  EXPECT_EQ(Find<QCheckBox>("Check1")->text(), "&Bold");
  EXPECT_EQ(Find<QCheckBox>("Check1")->toolTip(),
            " Make selected text bold and/or subsequent text bold ");
  EXPECT_EQ(Find<QCheckBox>("Check2")->text(), "&Italic");
  EXPECT_EQ(Find<QCheckBox>("Check2")->toolTip(),
            " Make selected text italic and/or subsequent text italic ");
  EXPECT_EQ(Combo(1)->toolTip(), " Select a font size ");
  EXPECT_EQ(Combo(2)->toolTip(), " Select a font face ");
  EXPECT_EQ(Combo(3)->toolTip(), " Select the spacing between each new entry on the whiteboard ");
  for (int i = 1; i <= 4; ++i) EXPECT_FALSE(Combo(i)->isEditable()) << i;
  EXPECT_EQ(Operand(0)->toolTip(), "");

  QStringList captions;
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (label->objectName().startsWith("Label")) captions << label->text();
  }
  for (const char* caption :
       {"Operand 1", "Operator", "Operand 2", "Answer", "Decimal Places In Answer", "Constants",
        "--Font Properties Used--", "--For Faxing & Printing--",
        "Font face:", "Size:", "Line Spacing", "Default printer/fax program:", "Font count:"}) {
    EXPECT_TRUE(captions.contains(caption)) << caption;
  }

  // The timers wait, at a quarter of a second.
  for (const char* name : {"tmrNumbers", "tmrBackspace"}) {
    auto* timer = window->findChild<QTimer*>(name);
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(timer->interval(), 250);
  }
}

TEST_F(CalculatorStartup, ArrangementOfTheWorksheet) {
  Open();
  auto at = [&](const char* name) { return Find(name)->geometry(); };
  auto key = [&](int digit) {
    return at(QStringLiteral("Command1(%1)").arg(digit).toUtf8().constData());
  };
  // Captions above the display row, left to right.
  EXPECT_LT(at("txtOperand(0)").right(), at("lblOperator").left());
  EXPECT_LT(at("lblOperator").right(), at("txtOperand(1)").left());
  EXPECT_EQ(at("txtOperand(0)").top(), at("lblOperator").top());
  EXPECT_EQ(at("txtOperand(1)").top(), at("lblOperator").top());
  // The three captions stand on one line: the descender of their "p" ends on one row.
  auto inkBottom = [&](const char* caption) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
      if (label->text() != QLatin1String(caption)) continue;
      const QImage image = label->grab().toImage();
      const QColor ground = image.pixelColor(0, 0);
      for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
          if (image.pixelColor(x, y) != ground) return label->y() + y;
        }
      }
    }
    ADD_FAILURE() << "no ink for " << caption;
    return -1;
  };
  EXPECT_EQ(inkBottom("Operator"), inkBottom("Operand 1"));
  EXPECT_EQ(inkBottom("Operand 2"), inkBottom("Operand 1"));
  // The answer as wide as the display row, below it; the keys below that.
  EXPECT_GT(at("lblAnswer").top(), at("lblOperator").bottom());
  EXPECT_EQ(at("lblAnswer").left(), at("txtOperand(0)").left());
  EXPECT_EQ(at("lblAnswer").right(), at("txtOperand(1)").right());
  EXPECT_GT(key(7).top(), at("lblAnswer").bottom());

  // Rows: 7 8 9 X / + - ; 4 5 6 SR CR 1/X X^Y ; 1 2 3 +/- Pi Copy Paste ; 0 . = Back Clear.
  const std::vector<std::vector<QString>> rows = {
      {"Command1(7)", "Command1(8)", "Command1(9)", "cmdOperatorX", "cmdOperatorDivide",
       "cmdOperatorPlus", "cmdOperatorMinus"},
      {"Command1(4)", "Command1(5)", "Command1(6)", "cmdOperatorSR", "cmdCubeRoot", "cmdInverse",
       "cmdPowers"},
      {"Command1(1)", "Command1(2)", "Command1(3)", "cmdPlusMinus", "Command1(10)", "cmdCopy",
       "cmdPaste"},
      {"Command1(0)", "cmdDecimal", "cmdEqualSign", "cmdBackspace", "cmdClearAll"},
  };
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      const QRect here = Find(rows[r][c])->geometry();
      EXPECT_EQ(here.top(), Find(rows[r][0])->geometry().top()) << rows[r][c].toStdString();
      if (c > 0) {
        EXPECT_GT(here.left(), Find(rows[r][c - 1])->geometry().right())
            << rows[r][c].toStdString();
      }
      if (r > 0 && c < 3) {
        EXPECT_EQ(here.left(), Find(rows[r - 1][c])->geometry().left()) << rows[r][c].toStdString();
        EXPECT_GT(here.top(), Find(rows[r - 1][c])->geometry().bottom());
      }
    }
  }
  // The two wide keys each span two function columns.
  EXPECT_EQ(at("cmdBackspace").left(), at("cmdPlusMinus").left());
  EXPECT_EQ(at("cmdBackspace").right(), at("Command1(10)").right());
  EXPECT_EQ(at("cmdClearAll").left(), at("cmdCopy").left());
  EXPECT_EQ(at("cmdClearAll").right(), at("cmdPaste").right());

  // Right of the keys: decimal places, then the constants, slot 0 on top.
  EXPECT_GT(at("Combo4").left(), at("txtOperand(1)").right());
  EXPECT_GT(at("Command7").top(), at("Combo4").bottom());
  for (int i = 0; i < 5; ++i) {
    const QRect copy = Find(QStringLiteral("cmdCopyA(%1)").arg(i))->geometry();
    const QRect paste = Find(QStringLiteral("cmdPasteA(%1)").arg(i))->geometry();
    const QRect slot = Find(QStringLiteral("txtPaste(%1)").arg(i))->geometry();
    EXPECT_EQ(copy.top(), slot.top());
    EXPECT_EQ(paste.top(), slot.top());
    EXPECT_LT(copy.right(), paste.left());
    EXPECT_LT(paste.right(), slot.left());
    EXPECT_GT(copy.top(), at("Command7").bottom());
    if (i > 0) {
      EXPECT_GT(slot.top(), Find(QStringLiteral("txtPaste(%1)").arg(i - 1))->geometry().bottom());
    }
  }

  // The workboard in its design place, in twips at 15 a pixel.
  EXPECT_EQ(at("txtArchive1"), QRect(4, 332, 755, 355));
  EXPECT_EQ(at("Command2"), QRect(772, 332, 29, 44));
  EXPECT_EQ(at("Command3"), QRect(772, 385, 29, 44));
  EXPECT_EQ(at("Command5"), QRect(620, 296, 153, 28));
  EXPECT_EQ(at("Command4"), QRect(830, 296, 153, 28));
  EXPECT_EQ(window->centralWidget()->size(), QSize(1021, 689));
  // The font group right of the workboard, top to bottom.
  const char* group[] = {"Check1", "Check2", "Combo2", "Combo1", "Combo3", "Text3", "Text2"};
  for (std::size_t i = 0; i < std::size(group); ++i) {
    EXPECT_GT(at(group[i]).left(), at("Command2").right());
    if (i > 0) {
      EXPECT_GT(at(group[i]).top(), at(group[i - 1]).bottom()) << group[i];
    }
  }
}

TEST_F(CalculatorStartup, DisplayStripLooks) {
  Open();
  for (const char* name : {"txtOperand(0)", "txtOperand(1)", "lblOperator", "lblAnswer",
                           "txtPaste(0)", "txtPaste(4)"}) {
    QWidget* display = Find(name);
    EXPECT_TRUE(display->font().bold()) << name;
    EXPECT_EQ(display->font().pointSize(), 18) << name;
    // What the screen shows: a black strip with green writing on it.
    Keys("8");
    const QImage image = display->grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() / 2, 3), QColor(0, 0, 0)) << name;
  }
  Keys("=");  // no operator: nothing happens
  const QImage answer = Find("txtOperand(0)")->grab().toImage();
  bool green = false;
  for (int y = 0; y < answer.height() && !green; ++y) {
    for (int x = 0; x < answer.width() && !green; ++x) {
      const QColor c = answer.pixelColor(x, y);
      green = c.green() > 200 && c.red() < 60 && c.blue() < 60;
    }
  }
  EXPECT_TRUE(green) << "the digits are drawn in green";
  EXPECT_EQ(Combo(4)->font().pointSizeF(), 14.25);
  EXPECT_TRUE(Combo(4)->font().bold());
  EXPECT_EQ(QFontInfo(Combo(4)->font()).family(), "Arial Narrow");
}

}  // namespace
}  // namespace numbrella::testing
