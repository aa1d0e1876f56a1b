// SPDX-License-Identifier: GPL-3.0-or-later
// The conversion calculator window as it opens: its controls, lists and menus, the
// keys and clicks that reach past its fields, and the windows it opens.
#include "converter/frmListBoxConverter.h"

#include "converter/converter_window.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace numbrella::testing {
namespace {

TEST_F(ConverterWindow, OpensWithTheDefaultsAndTheFocusInTheInput) {
  EXPECT_EQ(window->windowTitle(), " Zaduzer Uvev!!" + QString(27, ' ') + "www.numbrella.example");
  EXPECT_EQ(window->parentWidget(), nullptr);
  EXPECT_FALSE(window->isModal());
  EXPECT_FALSE(window->windowIcon().isNull());
  EXPECT_EQ(window->centralWidget()->size(), QSize(541, 332));

  auto* title = Find<QLabel>("lblTitle");
  EXPECT_EQ(title->text(), "Area");
  EXPECT_EQ(title->toolTip(), "The measure of a bounded region on a plane");
  EXPECT_EQ(VisibleLists(), (std::vector<QString>{"lstArea1", "lstArea2"}));
  EXPECT_EQ(Find<QListWidget>("lstArea1")->currentItem()->text(), "Sq Inches");
  EXPECT_EQ(Find<QListWidget>("lstArea2")->currentItem()->text(), "Sq Inches");
  ExpectCaptions("Sq Inches", "Sq Inches", "Convert:", "Into:");
  EXPECT_EQ(Find<QLineEdit>("txtOut")->text(), "1.00000000000000");
  EXPECT_EQ(Find<QComboBox>("cmbDP")->currentText(), "14");
  EXPECT_TRUE(Find("Image1")->isVisible());
  EXPECT_FALSE(Find("Image2")->isVisible());

  QLineEdit* in = Find<QLineEdit>("txtIn");
  EXPECT_EQ(in->text(), "1");
  EXPECT_TRUE(in->hasFocus());
  EXPECT_EQ(in->selectedText(), "1");
  // Typing replaces the selected "1".
  QTest::keyClicks(in, "25");
  EXPECT_EQ(in->text(), "25");
  EXPECT_EQ(Find<QLineEdit>("txtOut")->text(), "25.00000000000000");
}

TEST_F(ConverterWindow, ControlsSitWhereTheLayoutPutsThemWithTheirTextsAndFonts) {
  struct Place {
    const char* name;
    QRect rect;
  };
  for (Place p : {Place{"lblTitle", {92, 8, 357, 29}}, Place{"Label6", {44, 44, 41, 13}},
                  Place{"Label7", {296, 44, 41, 13}}, Place{"lstArea1", {44, 60, 201, 95}},
                  Place{"lstVolume2", {296, 60, 201, 95}}, Place{"Image1", {256, 92, 32, 32}},
                  Place{"Image2", {256, 92, 32, 32}}, Place{"Label3", {20, 204, 37, 21}},
                  Place{"txtIn", {60, 196, 329, 29}}, Place{"Label1", {396, 208, 145, 29}},
                  Place{"Label4", {8, 248, 49, 21}}, Place{"txtOut", {60, 240, 329, 29}},
                  Place{"Label2", {396, 252, 145, 29}}, Place{"Label5", {68, 292, 109, 21}},
                  Place{"cmdSwap1", {328, 288, 93, 25}}, Place{"cmdCopy", {432, 288, 93, 25}},
                  Place{"Text1", {460, 292, 29, 19}}}) {
    EXPECT_EQ(Find(p.name)->geometry(), p.rect) << p.name;
  }
  EXPECT_EQ(Find("cmbDP")->geometry().topLeft(), QPoint(16, 289));
  EXPECT_EQ(Find("cmbDP")->width(), 45);
  // The client area keeps its size: the window cannot be resized.
  QWidget* client = window->centralWidget();
  EXPECT_EQ(client->size(), QSize(541, 332));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  window->resize(800, 600);
  EXPECT_EQ(client->size(), QSize(541, 332));
  // The focus sink hides under the copy button.
  EXPECT_EQ(client->childAt(Find("Text1")->geometry().center()), Find("cmdCopy"));

  EXPECT_EQ(TextOf("Label3"), "Input:");
  EXPECT_EQ(TextOf("Label4"), "Output:");
  EXPECT_EQ(TextOf("Label5"), "Decimal points");
  EXPECT_EQ(Find<QPushButton>("cmdSwap1")->text(), "&Swap Units");
  EXPECT_EQ(Find<QPushButton>("cmdCopy")->text(), "&Clipboard");
  struct Tip {
    const char* name;
    const char* tip;
  };
  for (Tip t :
       {Tip{"Image1", "Click here to reverse conversion"},
        Tip{"Image2", "Click here to reverse conversion"}, Tip{"txtIn", "Input your data here"},
        Tip{"txtOut", "Your conversion appears here"},
        Tip{"cmbDP", "Select number of decimal points"},
        Tip{"Label5", "Select number of decimal points"}, Tip{"cmdSwap1", "Invert selected units"},
        Tip{"cmdCopy", "Copy output to clipboard"}}) {
    EXPECT_EQ(Find(t.name)->toolTip(), t.tip) << t.name;
  }
  struct Font {
    const char* name;
    qreal points;
    bool bold;
  };
  for (Font f :
       {Font{"lblTitle", 13.5, true}, Font{"Label6", 8.25, false}, Font{"Label7", 8.25, false},
        Font{"lstArea1", 8.25, true}, Font{"Label3", 9.75, true}, Font{"txtIn", 12, true},
        Font{"txtOut", 12, true}, Font{"Label1", 8.25, true}, Font{"cmbDP", 9.75, true},
        Font{"cmdCopy", 9.75, true}}) {
    EXPECT_DOUBLE_EQ(Find(f.name)->font().pointSizeF(), f.points) << f.name;
    EXPECT_EQ(Find(f.name)->font().bold(), f.bold) << f.name;
  }
  EXPECT_EQ(Find<QLineEdit>("txtOut")->palette().color(QPalette::Base), QColor(255, 192, 192));
  EXPECT_EQ(Find<QLabel>("Image1")->pixmap().size(), QSize(32, 32));
  EXPECT_EQ(Find<QLabel>("Image2")->pixmap().size(), QSize(32, 32));
  EXPECT_NE(Find<QLabel>("Image1")->pixmap().toImage(), Find<QLabel>("Image2")->pixmap().toImage());

  QComboBox* places = Find<QComboBox>("cmbDP");
  ASSERT_EQ(places->count(), 31);
  for (int i = 0; i < 31; ++i) {
    EXPECT_EQ(places->itemText(i), QString::number(i));
    EXPECT_EQ(places->itemData(i).toInt(), i <= 10 ? i : 0);
  }
}

TEST_F(ConverterWindow, EveryListHoldsItsUnitsWithTheirCodesInOnePlace) {
  for (const UnitCategory& category : Categories()) {
    for (auto [name, place] : {std::pair{category.leftList, QPoint(44, 60)},
                               std::pair{category.rightList, QPoint(296, 60)}}) {
      QListWidget* list = window->findChild<QListWidget*>(Q(name));
      ASSERT_NE(list, nullptr) << name;
      EXPECT_EQ(list->pos(), place) << name;
      EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
      ASSERT_EQ(list->count(), static_cast<int>(category.units.size())) << name;
      for (int i = 0; i < list->count(); ++i) {
        EXPECT_EQ(list->item(i)->text(), Q(category.units[i].text));
        EXPECT_EQ(list->item(i)->data(Qt::UserRole).toInt(), category.units[i].code);
      }
    }
  }
  EXPECT_EQ(window->findChildren<QListWidget*>().size(), 28);
}

TEST_F(ConverterWindow, MenusHoldTheirEntriesInOrderWithTheirKeys) {
  QList<QAction*> top = window->menuBar()->actions();
  ASSERT_EQ(top.size(), 3);
  EXPECT_EQ(top[0]->text(), "&Lists");
  EXPECT_EQ(top[1]->text(), "&Options");
  EXPECT_EQ(top[2]->text(), "&Info");
  struct Entry {
    const char* name;
    const char* caption;
    const char* keys;
  };
  auto expectEntries = [&](const char* menu, std::vector<Entry> entries) {
    QList<QAction*> actions = Find<QMenu>(menu)->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(entries.size())) << menu;
    for (std::size_t i = 0; i < entries.size(); ++i) {
      EXPECT_EQ(actions[i]->objectName(), entries[i].name);
      EXPECT_EQ(actions[i]->text(), entries[i].caption);
      EXPECT_EQ(actions[i]->shortcut(), QKeySequence(entries[i].keys)) << entries[i].name;
    }
  };
  expectEntries("mnuLists", {{"mnuArea", "&Area", "Ctrl+A"},
                             {"mnuMemory", "&Computer Memory / Disk Capacity", "Ctrl+C"},
                             {"mnuDistance", "&Distance", "Ctrl+D"},
                             {"mnuEnergy", "Ener&gy", "Ctrl+G"},
                             {"mnuFlowRate", "&Flow Rate", "Ctrl+F"},
                             {"mnuForce", "F&orce", "Ctrl+O"},
                             {"mnuLight", "&Light", "Ctrl+L"},
                             {"mnuMass", "&Mass", "Ctrl+M"},
                             {"mnuPower", "Po&wer", "Ctrl+W"},
                             {"mnuPressure", "&Pressure", "Ctrl+P"},
                             {"mnuTemp", "T&emperature", "Ctrl+E"},
                             {"mnuTorque", "&Torque", "Ctrl+T"},
                             {"mnuSpeed", "Velocit&y", "Ctrl+Y"},
                             {"mnuVolume", "&Volume", "Ctrl+V"}});
  expectEntries("mnuOptions", {{"mnuSave", "&Save to Clipboard", "Ctrl+S"},
                               {"mnuSwap", "Swap Selected &Units", "Ctrl+U"}});
  expectEntries("mnuInfo", {{"mnuShowInfo", "The S&I System", "Ctrl+I"},
                            {"mnuSIBaseUnits", "SI &Base Units", "Ctrl+B"},
                            {"mnuPrefixes", "SI Prefi&xes", "Ctrl+X"}});
}

TEST_F(ConverterWindow, MenuKeysWinOverTheEditKeysOfTheFields) {
  QLineEdit* in = Find<QLineEdit>("txtIn");
  Type("123");
  in->selectAll();
  fake.clipboard.text = "untouched";
  Key("txtIn", Qt::Key_C);
  EXPECT_EQ(TextOf("lblTitle"), "Computer Memory / Disk Capacity");
  Key("txtIn", Qt::Key_V);
  EXPECT_EQ(TextOf("lblTitle"), "Volume");
  Key("txtIn", Qt::Key_X);
  EXPECT_EQ(OpenWindows("frmSIPrefixes1").size(), 1u);
  Key("txtIn", Qt::Key_A);
  EXPECT_EQ(TextOf("lblTitle"), "Area");
  EXPECT_EQ(in->text(), "123");
  EXPECT_EQ(fake.clipboard.text, "untouched");
  // The same keys from the output field and the decimal places.
  Key("txtOut", Qt::Key_C);
  EXPECT_EQ(TextOf("lblTitle"), "Computer Memory / Disk Capacity");
  Key("cmbDP", Qt::Key_V);
  EXPECT_EQ(TextOf("lblTitle"), "Volume");
}

TEST_F(ConverterWindow, PopupOpensOnTheBackgroundOnlyAndAClickThereTakesTheFocus) {
  QMenu* popup = window->ListsMenu();
  for (const char* control :
       {"txtIn", "txtOut", "cmdSwap1", "Label1", "Label3", "lblTitle", "Image1", "cmbDP"}) {
    QTest::mouseClick(Find(control), Qt::RightButton);
    EXPECT_FALSE(popup->isVisible()) << control;
    popup->hide();
    for (QWidget* menu : QApplication::topLevelWidgets()) {
      if (qobject_cast<QMenu*>(menu) && menu->isVisible()) menu->close();  // edit menus
    }
  }
  QListWidget* list = Find<QListWidget>("lstArea1");
  QTest::mouseClick(list->viewport(), Qt::RightButton, {},
                    list->visualItemRect(list->item(0)).center());
  EXPECT_FALSE(popup->isVisible());
  QTest::mouseClick(window->centralWidget(), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_FALSE(popup->isVisible());
  QTest::mouseClick(window->centralWidget(), Qt::RightButton, {}, QPoint(530, 325));
  EXPECT_TRUE(popup->isVisible());
  popup->hide();

  QLineEdit* in = Find<QLineEdit>("txtIn");
  in->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(in->hasSelectedText());
  QTest::mouseClick(window->centralWidget(), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_FALSE(in->hasFocus());
  EXPECT_FALSE(in->hasSelectedText());
  EXPECT_TRUE(Find("Text1")->hasFocus());
  EXPECT_EQ(in->text(), "1");
  // Entering a field by mouse selects its whole text.
  QTest::mouseClick(Find("txtOut"), Qt::LeftButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(Find<QLineEdit>("txtOut")->selectedText(), "1.00000000000000");
}

TEST_F(ConverterWindow, ShowingAgainBringsTheOneWindowAndClosingDiscardsItsState) {
  Choose("mnuTorque");
  Type("7");
  EXPECT_EQ(&application.ShowConverter(), window);
  EXPECT_EQ(OpenWindows("frmListBoxConverter").size(), 1u);
  EXPECT_EQ(TextOf("lblTitle"), "Torque");
  window->close();
  DiscardClosedWindows();
  EXPECT_TRUE(OpenWindows("frmListBoxConverter").empty());
  Open();
  EXPECT_EQ(TextOf("lblTitle"), "Area");
  EXPECT_EQ(TextOf("txtIn"), "1");
  EXPECT_EQ(TextOf("txtOut"), "1.00000000000000");
}

TEST_F(ConverterWindow, InfoEntriesShowEachReferenceWindowOnceBesideTheConverter) {
  for (auto [entry, name] :
       {std::pair{"mnuShowInfo", "frmInfo1"}, std::pair{"mnuSIBaseUnits", "frmSIBaseUnits1"},
        std::pair{"mnuPrefixes", "frmSIPrefixes1"}}) {
    Choose(entry);
    Choose(entry);
    std::vector<QWidget*> shown = OpenWindows(name);
    ASSERT_EQ(shown.size(), 1u) << name;
    EXPECT_EQ(shown[0]->parentWidget(), nullptr);
    EXPECT_FALSE(shown[0]->isModal());
  }
  Key("txtIn", Qt::Key_I);
  Key("txtIn", Qt::Key_B);
  EXPECT_EQ(OpenWindows("frmInfo1").size(), 1u);
  EXPECT_EQ(OpenWindows("frmSIBaseUnits1").size(), 1u);
  // Closing the converter leaves the reference windows open.
  window->close();
  DiscardClosedWindows();
  EXPECT_EQ(OpenWindows("frmInfo1").size(), 1u);
  EXPECT_EQ(OpenWindows("frmSIPrefixes1").size(), 1u);
}

}  // namespace
}  // namespace numbrella::testing
