// SPDX-License-Identifier: GPL-3.0-or-later
// The conversion calculator from the keyboard: the Tab chain through the shown pair of
// unit lists, units chosen with the arrow keys, and the frame that shows which list
// has the focus.
#include "converter/frmListBoxConverter.h"

#include "converter/converter_window.h"

#include <gtest/gtest.h>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace numbrella::testing {
namespace {

class ConverterKeyboard : public ConverterWindow {
 protected:
  // The names of the controls that Tab visits from the input field until it comes back.
  QStringList TabChain() {
    QWidget* start = Find("txtIn");
    start->setFocus(Qt::OtherFocusReason);
    QStringList visited;
    for (int step = 0; step < 50; ++step) {
      QWidget* focused = QApplication::focusWidget();
      if (focused == nullptr) break;
      if (step > 0 && focused == start) return visited;
      visited << focused->objectName();
      QTest::keyClick(focused, Qt::Key_Tab);
    }
    ADD_FAILURE() << "Tab does not come back to the input field";
    return visited;
  }

  // The colour of a list's top edge, where its frame is drawn.
  static QColor TopEdge(QWidget* list) {
    const QImage image = list->grab().toImage();
    return image.pixelColor(image.width() / 2, 0);
  }
};

TEST_F(ConverterKeyboard, TabGoesThroughTheShownUnitsAndTheArrowsChooseThem) {
  EXPECT_EQ(TabChain(), (QStringList{"txtIn", "lstArea1", "lstArea2", "txtOut", "cmbDP", "cmdSwap1",
                                     "cmdCopy"}));
  QTest::keyClick(Find("txtIn"), Qt::Key_D, Qt::ControlModifier);
  EXPECT_EQ(TabChain(), (QStringList{"txtIn", "lstDistance1", "lstDistance2", "txtOut", "cmbDP",
                                     "cmdSwap1", "cmdCopy"}));

  // Feet into inches, chosen from the keyboard.
  QTest::keyClick(Find("txtIn"), Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_EQ(Find<QLabel>("Label1")->text(), "Feet");
  EXPECT_EQ(Find<QLineEdit>("txtOut")->text(), "12.00000000000000");

  // A click on the window background still takes the focus from the fields.
  QTest::mouseClick(Find("frmListBoxConverterClient"), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(Find("txtIn")->hasFocus());
  EXPECT_EQ(QApplication::focusWidget(), Find("Text1"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::ControlModifier);
  EXPECT_TRUE(Find("lstMass1")->isVisible());
}

// One key from a number to its conversion, which a screen reader says with its unit.
TEST_F(ConverterKeyboard, EnterInTheInputGoesToTheOutput) {
  Type("12");
  QTest::keyClick(Find("txtIn"), Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), Find("txtOut"));
  EXPECT_EQ(Find("txtOut")->accessibleName(), "Output, Sq Inches");
}

TEST_F(ConverterKeyboard, TheFocusedListShowsItsFrame) {
  QWidget* left = Find("lstArea1");
  QWidget* right = Find("lstArea2");
  const QColor highlight = left->palette().color(QPalette::Highlight);
  left->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(TopEdge(left), highlight);
  EXPECT_NE(TopEdge(right), highlight);
  QTest::keyClick(left, Qt::Key_Tab);
  ASSERT_TRUE(right->hasFocus());
  EXPECT_NE(TopEdge(left), highlight);
  EXPECT_EQ(TopEdge(right), highlight);
}

// A screen reader picks a unit by selecting its item through the list's cell, not by
// a click: the output follows all the same.
TEST_F(ConverterKeyboard, AUnitSelectedByAScreenReaderIsTheListsUnit) {
  auto pick = [this](const char* listName, int row) {
    auto* list = Find<QListWidget>(listName);
    QAccessibleInterface* cells = QAccessible::queryAccessibleInterface(list);
    ASSERT_NE(cells, nullptr);
    ASSERT_NE(cells->tableInterface(), nullptr);
    QAccessibleInterface* cell = cells->tableInterface()->cellAt(row, 0);
    ASSERT_NE(cell, nullptr);
    ASSERT_NE(cell->actionInterface(), nullptr);
    cell->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(list->currentRow(), row) << listName;
    EXPECT_EQ(list->selectedItems().size(), 1) << listName;
  };
  QTest::keyClicks(Find("txtIn"), "2");
  pick("lstArea1", 1);  // Sq Feet
  pick("lstArea2", 0);  // Sq Inches
  EXPECT_EQ(Find<QLineEdit>("txtOut")->text(), "288.00000000000000");
}

}  // namespace
}  // namespace numbrella::testing
