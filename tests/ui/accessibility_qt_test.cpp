// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in the program's windows: every control that takes the
// focus has a name, the names and descriptions say what the captions and tooltips
// say, and the reference windows are announced as windows; and the focus frames that
// show sighted keyboard users where they are.
//
// The accessibility tree is read as a screen reader reads it, through
// QAccessible::queryAccessibleInterface; Qt builds it on request, also on the
// offscreen platform, without any screen reader being active.
#include "calculator/calculator_window.h"
#include "converter/frmListBoxConverter.h"
#include "reference/frmInfo1.h"
#include "ui/focus_frame.h"

#include <qdrawutil.h>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>

#include <string>
#include <vector>

namespace numbrella::testing {
namespace {

// The name a screen reader on Linux speaks: that of the label that labels the control
// where there is one (a drop-down list reports its chosen item as its own name, and a
// display its value), else the control's own.
QString SpokenName(QAccessibleInterface* control) {
  const auto labels = control->relations(QAccessible::Label);
  if (!labels.isEmpty()) return labels.first().first->text(QAccessible::Name);
  if (control->role() == QAccessible::ComboBox) return QString();
  return control->text(QAccessible::Name);
}

QAccessibleInterface* Accessible(QObject* object) {
  QAccessibleInterface* found = QAccessible::queryAccessibleInterface(object);
  EXPECT_NE(found, nullptr) << object->objectName().toStdString();
  return found;
}

QString SpokenName(QObject* object) {
  QAccessibleInterface* control = Accessible(object);
  return control == nullptr ? QString() : SpokenName(control);
}

QString Description(QObject* object) {
  QAccessibleInterface* control = Accessible(object);
  return control == nullptr ? QString() : control->text(QAccessible::Description).trimmed();
}

// The controls under `node` that take the focus and have no name, by their names on
// the window. The pop-up lists of drop-down lists are windows of their own, not
// controls of this one.
void Unnamed(QAccessibleInterface* node, const QWidget* window, std::vector<std::string>& found) {
  for (int i = 0; i < node->childCount(); ++i) {
    QAccessibleInterface* child = node->child(i);
    if (child == nullptr) continue;
    auto* widget = qobject_cast<QWidget*>(child->object());
    if (widget != nullptr && widget->window() != window) continue;
    const bool focusable =
        child->state().focusable || (widget != nullptr && widget->focusPolicy() != Qt::NoFocus);
    if (focusable && SpokenName(child).trimmed().isEmpty()) {
      found.push_back(child->object() != nullptr
                          ? child->object()->objectName().toStdString()
                          : "an item of " + node->text(QAccessible::Name).toStdString());
    }
    Unnamed(child, window, found);
  }
}

std::vector<std::string> Unnamed(QWidget* window) {
  std::vector<std::string> found;
  if (QAccessibleInterface* root = Accessible(window)) Unnamed(root, window, found);
  return found;
}

QWidget* OpenWindow(const char* name) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == QLatin1String(name) && widget->isVisible()) return widget;
  }
  ADD_FAILURE() << "no open window " << name;
  return nullptr;
}

class ScreenReader : public CalculatorWindowTest {
 protected:
  QWidget* OpenConverter() {
    QWidget* converter = &application->ShowConverter();
    QApplication::setActiveWindow(converter);
    EXPECT_TRUE(QTest::qWaitForWindowActive(converter));
    return converter;
  }
};

TEST_F(ScreenReader, CalculatorControlsSayWhatTheyAre) {
  Open();
  EXPECT_EQ(Unnamed(window), std::vector<std::string>{});

  // The captions beside the controls, without their colons and access-key marks.
  EXPECT_EQ(SpokenName(Operand(0)), "Operand 1");
  EXPECT_EQ(SpokenName(Operand(1)), "Operand 2");
  EXPECT_EQ(SpokenName(Find("lblOperator")), "Operator");
  EXPECT_EQ(SpokenName(Find("lblAnswer")), "Answer");
  EXPECT_EQ(SpokenName(Combo(4)), "Decimal Places In Answer");
  EXPECT_EQ(SpokenName(Combo(2)), "Font face");
  EXPECT_EQ(SpokenName(Combo(3)), "Line Spacing");
  EXPECT_EQ(SpokenName(Find("Text3")), "Default printer/fax program");
  EXPECT_EQ(SpokenName(Find("Command5")), "Hide Workboard");
  // Keys whose captions are symbols, and controls whose captions say too little.
  EXPECT_EQ(SpokenName(Find("Command1(7)")), "7");
  EXPECT_EQ(SpokenName(Find("cmdOperatorPlus")), "Add");
  EXPECT_EQ(SpokenName(Find("cmdOperatorSR")), "Square root");
  EXPECT_EQ(SpokenName(Find("cmdCubeRoot")), "Cube root");
  EXPECT_EQ(SpokenName(Find("cmdInverse")), "Reciprocal");
  EXPECT_EQ(SpokenName(Find("cmdPowers")), "Power");
  for (int i = 0; i < 5; ++i) {  // each constant slot says its number
    auto spoken = [this, i](const char* name) {
      const QString control = QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
      return SpokenName(Find(control)).toStdString();
    };
    const std::string slot = std::to_string(i + 1);
    EXPECT_EQ(spoken("cmdCopyA"), "Copy answer to constant " + slot);
    EXPECT_EQ(spoken("cmdPasteA"), "Paste constant " + slot);
    EXPECT_EQ(spoken("txtPaste"), "Constant " + slot);
  }
  EXPECT_EQ(SpokenName(Find("Command2")), "Expand workboard");
  EXPECT_EQ(SpokenName(Find("Command3")), "Collapse workboard");
  EXPECT_EQ(SpokenName(Workboard()), "Workboard");

  // A display still reads its value.
  Keys("2+3=");
  EXPECT_EQ(Accessible(Find("lblAnswer"))->text(QAccessible::Name), "5.00000");

  // Descriptions are the tooltips, and follow them.
  EXPECT_EQ(Description(Find("cmdInverse")), "1 divided by the number in operand 1 (reciprocal)");
  EXPECT_EQ(Description(Combo(2)), "Select a font face");
  EXPECT_EQ(Description(Find("Command5")), "Workboard disappears");
  Press("Command5");
  EXPECT_EQ(SpokenName(Find("Command5")), "Show Workboard");
  EXPECT_EQ(Description(Find("Command5")), "Workboard reappears");
}

// A drop-down of Qt's dialogs (files, printing) keeps Qt's interface, without the
// text that ours offers.
TEST_F(ScreenReader, OnlyOurDropDownsAreOurs) {
  Open();
  QDialog dialog;
  auto* box = new QComboBox(&dialog);
  box->addItem(QStringLiteral("All Files (*)"));
  ASSERT_TRUE(Accessible(Combo(4)) != nullptr && Accessible(box) != nullptr);
  EXPECT_NE(Accessible(Combo(4))->textInterface(), nullptr);
  EXPECT_EQ(Accessible(box)->textInterface(), nullptr);
}

TEST_F(ScreenReader, ConverterUnitListsAreNamedAfterTheirCaptionAndCategory) {
  QWidget* converter = OpenConverter();
  ASSERT_NE(converter, nullptr);
  EXPECT_EQ(Unnamed(converter), std::vector<std::string>{});
  auto control = [converter](const char* name) { return Find(converter, name); };
  EXPECT_EQ(SpokenName(control("txtIn")), "Input");
  EXPECT_EQ(Description(control("txtIn")), "Input your data here");
  EXPECT_EQ(SpokenName(control("txtOut")), "Output, Sq Inches") << "the output with its unit";
  EXPECT_EQ(Description(control("txtOut")), "Your conversion appears here");
  EXPECT_EQ(SpokenName(control("cmbDP")), "Decimal points");
  EXPECT_EQ(SpokenName(control("Image1")), "Reverse conversion");
  EXPECT_EQ(SpokenName(control("lstArea1")), "Convert: Area units");
  EXPECT_EQ(SpokenName(control("lstArea2")), "Into: Area units");

  // Another category: its lists say so, and the names follow the captions when the
  // direction turns.
  QTest::keyClick(control("txtIn"), Qt::Key_D, Qt::ControlModifier);
  ASSERT_TRUE(control("lstDistance1")->isVisible());
  EXPECT_EQ(SpokenName(control("lstDistance1")), "Convert: Distance units");
  QTest::mouseClick(control("Image1"), Qt::LeftButton);
  EXPECT_EQ(SpokenName(control("lstDistance1")), "Into: Distance units");
  EXPECT_EQ(SpokenName(control("lstDistance2")), "Convert: Distance units");
  EXPECT_EQ(Unnamed(converter), std::vector<std::string>{});
}

TEST_F(ScreenReader, ReferenceWindowsAreAnnouncedAsWindows) {
  OpenConverter();
  for (SIWindow window : {SIWindow::Info, SIWindow::BaseUnits, SIWindow::Prefixes}) {
    application->ShowSIWindow(window);
  }
  for (const char* name : {"frmInfo1", "frmSIBaseUnits1", "frmSIPrefixes1"}) {
    QWidget* reference = OpenWindow(name);
    ASSERT_NE(reference, nullptr);
    QAccessibleInterface* announced = Accessible(reference);
    ASSERT_NE(announced, nullptr);
    EXPECT_EQ(announced->role(), QAccessible::Window) << name;
    EXPECT_EQ(announced->text(QAccessible::Name).trimmed(), reference->windowTitle().trimmed());
    EXPECT_FALSE(announced->text(QAccessible::Name).trimmed().isEmpty()) << name;
    EXPECT_EQ(Unnamed(reference), std::vector<std::string>{}) << name;
  }
  EXPECT_EQ(SpokenName(OpenWindow("frmInfo1")->findChild<QWidget*>("rtbInfo")), "SI Info");
}

// Drawn as Qt draws a plain frame, pixel for pixel, at every size down to less than the
// frame's own width.
TEST(FocusFrame, IsQtsPlainFrame) {
  for (const QSize size : {QSize(40, 20), QSize(7, 5), QSize(5, 30), QSize(1, 9)}) {
    for (const int width : {1, 2, 3}) {
      QWidget control;
      control.setAutoFillBackground(true);
      control.setPalette(QPalette(Qt::white));
      control.resize(size);
      ui::MarkFocus(&control, QColor(Qt::red), QColor(Qt::blue), width);
      QImage expected(size, QImage::Format_ARGB32_Premultiplied);
      expected.fill(Qt::white);
      QPainter painter(&expected);
      qDrawPlainRect(&painter, expected.rect(), QColor(Qt::red), width);
      painter.end();
      EXPECT_EQ(control.grab().toImage().convertToFormat(expected.format()), expected)
          << size.width() << "x" << size.height() << ", " << width;
    }
  }
}

}  // namespace
}  // namespace numbrella::testing
