// SPDX-License-Identifier: GPL-3.0-or-later
// The conversion calculator window, driven through its controls and menus.
#include "converter/frmListBoxConverter.h"

#include "support/fake_services.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

// Failures show texts as the user reads them.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace numbrella {
namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void DiscardClosedWindows() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

std::vector<QWidget*> OpenWindows(const char* name) {
  std::vector<QWidget*> found;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == QLatin1String(name) && widget->isVisible()) {
      found.push_back(widget);
    }
  }
  return found;
}

class ConverterWindow : public ::testing::Test {
 protected:
  void SetUp() override { Open(); }

  void TearDown() override {
    for (const char* name : {"frmListBoxConverter", "frmInfo1", "frmSIBaseUnits1",
                             "frmSIPrefixes1"}) {
      for (QWidget* widget : OpenWindows(name)) widget->close();
    }
    DiscardClosedWindows();
  }

  void Open() {
    ShowConversionCalculator(fake.services());
    std::vector<QWidget*> windows = OpenWindows("frmListBoxConverter");
    ASSERT_EQ(windows.size(), 1u);
    window = qobject_cast<frmListBoxConverter*>(windows.front());
    ASSERT_NE(window, nullptr);
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }

  template <class T = QWidget>
  T* Find(const char* name) const {
    T* child = window->findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  QLineEdit* Field(const char* name) const { return Find<QLineEdit>(name); }
  QString TextOf(const char* name) const {
    if (auto* field = window->findChild<QLineEdit*>(QLatin1String(name))) return field->text();
    if (auto* label = window->findChild<QLabel*>(QLatin1String(name))) return label->text();
    ADD_FAILURE() << "no text control " << name;
    return {};
  }
  QListWidget* List(const char* name) const { return Find<QListWidget>(name); }

  // The user's actions.
  void ClickItem(const char* list, int row) {
    QListWidget* box = List(list);
    ASSERT_TRUE(box->isVisible()) << list;
    QListWidgetItem* item = box->item(row);
    box->scrollToItem(item);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(item).center());
  }
  void Press(const char* button) {
    QWidget* widget = Find(button);
    QTest::mousePress(widget, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton);
  }
  // Replaces the input's text as a user does: select it all with the keyboard, type.
  void Type(const QString& text) {
    QLineEdit* in = Field("txtIn");
    in->setFocus(Qt::TabFocusReason);
    QTest::keyClick(in, Qt::Key_End);
    QTest::keyClick(in, Qt::Key_Home, Qt::ShiftModifier);
    if (text.isEmpty()) {
      QTest::keyClick(in, Qt::Key_Delete);
    } else {
      QTest::keyClicks(in, text);
    }
  }
  void Key(const char* control, Qt::Key key) {
    QTest::keyClick(Find(control), key, Qt::ControlModifier);
  }
  void ChooseDecimals(const QString& item) {
    QComboBox* combo = Find<QComboBox>("cmbDP");
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QModelIndex index = view->model()->index(combo->findText(item), 0);
    ASSERT_TRUE(index.isValid()) << item.toStdString();
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    QCoreApplication::processEvents();
    Reactivate();
  }
  // The offscreen platform does not hand the activation back to the window when a
  // pop-up closes, as a desktop does; the menu keys need an active window.
  void Reactivate() {
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }
  void Choose(const char* menuEntry) { Find<QAction>(menuEntry)->trigger(); }

  std::vector<QString> VisibleLists() const {
    std::vector<QString> names;
    for (QListWidget* list : window->findChildren<QListWidget*>()) {
      if (list->isVisible()) names.push_back(list->objectName());
    }
    return names;
  }
  void ExpectCaptions(const char* l1, const char* l2, const char* l6, const char* l7) {
    EXPECT_EQ(TextOf("Label1"), l1);
    EXPECT_EQ(TextOf("Label2"), l2);
    EXPECT_EQ(TextOf("Label6"), l6);
    EXPECT_EQ(TextOf("Label7"), l7);
  }

  testing::FakeServices fake;
  frmListBoxConverter* window = nullptr;
};

TEST_F(ConverterWindow, OpensWithTheDefaultsAndTheFocusInTheInput) {
  EXPECT_EQ(window->windowTitle(),
            " Zaduzer Uvev!!" + QString(27, ' ') + "www.numbrella.example");
  EXPECT_EQ(window->parentWidget(), nullptr);
  EXPECT_FALSE(window->isModal());
  EXPECT_FALSE(window->windowIcon().isNull());
  EXPECT_EQ(window->centralWidget()->size(), QSize(541, 332));

  auto* title = Find<QLabel>("lblTitle");
  EXPECT_EQ(title->text(), "Area");
  EXPECT_EQ(title->toolTip(), "The measure of a bounded region on a plane");
  EXPECT_EQ(VisibleLists(), (std::vector<QString>{"lstArea1", "lstArea2"}));
  EXPECT_EQ(List("lstArea1")->currentItem()->text(), "Sq Inches");
  EXPECT_EQ(List("lstArea2")->currentItem()->text(), "Sq Inches");
  ExpectCaptions("Sq Inches", "Sq Inches", "Convert:", "Into:");
  EXPECT_EQ(Field("txtOut")->text(), "1.00000000000000");
  EXPECT_EQ(Find<QComboBox>("cmbDP")->currentText(), "14");
  EXPECT_TRUE(Find("Image1")->isVisible());
  EXPECT_FALSE(Find("Image2")->isVisible());

  QLineEdit* in = Field("txtIn");
  EXPECT_EQ(in->text(), "1");
  EXPECT_TRUE(in->hasFocus());
  EXPECT_EQ(in->selectedText(), "1");
  // Typing replaces the selected "1".
  QTest::keyClicks(in, "25");
  EXPECT_EQ(in->text(), "25");
  EXPECT_EQ(Field("txtOut")->text(), "25.00000000000000");
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
  for (Tip t : {Tip{"Image1", "Click here to reverse conversion"},
                Tip{"Image2", "Click here to reverse conversion"},
                Tip{"txtIn", "Input your data here"}, Tip{"txtOut", "Your conversion appears here"},
                Tip{"cmbDP", "Select number of decimal points"},
                Tip{"Label5", "Select number of decimal points"},
                Tip{"cmdSwap1", "Invert selected units"}, Tip{"cmdCopy", "Copy output to clipboard"}}) {
    EXPECT_EQ(Find(t.name)->toolTip(), t.tip) << t.name;
  }
  struct Font {
    const char* name;
    qreal points;
    bool bold;
  };
  for (Font f : {Font{"lblTitle", 13.5, true}, Font{"Label6", 8.25, false},
                 Font{"Label7", 8.25, false}, Font{"lstArea1", 8.25, true},
                 Font{"Label3", 9.75, true}, Font{"txtIn", 12, true}, Font{"txtOut", 12, true},
                 Font{"Label1", 8.25, true}, Font{"cmbDP", 9.75, true},
                 Font{"cmdCopy", 9.75, true}}) {
    EXPECT_DOUBLE_EQ(Find(f.name)->font().pointSizeF(), f.points) << f.name;
    EXPECT_EQ(Find(f.name)->font().bold(), f.bold) << f.name;
  }
  EXPECT_EQ(Field("txtOut")->palette().color(QPalette::Base), QColor(255, 192, 192));
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

TEST_F(ConverterWindow, OutputFollowsEveryKeystrokeAndReadsTheLeadingNumber) {
  Choose("mnuDistance");
  ClickItem("lstDistance2", 1);  // Inches into Feet
  ExpectCaptions("Inches", "Feet", "Convert:", "Into:");
  EXPECT_EQ(TextOf("txtOut"), "0.08333333333333");
  Type("2");
  EXPECT_EQ(TextOf("txtIn"), "2");
  EXPECT_EQ(TextOf("txtOut"), "0.16666666666667");
  QTest::keyClicks(Field("txtIn"), "4");
  EXPECT_EQ(TextOf("txtOut"), "2.00000000000000");
  QTest::keyClicks(Field("txtIn"), ",5");  // a comma ends the number
  EXPECT_EQ(TextOf("txtOut"), "2.00000000000000");
  QTest::keyClick(Field("txtIn"), Qt::Key_Backspace);
  QTest::keyClick(Field("txtIn"), Qt::Key_Backspace);
  QTest::keyClick(Field("txtIn"), Qt::Key_Backspace);
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
  QTest::keyClicks(Field("txtIn"), "0");
  EXPECT_EQ(TextOf("txtIn"), "1e300");
  EXPECT_EQ(TextOf("txtOut"), last);
  ExpectCaptions("Sq Kilometers", "Sq Millimeters", "Convert:", "Into:");
}

TEST_F(ConverterWindow, InputHoldsTextsOfAnyLength) {
  QGuiApplication::clipboard()->setText("2" + QString(40000, u' '));
  Field("txtIn")->selectAll();
  QTest::keyClick(Field("txtIn"), Qt::Key_Insert, Qt::ShiftModifier);  // Ctrl+V is a menu key here
  QTest::keyClicks(Field("txtIn"), "5");
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
    EXPECT_EQ(VisibleLists(), (std::vector<QString>{Q(category->leftList), Q(category->rightList)}));
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
  EXPECT_EQ(List("lstVolume1")->currentRow(), 0);
  EXPECT_EQ(List("lstVolume2")->currentRow(), 0);
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
  QListWidget* left = List("lstTorque1");
  QTest::mouseClick(left->viewport(), Qt::LeftButton, Qt::ControlModifier,
                    left->visualItemRect(left->item(2)).center());
  EXPECT_EQ(left->currentRow(), 2);
  ASSERT_EQ(left->selectedItems().size(), 1);
  EXPECT_EQ(left->selectedItems()[0]->text(), "Pound-force/inch(Inch pounds)");
  // The longest names fit beside the fields, on two lines where they must.
  ExpectCaptions("Pound-force/inch(Inch pounds)", "Pound-force/foot(Foot pounds)", "Convert:",
                 "Into:");
  for (const char* name : {"Label1", "Label2"}) {
    auto* label = Find<QLabel>(name);
    const QRect needed = label->fontMetrics().boundingRect(
        QRect(0, 0, label->width(), 1000), Qt::TextWordWrap, label->text());
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
  EXPECT_EQ(List("lstDistance1")->currentRow(), 0);
  EXPECT_EQ(List("lstDistance2")->currentRow(), 1);
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
  EXPECT_EQ(List("lstArea1")->currentItem()->text(), "Sq Inches");
  EXPECT_EQ(List("lstArea2")->currentItem()->text(), "Sq Feet");
  ExpectCaptions("Sq Inches", "Sq Feet", "Convert:", "Into:");
  EXPECT_EQ(TextOf("txtOut"), "1.00000000000000");
  Key("txtIn", Qt::Key_U);
  EXPECT_EQ(TextOf("txtIn"), "1");
  EXPECT_EQ(List("lstArea1")->currentItem()->text(), "Sq Feet");
  EXPECT_EQ(List("lstArea2")->currentItem()->text(), "Sq Inches");
  EXPECT_EQ(TextOf("txtOut"), "144.00000000000000");
}

TEST_F(ConverterWindow, SwapLeavesEverythingWhenTheOutputIsNoNumber) {
  ClickItem("lstArea1", 1);
  QLineEdit* out = Field("txtOut");
  out->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(out, "lots");
  ASSERT_EQ(out->text(), "lots");
  Press("cmdSwap1");
  EXPECT_EQ(TextOf("txtIn"), "1");
  EXPECT_EQ(out->text(), "lots");
  EXPECT_EQ(List("lstArea1")->currentRow(), 1);
  EXPECT_EQ(List("lstArea2")->currentRow(), 0);
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

TEST_F(ConverterWindow, MenuKeysWinOverTheEditKeysOfTheFields) {
  QLineEdit* in = Field("txtIn");
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

TEST_F(ConverterWindow, DecimalPlacesChangeWhenAnItemIsChosenOnly) {
  Choose("mnuDistance");
  ClickItem("lstDistance2", 1);
  ChooseDecimals("2");
  EXPECT_EQ(TextOf("txtOut"), "0.08");
  ChooseDecimals("2");
  EXPECT_EQ(TextOf("txtOut"), "0.08");
  ChooseDecimals("0");
  EXPECT_EQ(TextOf("txtOut"), "0");
  // Typing an item's text and leaving the box, by a click elsewhere, by Tab or by
  // Enter, chooses nothing.
  QComboBox* combo = Find<QComboBox>("cmbDP");
  auto typeIntoBox = [&](const char* text) {
    QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
    ASSERT_TRUE(combo->hasFocus() || combo->lineEdit()->hasFocus());
    combo->lineEdit()->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), text);
    EXPECT_EQ(combo->currentText(), text);
  };
  typeIntoBox("20");
  QTest::mouseClick(Find("txtIn"), Qt::LeftButton);
  EXPECT_EQ(TextOf("txtOut"), "0");
  typeIntoBox("3");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_FALSE(combo->hasFocus());
  EXPECT_EQ(TextOf("txtOut"), "0");
  typeIntoBox("2");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QTest::mouseClick(Find("txtIn"), Qt::LeftButton);
  EXPECT_EQ(combo->currentText(), "2");
  Type("5");
  EXPECT_EQ(TextOf("txtOut"), "0");
  ChooseDecimals("5");
  EXPECT_EQ(TextOf("txtOut"), "0.41667");
}

TEST_F(ConverterWindow, DecimalPlacesListOpensAtTheShownNumber) {
  QComboBox* combo = Find<QComboBox>("cmbDP");
  for (const char* places : {"14", "2", "15"}) {
    if (std::string(places) != "14") ChooseDecimals(places);
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QModelIndex current = view->currentIndex();
    EXPECT_EQ(current.data().toString(), places);
    EXPECT_TRUE(view->viewport()->rect().contains(view->visualRect(current))) << places;
    combo->hidePopup();
    Reactivate();
  }
}

TEST_F(ConverterWindow, HiddenResetAndCredit) {
  ChooseDecimals("15");
  Type("Zederu Dizira");
  // A single click on the input's unit does nothing.
  QTest::mouseClick(Find("Label1"), Qt::LeftButton);
  EXPECT_EQ(TextOf("txtIn"), "Zederu Dizira");
  QTest::mouseDClick(Find("Label1"), Qt::LeftButton);
  EXPECT_EQ(TextOf("txtIn"), "");
  EXPECT_EQ(Find<QComboBox>("cmbDP")->currentText(), "14");
  EXPECT_EQ(TextOf("txtOut"), "0.00000000000000");
  EXPECT_TRUE(fake.messages.shown.empty());

  ChooseDecimals("15");
  Type("Zederu Dizira");
  QTest::mouseClick(Find("Label2"), Qt::LeftButton);
  EXPECT_EQ(TextOf("txtIn"), "");
  EXPECT_EQ(TextOf("txtOut"), "0.00000000000000");
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_EQ(fake.messages.shown[0].text, "Released to\r\nZederu Dizira");
  EXPECT_EQ(fake.messages.shown[0].title, "Numbrella Calculator");
  EXPECT_EQ(fake.messages.shown[0].buttons, ui::MessageButtons::Ok);
  EXPECT_EQ(fake.messages.shown[0].icon, ui::MessageIcon::None);

  // Another letter case, other places, or a typed text that is no number: nothing.
  Type("zederu dizira");
  QTest::mouseClick(Find("Label2"), Qt::LeftButton);
  Type("Zederu Dizira");
  QTest::mouseClick(Find("Label2"), Qt::LeftButton);  // 14 places
  QComboBox* combo = Find<QComboBox>("cmbDP");
  combo->lineEdit()->selectAll();
  QTest::keyClicks(combo->lineEdit(), "fifteen");
  QTest::mouseClick(Find("Label2"), Qt::LeftButton);
  QTest::mouseDClick(Find("Label1"), Qt::LeftButton);
  EXPECT_EQ(TextOf("txtIn"), "Zederu Dizira");
  EXPECT_EQ(combo->currentText(), "fifteen");
  EXPECT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_TRUE(window->isVisible());
}

TEST_F(ConverterWindow, PopupOpensOnTheBackgroundOnlyAndAClickThereTakesTheFocus) {
  QMenu* popup = window->ListsMenu();
  for (const char* control : {"txtIn", "txtOut", "cmdSwap1", "Label1", "Label3", "lblTitle",
                              "Image1", "cmbDP"}) {
    QTest::mouseClick(Find(control), Qt::RightButton);
    EXPECT_FALSE(popup->isVisible()) << control;
    popup->hide();
    for (QWidget* menu : QApplication::topLevelWidgets()) {
      if (qobject_cast<QMenu*>(menu) && menu->isVisible()) menu->close();  // edit menus
    }
  }
  QListWidget* list = List("lstArea1");
  QTest::mouseClick(list->viewport(), Qt::RightButton, {}, list->visualItemRect(list->item(0)).center());
  EXPECT_FALSE(popup->isVisible());
  QTest::mouseClick(window->centralWidget(), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_FALSE(popup->isVisible());
  QTest::mouseClick(window->centralWidget(), Qt::RightButton, {}, QPoint(530, 325));
  EXPECT_TRUE(popup->isVisible());
  popup->hide();

  QLineEdit* in = Field("txtIn");
  in->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(in->hasSelectedText());
  QTest::mouseClick(window->centralWidget(), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_FALSE(in->hasFocus());
  EXPECT_FALSE(in->hasSelectedText());
  EXPECT_TRUE(Find("Text1")->hasFocus());
  EXPECT_EQ(in->text(), "1");
  // Entering a field by mouse selects its whole text.
  QTest::mouseClick(Field("txtOut"), Qt::LeftButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(Field("txtOut")->selectedText(), "1.00000000000000");
}

TEST_F(ConverterWindow, ShowingAgainBringsTheOneWindowAndClosingDiscardsItsState) {
  Choose("mnuTorque");
  Type("7");
  ShowConversionCalculator(fake.services());
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
  for (auto [entry, name] : {std::pair{"mnuShowInfo", "frmInfo1"},
                             std::pair{"mnuSIBaseUnits", "frmSIBaseUnits1"},
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
}  // namespace numbrella
