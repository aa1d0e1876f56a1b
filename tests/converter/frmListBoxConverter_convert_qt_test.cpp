// SPDX-License-Identifier: GPL-3.0-or-later
// Converting in the conversion calculator window: the output as the input and the
// units change, the direction, swapping the units and copying the output.
#include "converter/frmListBoxConverter.h"

#include "converter/converter_window.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>

namespace numbrella::testing {
namespace {

TEST_F(ConverterWindow, OutputFollowsEveryKeystrokeAndReadsTheLeadingNumber) {
  Choose("mnuDistance");
  ClickItem("lstDistance2", 1);  // Inches into Feet
  ExpectCaptions("Inches", "Feet", "Convert:", "Into:");
  EXPECT_EQ(TextOf("txtOut"), "0.08333333333333");
  Type("2");
  EXPECT_EQ(TextOf("txtIn"), "2");
  EXPECT_EQ(TextOf("txtOut"), "0.16666666666667");
  QTest::keyClicks(Find("txtIn"), "4");
  EXPECT_EQ(TextOf("txtOut"), "2.00000000000000");
  QTest::keyClicks(Find("txtIn"), ",5");  // a comma ends the number
  EXPECT_EQ(TextOf("txtOut"), "2.00000000000000");
  QTest::keyClick(Find("txtIn"), Qt::Key_Backspace);
  QTest::keyClick(Find("txtIn"), Qt::Key_Backspace);
  QTest::keyClick(Find("txtIn"), Qt::Key_Backspace);
  EXPECT_EQ(TextOf("txtOut"), "0.16666666666667");
  Type("abc");
  EXPECT_EQ(TextOf("txtOut"), "0.00000000000000");
  // A value whose result overflows leaves the output as it was.
  Choose("mnuArea");
  ClickItem("lstArea1", 7);
  ClickItem("lstArea2", 4);
  Type("2");
  EXPECT_EQ(TextOf("txtOut"), "2000000000000.00000000000000");
  // Typed key by key: 1e30 still converts, the last 0 makes the result overflow.
  Type("1e30");
  const QString last = TextOf("txtOut");
  EXPECT_EQ(last, "1" + QString(42, '0') + ".00000000000000");
  QTest::keyClicks(Find("txtIn"), "0");
  EXPECT_EQ(TextOf("txtIn"), "1e300");
  EXPECT_EQ(TextOf("txtOut"), last);
  ExpectCaptions("Sq Kilometers", "Sq Millimeters", "Convert:", "Into:");
}

TEST_F(ConverterWindow, InputHoldsTextsOfAnyLength) {
  QGuiApplication::clipboard()->setText("2" + QString(40000, u' '));
  Find<QLineEdit>("txtIn")->selectAll();
  QTest::keyClick(Find("txtIn"), Qt::Key_Insert, Qt::ShiftModifier);  // Ctrl+V is a menu key here
  QTest::keyClicks(Find("txtIn"), "5");
  EXPECT_EQ(TextOf("txtIn").size(), 40002);
  EXPECT_EQ(TextOf("txtOut"), "25.00000000000000") << "blanks inside the number are skipped";
}

TEST_F(ConverterWindow, ConvertsInEveryCategoryChosenByMenuShortcutOrPopup) {
  struct Case {
    const char* menu;
    Qt::Key key;
    const char* left;
    int from;
    const char* right;
    int into;
    const char* input;
    const char* output;
  };
  const Case cases[] = {
      {"mnuArea", Qt::Key_A, "lstArea1", 1, "lstArea2", 0, "1", "144.00"},
      {"mnuMemory", Qt::Key_C, "lstMemory1", 2, "lstMemory2", 1, "1", "1024.00"},
      {"mnuDistance", Qt::Key_D, "lstDistance1", 3, "lstDistance2", 1, "1", "5280.00"},
      {"mnuEnergy", Qt::Key_G, "lstEnergy1", 6, "lstEnergy2", 5, "1", "3600000.00"},
      {"mnuFlowRate", Qt::Key_F, "lstFlow1", 2, "lstFlow2", 3, "1", "60.00"},
      {"mnuForce", Qt::Key_O, "lstForce1", 5, "lstForce2", 4, "1", "1000.00"},
      {"mnuLight", Qt::Key_L, "lstLight1", 2, "lstLight2", 3, "5", "5.00"},
      {"mnuMass", Qt::Key_M, "lstMass1", 4, "lstMass2", 3, "1", "1000.00"},
      {"mnuPower", Qt::Key_W, "lstPower1", 2, "lstPower2", 1, "1", "1000.00"},
      {"mnuPressure", Qt::Key_P, "lstPressure1", 4, "lstPressure2", 3, "1", "1000.00"},
      {"mnuTemp", Qt::Key_E, "lstTemps1", 0, "lstTemps2", 1, "37", "98.60"},
      {"mnuTorque", Qt::Key_T, "lstTorque1", 1, "lstTorque2", 0, "1", "12.00"},
      {"mnuSpeed", Qt::Key_Y, "lstSpeed1", 3, "lstSpeed2", 4, "1", "60.00"},
      {"mnuVolume", Qt::Key_V, "lstVolume1", 8, "lstVolume2", 3, "1", "1000.00"},
  };
  ChooseDecimals("2");
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.menu);
    // Each category by another way: the shortcut in the input field, the menu
    // entry, or the entry of the pop-up on the window background.
    switch (n++ % 3) {
      case 0:
        Key("txtIn", c.key);
        break;
      case 1:
        Choose(c.menu);
        break;
      default: {
        QMenu* popup = window->ListsMenu();
        QTest::mouseClick(window->centralWidget(), Qt::RightButton, {}, QPoint(10, 10));
        ASSERT_TRUE(popup->isVisible());
        QAction* entry = Find<QAction>(c.menu);
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(entry).center());
        EXPECT_FALSE(popup->isVisible());
        Reactivate();
      }
    }
    const UnitCategory* category = nullptr;
    for (const UnitCategory& entry : Categories()) {
      if (entry.menuName == c.menu) category = &entry;
    }
    ASSERT_NE(category, nullptr);
    EXPECT_EQ(TextOf("lblTitle"), Q(category->title));
    EXPECT_EQ(Find("lblTitle")->toolTip(), Q(category->description));
    EXPECT_EQ(VisibleLists(),
              (std::vector<QString>{Q(category->leftList), Q(category->rightList)}));
    Type(c.input);
    ClickItem(c.left, c.from);
    ClickItem(c.right, c.into);
    EXPECT_EQ(TextOf("Label1"), Q(category->units[c.from].text));
    EXPECT_EQ(TextOf("Label2"), Q(category->units[c.into].text));
    EXPECT_EQ(TextOf("txtOut"), c.output);
  }
}

TEST_F(ConverterWindow, CategoryCommandResetsTheUnitsAndKeepsInputPlacesAndDirection) {
  Choose("mnuVolume");
  ClickItem("lstVolume1", 7);
  ClickItem("lstVolume2", 5);
  Type("3");
  ChooseDecimals("1");
  QTest::mouseClick(Find("Image1"), Qt::LeftButton);
  EXPECT_EQ(TextOf("txtOut"), "0.4");  // Pints into Gallons
  // The category already shown starts again at its first units.
  Key("lstVolume1", Qt::Key_V);
  EXPECT_EQ(Find<QListWidget>("lstVolume1")->currentRow(), 0);
  EXPECT_EQ(Find<QListWidget>("lstVolume2")->currentRow(), 0);
  EXPECT_EQ(TextOf("txtIn"), "3");
  EXPECT_EQ(TextOf("txtOut"), "3.0");
  EXPECT_TRUE(Find("Image2")->isVisible());
  ExpectCaptions("Cubic inches", "Cubic inches", "Into:", "Convert:");
  Key("cmdSwap1", Qt::Key_T);
  EXPECT_EQ(VisibleLists(), (std::vector<QString>{"lstTorque1", "lstTorque2"}));
  EXPECT_EQ(TextOf("txtOut"), "3.0");
  EXPECT_EQ(Find<QComboBox>("cmbDP")->currentText(), "1");
}

TEST_F(ConverterWindow, ListsKeepTheirUnitAndLongUnitNamesShowWhole) {
  Choose("mnuTorque");
  ClickItem("lstTorque1", 2);
  ClickItem("lstTorque2", 3);
  // Ctrl+click on the chosen unit leaves it chosen and shown as chosen.
  QListWidget* left = Find<QListWidget>("lstTorque1");
  QTest::mouseClick(left->viewport(), Qt::LeftButton, Qt::ControlModifier,
                    left->visualItemRect(left->item(2)).center());
  EXPECT_EQ(left->currentRow(), 2);
  ASSERT_EQ(left->selectedItems().size(), 1);
  EXPECT_EQ(left->selectedItems()[0]->text(), "Pound-force/inch(Inch pounds)");
  // The longest names fit beside the fields, on two lines where they must.
  ExpectCaptions("Pound-force/inch(Inch pounds)", "Pound-force/foot(Foot pounds)",
                 "Convert:", "Into:");
  for (const char* name : {"Label1", "Label2"}) {
    auto* label = Find<QLabel>(name);
    const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 1000),
                                                           Qt::TextWordWrap, label->text());
    EXPECT_TRUE(label->wordWrap()) << name;
    EXPECT_LE(needed.width(), label->width()) << name;
    EXPECT_LE(needed.height(), label->height()) << name;
  }
}

TEST_F(ConverterWindow, TheHandsReverseTheDirectionAndTwoClicksRestoreIt) {
  Choose("mnuDistance");
  ClickItem("lstDistance2", 1);  // Inches into Feet
  QTest::mouseClick(Find("Image1"), Qt::LeftButton);
  EXPECT_FALSE(Find("Image1")->isVisible());
  EXPECT_TRUE(Find("Image2")->isVisible());
  ExpectCaptions("Feet", "Inches", "Into:", "Convert:");
  EXPECT_EQ(TextOf("txtOut"), "12.00000000000000");
  EXPECT_EQ(Find<QListWidget>("lstDistance1")->currentRow(), 0);
  EXPECT_EQ(Find<QListWidget>("lstDistance2")->currentRow(), 1);
  // In reverse a click on the right list picks the input unit.
  ClickItem("lstDistance2", 2);
  EXPECT_EQ(TextOf("Label1"), "Yards");
  EXPECT_EQ(TextOf("txtOut"), "36.00000000000000");
  QTest::mouseClick(Find("Image2"), Qt::LeftButton);
  EXPECT_TRUE(Find("Image1")->isVisible());
  EXPECT_FALSE(Find("Image2")->isVisible());
  ExpectCaptions("Inches", "Yards", "Convert:", "Into:");
  EXPECT_EQ(TextOf("txtOut"), "0.02777777777778");
}

TEST_F(ConverterWindow, SwapTwiceReturnsToTheFirstUnits) {
  ClickItem("lstArea1", 1);  // Sq Feet into Sq Inches
  ASSERT_EQ(TextOf("txtOut"), "144.00000000000000");
  Press("cmdSwap1");
  EXPECT_EQ(TextOf("txtIn"), "144");
  EXPECT_EQ(Find<QListWidget>("lstArea1")->currentItem()->text(), "Sq Inches");
  EXPECT_EQ(Find<QListWidget>("lstArea2")->currentItem()->text(), "Sq Feet");
  ExpectCaptions("Sq Inches", "Sq Feet", "Convert:", "Into:");
  EXPECT_EQ(TextOf("txtOut"), "1.00000000000000");
  Key("txtIn", Qt::Key_U);
  EXPECT_EQ(TextOf("txtIn"), "1");
  EXPECT_EQ(Find<QListWidget>("lstArea1")->currentItem()->text(), "Sq Feet");
  EXPECT_EQ(Find<QListWidget>("lstArea2")->currentItem()->text(), "Sq Inches");
  EXPECT_EQ(TextOf("txtOut"), "144.00000000000000");
}

TEST_F(ConverterWindow, SwapLeavesEverythingWhenTheOutputIsNoNumber) {
  ClickItem("lstArea1", 1);
  QLineEdit* out = Find<QLineEdit>("txtOut");
  out->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(out, "lots");
  ASSERT_EQ(out->text(), "lots");
  Press("cmdSwap1");
  EXPECT_EQ(TextOf("txtIn"), "1");
  EXPECT_EQ(out->text(), "lots");
  EXPECT_EQ(Find<QListWidget>("lstArea1")->currentRow(), 1);
  EXPECT_EQ(Find<QListWidget>("lstArea2")->currentRow(), 0);
  EXPECT_TRUE(window->isVisible());
  // Copy of such an output puts 0.
  Press("cmdCopy");
  EXPECT_EQ(fake.clipboard.text, "0");
}

TEST_F(ConverterWindow, CopyPutsTheOutputsGeneralNumberTextOnTheClipboard) {
  fake.clipboard.text = "old";
  Press("cmdCopy");
  EXPECT_EQ(fake.clipboard.text, "1");
  EXPECT_EQ(fake.clipboard.clears, 1);
  Key("txtIn", Qt::Key_E);  // Temperature
  Type("-3.5");
  ASSERT_EQ(TextOf("txtOut"), "-3.50000000000000");
  Key("txtIn", Qt::Key_S);
  EXPECT_EQ(fake.clipboard.text, "-3.5");
  EXPECT_EQ(fake.clipboard.clears, 2);
  Choose("mnuArea");
  Type("1");
  ClickItem("lstArea2", 1);
  Choose("mnuSave");
  EXPECT_EQ(fake.clipboard.text, "0.00694444444444");
}

}  // namespace
}  // namespace numbrella::testing
