// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Driving the calculator window as a user does: pressing and releasing its keys,
// choosing items in its lists, and reading what it shows.
#include "app/application.h"
#include "calculator/frmNewCalculator1.h"
#include "calculator/stand_in_fonts.h"
#include "support/fake_services.h"
#include "support/window_driver.h"
#include "ui/RichTextBox.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <optional>
#include <string>

namespace numbrella::testing {

// The printer fonts of the usual office printer, "Arial Narrow" among them.
inline QStringList OfficePrinterFonts() {
  return {QStringLiteral("Times New Roman"), QStringLiteral("Arial Narrow"),
          QStringLiteral("DejaVu Sans"), QStringLiteral("Courier New"), QStringLiteral("Arial")};
}

// The font list's one entry when the printer has no fonts of its own.
inline const QString kNoPrinterFonts = QStringLiteral("            No printer or fax fonts");

// The name of the on-screen key for a worksheet key.
inline QString KeyName(WorksheetKey key) {
  if (const std::optional<int> index = KeypadIndex(key)) {
    return QStringLiteral("Command1(%1)").arg(*index);
  }
  switch (key) {
    case WorksheetKey::Decimal:
      return QStringLiteral("cmdDecimal");
    case WorksheetKey::PlusMinus:
      return QStringLiteral("cmdPlusMinus");
    case WorksheetKey::Backspace:
      return QStringLiteral("cmdBackspace");
    case WorksheetKey::ClearAll:
      return QStringLiteral("cmdClearAll");
    case WorksheetKey::Equals:
      return QStringLiteral("cmdEqualSign");
    case WorksheetKey::Multiply:
      return QStringLiteral("cmdOperatorX");
    case WorksheetKey::Divide:
      return QStringLiteral("cmdOperatorDivide");
    case WorksheetKey::Add:
      return QStringLiteral("cmdOperatorPlus");
    case WorksheetKey::Subtract:
      return QStringLiteral("cmdOperatorMinus");
    case WorksheetKey::SquareRoot:
      return QStringLiteral("cmdOperatorSR");
    case WorksheetKey::CubeRoot:
      return QStringLiteral("cmdCubeRoot");
    case WorksheetKey::Power:
      return QStringLiteral("cmdPowers");
    case WorksheetKey::Reciprocal:
      return QStringLiteral("cmdInverse");
    default:
      return QString();  // the keypad, above
  }
}

// A drop-down list's entries, in order.
inline QStringList Items(QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

class CalculatorWindowTest : public ::testing::Test, public DrivenWindow<frmNewCalculator1> {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(InstallStandInFonts(
        {QStringLiteral("Arial Narrow"), QStringLiteral("Arial Rounded MT Bold")}));
  }

  // The default: a printer called "Office" whose fonts include "Arial Narrow"; the
  // program started, its calculator not yet.
  void SetUp() override {
    fakes.printers.name = QStringLiteral("Office");
    fakes.printers.fonts = OfficePrinterFonts();
    application = std::make_unique<Application>(fakes.services());
  }

  void TearDown() override {
    window = nullptr;
    application.reset();
  }

  // Starts the program with the services as the test has set them, shows its window
  // and waits until it is active, as it is in front of a user.
  void Open() {
    window = nullptr;
    application.reset();
    application = std::make_unique<Application>(fakes.services());
    window = &application->Calculator();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QApplication::processEvents();
  }

  QLineEdit* Operand(int index) const {
    return Find<QLineEdit>(QStringLiteral("txtOperand(%1)").arg(index));
  }
  QString Operand1() const { return Operand(0)->text(); }
  QString Operand2() const { return Operand(1)->text(); }
  QString OperatorShown() const { return Find<QLabel>(QStringLiteral("lblOperator"))->text(); }
  QString AnswerShown() const { return Find<QLabel>(QStringLiteral("lblAnswer"))->text(); }
  ui::RichTextBox* Workboard() const {
    return Find<ui::RichTextBox>(QStringLiteral("txtArchive1"));
  }
  QComboBox* Combo(int number) const {
    return Find<QComboBox>(QStringLiteral("Combo%1").arg(number));
  }
  QString WorkboardText() const { return Workboard()->Text(); }

  // Keys by the characters that type them ("12+3=", "p" for Pi), with "~" for the sign
  // key (F9 on the keyboard) and "<" for the backspace key.
  void Keys(const QString& keys) {
    for (QChar c : keys) {
      const int code = c == u'~' ? keycode::kF9 : c == u'<' ? keycode::kBackspace : 0;
      const std::string text = QString(c).toStdString();
      const std::optional<WorksheetKey> key = KeyFromKeyboard({code, text});
      if (!key) {
        ADD_FAILURE() << "no key for " << text;
        continue;
      }
      Press(KeyName(*key));
    }
  }
  // A click into an operand field, as the user does to make it current.
  void ClickInto(int index) { Click(Operand(index)); }

  // Right-clicks `control` and chooses the entry of the pop-up menu that comes up whose
  // caption, without its access key mark, starts with `caption`. Returns the entry's
  // whole text, the key it names included, or "" when there is no such entry.
  QString ChooseFromPopup(QWidget* control, const QString& caption) {
    // The right button's press and release, then the request for the pop-up menu
    // that the window system makes of them.
    QTest::mouseClick(control, Qt::RightButton);
    const QPoint at = control->rect().center();
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, control->mapToGlobal(at));
    QApplication::sendEvent(control, &request);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    EXPECT_NE(menu, nullptr) << "no pop-up menu on " << control->objectName().toStdString();
    if (menu == nullptr) return QString();
    QAction* chosen = nullptr;
    for (QAction* action : menu->actions()) {
      if (chosen == nullptr && action->text().remove(u'&').startsWith(caption)) chosen = action;
    }
    if (chosen == nullptr) {
      menu->close();
      return QString();
    }
    // The menu may be gone once closed: its entry is read and chosen before.
    const QString text = chosen->text();
    if (chosen->isEnabled()) chosen->trigger();
    menu->close();
    QApplication::processEvents();
    return text;
  }

  // A repaint of the window, and the events that follow it.
  void Repaint() {
    window->repaint();
    QApplication::processEvents();
    QApplication::processEvents();
  }

  std::vector<QString> MessageTexts() const {
    std::vector<QString> texts;
    for (const ShownMessage& m : fakes.messages.shown) texts.push_back(m.text);
    return texts;
  }

  FakeServices fakes;
  std::unique_ptr<Application> application;
};

// The window opened at the start of each test, with the keys held, the messages and the
// constant slots at hand.
class CalculatorEntry : public CalculatorWindowTest {
 protected:
  void SetUp() override {
    CalculatorWindowTest::SetUp();
    Open();
  }
  // Holds a key down for the given time, then lets it go.
  void Hold(const QString& name, int milliseconds) {
    QWidget* key = Find(name);
    QTest::mousePress(key, Qt::LeftButton);
    QTest::qWait(milliseconds);
    QTest::mouseRelease(key, Qt::LeftButton);
  }
  void ExpectOnlyMessage(const QString& text, const QString& title) {
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text, text);
    EXPECT_EQ(fakes.messages.shown[0].title, title);
    EXPECT_EQ(fakes.messages.shown[0].buttons, ui::MessageButtons::Ok);
    EXPECT_EQ(fakes.messages.shown[0].icon, ui::MessageIcon::None);
    fakes.messages.shown.clear();
  }
  QLineEdit* Slot(int index) const {
    return Find<QLineEdit>(QStringLiteral("txtPaste(%1)").arg(index));
  }
};

}  // namespace numbrella::testing
