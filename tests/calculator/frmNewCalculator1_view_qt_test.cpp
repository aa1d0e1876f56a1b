// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window's Edit menu, the workboard expanded, collapsed, hidden and
// shown again, and its background colour, driven through the window's menus and keys;
// how the display strip draws a long answer, and at fractional scales.
#include "calculator/documents_window.h"
#include "ui/fitting_label.h"

#include <QAccessible>
#include <QClipboard>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolTip>

#include <cstdlib>

namespace numbrella::testing {
namespace {

TEST_F(Documents, EditMenuStatesAreSetWhenItOpens) {
  QMenuBar* bar = window->menuBar();
  QMenu* edit = Find<QMenu>("mnuEdit");
  auto open = [&] {
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(edit->menuAction()).center());
    QTRY_VERIFY(edit->isVisible());
    edit->close();
  };
  auto enabled = [&](const char* name) { return Find<QAction>(name)->isEnabled(); };

  // Nothing selected, an empty clipboard: all three disabled, and their keys do
  // nothing.
  Keys("1+2=");
  open();
  EXPECT_FALSE(enabled("mnuEditCut"));
  EXPECT_FALSE(enabled("mnuEditCopy"));
  EXPECT_FALSE(enabled("mnuEditPaste"));
  ui::RichTextBox* board = Workboard();
  board->setFocus();
  board->selectAll();
  QGuiApplication::clipboard()->clear();
  QTest::keyClick(board, Qt::Key_C, Qt::ControlModifier);
  QTest::keyClick(board, Qt::Key_T, Qt::ControlModifier);
  EXPECT_EQ(Str(fakes.clipboard.text), "");
  EXPECT_EQ(Str(QGuiApplication::clipboard()->text()), "") << "not even the workboard's own copy";
  EXPECT_EQ(fakes.beeper.beeps, 0);
  EXPECT_EQ(Str(WorkboardText()), "\r\n\r\n1  +  2  =  3.00000");

  // With a selection and a clipboard text, all three; cut and paste act on the
  // workboard whichever control has the focus.
  fakes.clipboard.text = "7";
  open();
  EXPECT_TRUE(enabled("mnuEditCut"));
  EXPECT_TRUE(enabled("mnuEditCopy"));
  EXPECT_TRUE(enabled("mnuEditPaste"));
  Operand(0)->setFocus();
  QTest::keyClick(Operand(0), Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(Str(WorkboardText()), "7");
  board->selectAll();
  QTest::keyClick(Operand(0), Qt::Key_T, Qt::ControlModifier);
  EXPECT_EQ(Str(WorkboardText()), "");
  EXPECT_EQ(Str(fakes.clipboard.text), "7");

  // Copy and Cut with nothing selected beep.
  QTest::keyClick(Operand(0), Qt::Key_C, Qt::ControlModifier);
  QTest::keyClick(Operand(0), Qt::Key_T, Qt::ControlModifier);
  EXPECT_EQ(fakes.beeper.beeps, 2);

  // The workboard's pop-up menu is the Edit menu, with the same keys.
  EXPECT_EQ(Str(ChooseFromPopup(board->viewport(), "Paste")), "&Paste");
  EXPECT_TRUE(Find<QAction>("mnuEditPaste")->isShortcutVisibleInContextMenu());
  EXPECT_EQ(Str(WorkboardText()), "7");
  ASSERT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(Documents, ExpandCollapseHideAndShow) {
  ui::RichTextBox* board = Workboard();
  QPushButton* hide = Find<QPushButton>("Command5");
  const QRect design = board->geometry();
  EXPECT_EQ(design, QRect(4, 332, 755, 355));
  const int shownHeight = window->height();

  QTest::mouseClick(Find("Command2"), Qt::LeftButton);
  EXPECT_EQ(board->geometry(), QRect(4, 0, 755, 698));
  EXPECT_EQ(board->parentWidget()->children().last(), board) << "in front of the keys";

  QTest::mouseClick(hide, Qt::LeftButton);
  EXPECT_FALSE(board->isVisible());
  EXPECT_FALSE(Find<QAction>("mnuDisplayWork")->isChecked());
  EXPECT_EQ(Str(hide->text()), "Show W&orkboard");
  EXPECT_EQ(Str(hide->toolTip()), " Workboard reappears ");
  EXPECT_EQ(shownHeight - window->height(), 689 - 328);
  const QRect screen = window->screen()->geometry();
  EXPECT_LE(std::abs(window->frameGeometry().center().x() - screen.center().x()), 1);

  // An entry still lands on the hidden workboard; the focus stays where it was.
  Keys("1+2=");
  EXPECT_EQ(Str(WorkboardText()), "\r\n\r\n1  +  2  =  3.00000");
  EXPECT_FALSE(board->hasFocus());

  Choose("mnuDisplayWork");
  EXPECT_TRUE(board->isVisible());
  EXPECT_TRUE(Find<QAction>("mnuDisplayWork")->isChecked());
  EXPECT_EQ(window->height(), shownHeight);
  EXPECT_EQ(Str(hide->text()), "&Hide Workboard");
  EXPECT_EQ(Str(hide->toolTip()), " Workboard disappears  ");
  EXPECT_EQ(board->geometry(), QRect(4, 0, 755, 698)) << "still expanded";

  // Collapsed is a little above the design place, and taller.
  QTest::mouseClick(Find("Command3"), Qt::LeftButton);
  EXPECT_EQ(board->geometry(), QRect(4, 331, 755, 366));
}

TEST_F(Documents, BackgroundColourFromTheDialog) {
  fakes.dialogs.colours = {QColor(0x12, 0x34, 0x56), std::nullopt};
  Choose("mnuTextBack");
  EXPECT_EQ(Workboard()->palette().color(QPalette::Base), QColor(0x12, 0x34, 0x56));
  Choose("mnuTextBack");
  EXPECT_EQ(Workboard()->palette().color(QPalette::Base), QColor(0x12, 0x34, 0x56)) << "Cancel";
  ASSERT_EQ(fakes.dialogs.colourInitials.size(), 2u);
  EXPECT_EQ(fakes.dialogs.colourInitials[1], QColor(0x12, 0x34, 0x56)) << "the last chosen";
}

TEST_F(Documents, TheAnswerShrinksToShowWholeAndOtherwiseEndsInAnEllipsis) {
  auto* answer = dynamic_cast<ui::FittingLabel*>(Find("lblAnswer"));
  ASSERT_NE(answer, nullptr);
  auto fits = [answer](const ui::FittingLabel::Drawn& drawn) {
    return QFontMetricsF(drawn.font, answer).horizontalAdvance(drawn.text) <= drawn.room.width();
  };
  Keys("1/7=");
  EXPECT_EQ(answer->Fitted().font.pointSizeF(), 18) << "a short answer as ever";

  CalculatorWindowTest::Choose(Combo(4), "40");
  ui::FittingLabel::Drawn drawn = answer->Fitted();
  EXPECT_EQ(Str(drawn.text), "0.1428571428571430000000000000000000000000");
  EXPECT_LT(drawn.font.pointSizeF(), 18);
  EXPECT_TRUE(fits(drawn));
  answer->resize(answer->width() * 2, answer->height());
  EXPECT_EQ(answer->Fitted().font.pointSizeF(), 18) << "given the room, it grows back";

  // 1E+300 / 7: 300 digits before the point, 40 after.
  Press("cmdClearAll");
  ClickInto(0);
  Find<QLineEdit>("txtPaste(0)")->setText("1E+300");
  Press("cmdPasteA(0)");
  Keys("/7=");
  const QString whole = AnswerShown();
  ASSERT_EQ(whole.size(), 341);
  drawn = answer->Fitted();
  EXPECT_EQ(drawn.font.pointSizeF(), ui::FittingLabel::kLeastPointSize);
  EXPECT_TRUE(drawn.text.endsWith(QChar(0x2026)) && whole.startsWith(drawn.text.chopped(1)));
  EXPECT_TRUE(fits(drawn));
  // Whatever is drawn, the tooltip, a screen reader and Copy give the whole answer.
  const QPoint middle = answer->rect().center();
  QHelpEvent tip(QEvent::ToolTip, middle, answer->mapToGlobal(middle));
  QApplication::sendEvent(answer, &tip);
  EXPECT_EQ(Str(QToolTip::text().remove(u'\n')), Str(whole));
  EXPECT_EQ(Str(QAccessible::queryAccessibleInterface(answer)->text(QAccessible::Name)),
            Str(whole));
  Press("cmdCopy");
  EXPECT_EQ(Str(fakes.clipboard.text), Str(whole));
}

TEST_F(Documents, TheDisplayStripHasNoStrayLineAtFractionalScales) {
  for (const char* name : {"txtOperand(0)", "lblOperator", "lblAnswer", "txtPaste(0)"}) {
    QWidget* display = Find(name);
    for (const double scale : {1.25, 1.5}) {
      QImage image(display->size() * scale, QImage::Format_RGB32);
      image.setDevicePixelRatio(scale);
      display->render(&image);
      // Empty, a display is black with at most a white focus mark: nothing green.
      int green = 0;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          const QColor c = image.pixelColor(x, y);
          green += c.green() > c.red() + 64;
        }
      }
      EXPECT_EQ(green, 0) << name << " at " << scale;
    }
  }
}

}  // namespace
}  // namespace numbrella::testing
