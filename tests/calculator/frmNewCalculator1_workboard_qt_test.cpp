// SPDX-License-Identifier: GPL-3.0-or-later
// The workboard beside the worksheet: its font controls, its record of every
// calculation, and the repaint check that follows the default printer.
#include "calculator/calculator_window.h"

#include <QFontInfo>
#include <QScrollBar>
#include <QTextCursor>

namespace numbrella::testing {
namespace {

const QString kUnknownFace = QStringLiteral("What kind of a font face is that?");

QString Face(const QFont& font) { return QFontInfo(font).family(); }

class WorkboardFonts : public CalculatorWindowTest {
 protected:
  // A click on a check box's square.
  void Tick(const QString& name) {
    QWidget* box = Find(name);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
  }
};

TEST_F(WorkboardFonts, BoldItalicSizeAndFaceGovernTheWholeText) {
  Open();
  Keys("1+1=");
  Tick("Check1");
  EXPECT_FALSE(Find<QCheckBox>("Check1")->isChecked());
  EXPECT_FALSE(Workboard()->TextFont().bold());
  Tick("Check2");
  EXPECT_TRUE(Workboard()->TextFont().italic());
  Tick("Check1");
  EXPECT_TRUE(Workboard()->TextFont().bold());

  Choose(Combo(1), "24");
  EXPECT_EQ(Workboard()->TextFont().pointSizeF(), 24.0);
  Choose(Combo(2), "DejaVu Sans");
  EXPECT_EQ(Face(Workboard()->TextFont()), "DejaVu Sans");
  // Old and new entries alike.
  Keys("2+2=");
  QTextCursor first(Workboard()->document());
  first.movePosition(QTextCursor::NextBlock);
  first.movePosition(QTextCursor::NextBlock);
  first.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
  ASSERT_EQ(first.selectedText(), "1");
  EXPECT_EQ(QFontInfo(first.charFormat().font()).pointSizeF(), 24.0);
  EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(WorkboardFonts, FaceBoxLosingTheFocusGivesTheSelectionItsFace) {
  Open();
  Keys("3+4=");
  Choose(Combo(2), "DejaVu Sans");
  // Select the entry's first character, then choose a face and leave the box.
  QTextCursor cursor(Workboard()->document());
  cursor.movePosition(QTextCursor::End);
  cursor.movePosition(QTextCursor::StartOfBlock);
  cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
  Workboard()->setTextCursor(cursor);
  ASSERT_EQ(Workboard()->SelectedText(), "3");
  Choose(Combo(2), "Arial Narrow");
  EXPECT_EQ(Face(Workboard()->TextFont()), "Arial Narrow");
  QTest::mouseClick(Find("cmdCopy"), Qt::LeftButton);
  EXPECT_FALSE(Combo(2)->hasFocus());
  EXPECT_TRUE(Workboard()->textCursor().charFormat().fontFamilies().toStringList().contains(
      "Arial Narrow"));
  EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(WorkboardFonts, AFaceTheWorkboardRejects) {
  fakes.printers.fonts << "Imaginary Grotesk";
  Open();
  const QFont before = Workboard()->TextFont();
  Choose(Combo(2), "Imaginary Grotesk");
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_EQ(fakes.messages.shown[0].text, kUnknownFace);
  EXPECT_EQ(fakes.messages.shown[0].title, "Numbrella Calculator");
  EXPECT_EQ(fakes.messages.shown[0].buttons, ui::MessageButtons::Ok);
  EXPECT_EQ(fakes.messages.shown[0].icon, ui::MessageIcon::None);
  EXPECT_EQ(Face(Workboard()->TextFont()), Face(before));
  EXPECT_TRUE(Combo(2)->hasFocus());

  // Leaving the box tries the face on the selection: the same answer, and the focus
  // comes back to the box.
  QTest::mouseClick(Find("cmdCopy"), Qt::LeftButton);
  ASSERT_EQ(fakes.messages.shown.size(), 2u);
  EXPECT_EQ(fakes.messages.shown[1].text, kUnknownFace);
  QTRY_VERIFY(Combo(2)->hasFocus());
}

using WorkboardRecord = CalculatorWindowTest;

TEST_F(WorkboardRecord, EntriesEndAtTheCaretInView) {
  Open();
  for (int i = 0; i < 40; ++i) Keys("9*9=");
  EXPECT_EQ(WorkboardText().count("9  X  9  =  81.00000"), 40);
  EXPECT_FALSE(WorkboardText().endsWith("\r\n"));
  EXPECT_TRUE(Workboard()->hasFocus());
  EXPECT_TRUE(Workboard()->textCursor().atEnd());
  QScrollBar* bar = Workboard()->verticalScrollBar();
  EXPECT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(WorkboardRecord, TypingMarksTheWorkboardChanged) {
  Open();
  EXPECT_FALSE(Find("Command4")->isVisible());
  Workboard()->setFocus();
  QTest::keyClicks(Workboard(), "note");
  EXPECT_TRUE(Find("Command4")->isVisible());
  Keys("5*5=");
  EXPECT_EQ(WorkboardText(), "note\r\n\r\n5  X  5  =  25.00000");
  // An entry replaces the record as a whole: undo in the workboard takes back neither
  // the entry nor the typing before it.
  ASSERT_TRUE(Workboard()->hasFocus());
  QTest::keyClick(Workboard(), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(Workboard(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(WorkboardText(), "note\r\n\r\n5  X  5  =  25.00000");
}

class RepaintCheck : public WorkboardFonts {
 protected:
  // A sum on the workboard in a size, a face and a number of places of the user's.
  void SumInChosenFonts() {
    Open();
    Keys("2+3=");
    Choose(Combo(1), "20");
    Choose(Combo(2), "DejaVu Sans");
    Choose(Combo(4), "2");
  }

  // A difference on the workboard, then the default printer gone at the next repaint;
  // gives the record as it stood before.
  QString PrinterGoneAfterADifference() {
    Open();
    Keys("8-1=");
    const QString record = WorkboardText();
    fakes.printers.name = std::nullopt;
    Repaint();
    return record;
  }
};

TEST_F(RepaintCheck, SamePrinterLeavesEverythingAsItWas) {
  SumInChosenFonts();
  const QString record = WorkboardText();
  for (int i = 0; i < 3; ++i) Repaint();
  EXPECT_EQ(WorkboardText(), record);
  EXPECT_EQ(Combo(1)->currentText(), "20");
  EXPECT_EQ(Combo(2)->currentText(), "DejaVu Sans");
  EXPECT_EQ(Combo(4)->currentText(), "2");
  EXPECT_EQ(AnswerShown(), "5.00");
  EXPECT_TRUE(fakes.messages.shown.empty());
}

// The default printer changes in the middle of a calculation, and the print system
// tells the window so: only the printer's fields follow it.
TEST_F(RepaintCheck, AnotherDefaultPrinterMidCalculationChangesOnlyThePrinterFields) {
  SumInChosenFonts();
  Choose(Combo(3), "3");
  Tick("Check1");
  Keys("4*1.");
  const QString record = WorkboardText();
  QWidget* focused = QApplication::focusWidget();

  fakes.printers.name = QStringLiteral("Fax");
  fakes.printers.fonts = {"Arial Narrow", "Fax Mono"};
  emit fakes.printers.Changed();
  EXPECT_TRUE(fakes.messages.shown.empty());
  EXPECT_EQ(Find<QLineEdit>("Text3")->text(), "Fax");
  EXPECT_EQ(Find<QLineEdit>("Text2")->text(), "2");
  // The new printer's two fonts took the first two places; the old list's other three
  // stay.
  EXPECT_EQ(Items(Combo(2)), (QStringList{"Arial Narrow", "Courier New", "DejaVu Sans", "Fax Mono",
                                          "Times New Roman"}));
  EXPECT_EQ(Combo(2)->currentText(), "Arial Narrow");
  EXPECT_EQ(Face(Workboard()->TextFont()), "Arial Narrow");
  // Everything else is as the user left it: the half-typed calculation with its focus,
  // the places, the size, the spacing, bold, and the record with its unsaved state.
  EXPECT_EQ(Operand1(), "4");
  EXPECT_EQ(OperatorShown(), "X");
  EXPECT_EQ(Operand2(), "1.");
  EXPECT_EQ(QApplication::focusWidget(), focused);
  EXPECT_EQ(Combo(4)->currentText(), "2");
  EXPECT_EQ(Workboard()->TextFont().pointSizeF(), 20.0);
  EXPECT_EQ(Combo(3)->currentText(), "3");
  EXPECT_FALSE(Workboard()->TextFont().bold());
  EXPECT_EQ(WorkboardText(), record);
  EXPECT_TRUE(window->Document().Changed());
  EXPECT_TRUE(Find("Command4")->isVisible());

  // The repaint that follows finds nothing more to do, and the calculation goes on.
  Repaint();
  Keys("5=");
  EXPECT_EQ(AnswerShown(), "6.00");
  EXPECT_EQ(WorkboardText(), record + "\r\n\r\n\r\n4  X  1.5  =  6.00");
}

TEST_F(RepaintCheck, APrinterThatGoesAwayGivesScreenFontsOnce) {
  const QString record = PrinterGoneAfterADifference();
  EXPECT_EQ(Find<QLineEdit>("Text3")->text(), "Screen Fonts");
  EXPECT_EQ(Combo(2)->currentText(), "Arial Rounded MT Bold");
  EXPECT_EQ(Face(Workboard()->TextFont()), "Arial Rounded MT Bold");
  EXPECT_EQ(WorkboardText(), record);
  EXPECT_TRUE(fakes.messages.shown.empty());

  // The user's next choice of face stays over further repaints.
  Choose(Combo(2), "DejaVu Sans");
  for (int i = 0; i < 3; ++i) Repaint();
  EXPECT_EQ(Combo(2)->currentText(), "DejaVu Sans");
  EXPECT_EQ(Face(Workboard()->TextFont()), "DejaVu Sans");
  EXPECT_TRUE(Find("Command4")->isVisible());

  // A printer that comes back is a new default printer.
  fakes.printers.name = QStringLiteral("Office");
  Repaint();
  EXPECT_EQ(Find<QLineEdit>("Text3")->text(), "Office");
  EXPECT_EQ(Combo(2)->currentText(), "Arial Narrow");
}

TEST_F(RepaintCheck, APrinterThatGoesAwayFromAScreenWithoutArialRounded) {
  fakes.screenFonts.families = {"DejaVu Sans", "DejaVu Serif"};
  const QString record = PrinterGoneAfterADifference();
  EXPECT_EQ(Find<QLineEdit>("Text3")->text(), "Screen Fonts");
  EXPECT_EQ(Find<QLineEdit>("Text2")->text(), "2");
  EXPECT_EQ(Combo(2)->currentIndex(), -1);
  EXPECT_EQ(Face(Workboard()->TextFont()), "Arial Narrow");
  EXPECT_EQ(WorkboardText(), record);
  EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(RepaintCheck, WithoutAPrinterRepaintsKeepTheUsersFace) {
  fakes.printers.name = std::nullopt;
  Open();
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  Choose(Combo(2), "DejaVu Sans");
  Keys("1+1=");
  for (int i = 0; i < 3; ++i) Repaint();
  EXPECT_EQ(Combo(2)->currentText(), "DejaVu Sans");
  EXPECT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_TRUE(Find("Command4")->isVisible());
}

TEST_F(RepaintCheck, APrinterLackingArialNarrowAsksOnlyOnce) {
  fakes.printers.fonts = {"Helvetica", "Courier"};
  Open();
  EXPECT_EQ(MessageTexts(), std::vector<QString>{kNoPrinterFonts});
  for (int i = 0; i < 3; ++i) Repaint();
  EXPECT_EQ(MessageTexts(), std::vector<QString>{kNoPrinterFonts});

  // Another such printer: one more message, then quiet again.
  fakes.printers.name = QStringLiteral("Plotter");
  Repaint();
  Repaint();
  EXPECT_EQ(MessageTexts(), (std::vector<QString>{kNoPrinterFonts, kNoPrinterFonts}));
  EXPECT_EQ(Find<QLineEdit>("Text3")->text(), "Screen Fonts");
  EXPECT_EQ(Combo(3)->currentText(), "2");
}

TEST_F(RepaintCheck, AnUnchangedPrinterCostsOnlyTheQuery) {
  Open();
  Repaint();
  const int before = fakes.printers.queries;
  window->repaint();
  window->repaint();
  QApplication::processEvents();
  const int used = fakes.printers.queries - before;
  EXPECT_GE(used, 1) << "the check ran after the paint";
  EXPECT_LE(used, 2) << "one check, asking for the count and the name";
}

}  // namespace
}  // namespace numbrella::testing
