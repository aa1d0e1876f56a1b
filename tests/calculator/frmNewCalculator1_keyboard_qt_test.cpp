// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window from the keyboard: the keys that press the worksheet's keys,
// Space on a focused key, the Tab chain in reading order, the workboard that Tab
// leaves, the keys under the expanded workboard that Tab passes over, and the focus
// mark on the black display strip.
#include "calculator/calculator_window.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QTimer>

#include <utility>

namespace numbrella::testing {
namespace {

class CalculatorKeyboard : public CalculatorWindowTest {
 protected:
  // The names of the controls that Tab (or Shift+Tab) visits from `start` until it
  // comes back there, `start` first.
  QStringList TabChain(QWidget* start, bool forward = true) {
    start->setFocus(Qt::OtherFocusReason);
    QStringList visited;
    for (int step = 0; step < 200; ++step) {
      QWidget* focused = QApplication::focusWidget();
      if (focused == nullptr) break;
      if (step > 0 && focused == start) return visited;
      visited << focused->objectName();
      QTest::keyClick(focused, Qt::Key_Tab, forward ? Qt::NoModifier : Qt::ShiftModifier);
    }
    ADD_FAILURE() << "Tab does not come back to " << start->objectName().toStdString();
    return visited;
  }

  // What the worksheet shows, and what it has written and said.
  QStringList State() const {
    QStringList state{Operand1(), Operand2(), OperatorShown(), AnswerShown(), WorkboardText()};
    for (const QString& text : MessageTexts()) state << text;
    return state;
  }

  // A key press or release as the window system sends it, repeated or not.
  static void SendKey(QWidget* to, QEvent::Type type, int key, const QString& text,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool repeated = false) {
    QKeyEvent event(type, key, modifiers, text, repeated);
    QApplication::sendEvent(to, &event);
  }
  static void Tick(QTimer* timer) {
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
  }

  // The colour of the display's top edge, where the focus mark is drawn.
  static QColor TopEdge(QWidget* display) {
    const QImage image = display->grab().toImage();
    return image.pixelColor(image.width() / 2, 1);
  }
};

const QStringList kReadingOrder = {"txtOperand(0)",
                                   "txtOperand(1)",
                                   "lblAnswer",
                                   "Command1(7)",
                                   "Command1(8)",
                                   "Command1(9)",
                                   "Command1(4)",
                                   "Command1(5)",
                                   "Command1(6)",
                                   "Command1(1)",
                                   "Command1(2)",
                                   "Command1(3)",
                                   "Command1(0)",
                                   "cmdDecimal",
                                   "cmdEqualSign",
                                   "cmdOperatorX",
                                   "cmdOperatorDivide",
                                   "cmdOperatorPlus",
                                   "cmdOperatorMinus",
                                   "cmdOperatorSR",
                                   "cmdCubeRoot",
                                   "cmdInverse",
                                   "cmdPowers",
                                   "cmdPlusMinus",
                                   "Command1(10)",
                                   "cmdCopy",
                                   "cmdPaste",
                                   "cmdBackspace",
                                   "cmdClearAll",
                                   "Combo4",
                                   "Command7",
                                   "cmdCopyA(0)",
                                   "cmdPasteA(0)",
                                   "txtPaste(0)",
                                   "cmdCopyA(1)",
                                   "cmdPasteA(1)",
                                   "txtPaste(1)",
                                   "cmdCopyA(2)",
                                   "cmdPasteA(2)",
                                   "txtPaste(2)",
                                   "cmdCopyA(3)",
                                   "cmdPasteA(3)",
                                   "txtPaste(3)",
                                   "cmdCopyA(4)",
                                   "cmdPasteA(4)",
                                   "txtPaste(4)",
                                   "Command5",
                                   "txtArchive1",
                                   "Command2",
                                   "Command3",
                                   "Check1",
                                   "Check2",
                                   "Combo2",
                                   "Combo1",
                                   "Combo3"};

// A typed key and the on-screen key it stands for.
struct TypedAs {
  Qt::Key key;
  const char* text;
  Qt::KeyboardModifiers modifiers;
  const char* control;
};

const TypedAs kTypedKeys[] = {
    {Qt::Key_4, "4", Qt::NoModifier, "Command1(4)"},
    {Qt::Key_9, "9", Qt::KeypadModifier, "Command1(9)"},
    {Qt::Key_P, "p", Qt::NoModifier, "Command1(10)"},
    {Qt::Key_Period, ".", Qt::NoModifier, "cmdDecimal"},
    {Qt::Key_Comma, ",", Qt::KeypadModifier, "cmdDecimal"},
    {Qt::Key_Plus, "+", Qt::KeypadModifier, "cmdOperatorPlus"},
    {Qt::Key_Minus, "-", Qt::NoModifier, "cmdOperatorMinus"},
    {Qt::Key_Asterisk, "*", Qt::KeypadModifier, "cmdOperatorX"},
    {Qt::Key_X, "x", Qt::NoModifier, "cmdOperatorX"},
    {Qt::Key_Slash, "/", Qt::NoModifier, "cmdOperatorDivide"},
    {Qt::Key_AsciiCircum, "^", Qt::NoModifier, "cmdPowers"},
    {Qt::Key_Dead_Circumflex, "", Qt::NoModifier, "cmdPowers"},  // German and French
    {Qt::Key_At, "@", Qt::NoModifier, "cmdOperatorSR"},
    {Qt::Key_NumberSign, "#", Qt::NoModifier, "cmdCubeRoot"},
    {Qt::Key_R, "r", Qt::NoModifier, "cmdInverse"},
    {Qt::Key_F9, "", Qt::NoModifier, "cmdPlusMinus"},
    {Qt::Key_Return, "\r", Qt::NoModifier, "cmdEqualSign"},
    {Qt::Key_Enter, "\r", Qt::KeypadModifier, "cmdEqualSign"},
    {Qt::Key_Equal, "=", Qt::NoModifier, "cmdEqualSign"},
    {Qt::Key_Backspace, "\b", Qt::NoModifier, "cmdBackspace"},
    {Qt::Key_Escape, "\x1b", Qt::NoModifier, "cmdClearAll"},
};

TEST_F(CalculatorKeyboard, TypedKeysDoWhatTheirOnScreenKeysDo) {
  // 12, the key, 3, =, 8 / 2 =, 0 1/X: every key meets an answer, an operand and a
  // refusal, clicked in one window and typed in another.
  for (const TypedAs& typed : kTypedKeys) {
    const QString name = QString::fromLatin1(typed.control);
    QStringList byClick;
    QStringList byKey;
    for (bool click : {true, false}) {
      fakes.messages.shown.clear();
      Open();
      Keys("12");
      if (click) {
        Press(name);
      } else {
        QWidget* focused = QApplication::focusWidget();
        SendKey(focused, QEvent::KeyPress, typed.key, QString::fromLatin1(typed.text),
                typed.modifiers);
        SendKey(focused, QEvent::KeyRelease, typed.key, QString::fromLatin1(typed.text),
                typed.modifiers);
        EXPECT_FALSE(Find<QPushButton>(name)->isDown()) << typed.control;
      }
      Keys("3=");
      (click ? byClick : byKey) = State();
    }
    EXPECT_EQ(byKey, byClick) << typed.control << " by " << typed.text;
  }
}

// 1,5 is one and a half where the locale writes decimals with a comma, as in the
// number settings of every language the program speaks but English, Chinese and
// Japanese; elsewhere the comma beeps and changes nothing, and is never dropped unheard.
TEST_F(CalculatorKeyboard, ACommaIsTheDecimalSignWhereTheLocaleSaysSo) {
  const QLocale before;
  const std::pair<const char*, bool> locales[] = {
      {"de_DE", true},  {"fr_FR", true},  {"es_ES", true}, {"it_IT", true}, {"pt_BR", true},
      {"pl_PL", true},  {"nl_NL", true},  {"ru_RU", true}, {"C", false},    {"en_US", false},
      {"en_GB", false}, {"zh_CN", false}, {"ja_JP", false}};
  for (const auto& [name, comma] : locales) {
    SCOPED_TRACE(name);
    const QLocale locale(QLatin1String{name});
    ASSERT_EQ(locale.decimalPoint() == u',', comma);
    QLocale::setDefault(locale);
    Open();
    QTest::keyClicks(Operand(0), "1,5");
    EXPECT_EQ(Operand1(), comma ? "1.5" : "15");
    EXPECT_EQ(fakes.beeper.beeps, comma ? 0 : 1);
    fakes.beeper.beeps = 0;
  }
  QLocale::setDefault(before);
}

// On a French keyboard "1" is Shift and the "&" key: with Shift let go first, the key's
// release types "&". It still lets the 1 go, and the 1 stops repeating.
TEST_F(CalculatorKeyboard, AKeyGoesUpAsTheKeyThatWentDown) {
  Open();
  QKeyEvent down(QEvent::KeyPress, Qt::Key_1, Qt::ShiftModifier, 10, 0x31, 1, "1");
  QApplication::sendEvent(Operand(0), &down);
  QKeyEvent up(QEvent::KeyRelease, Qt::Key_Ampersand, Qt::NoModifier, 10, 0x26, 0, "&");
  QApplication::sendEvent(Operand(0), &up);
  EXPECT_FALSE(Find<QPushButton>("Command1(1)")->isDown());
  EXPECT_FALSE(window->findChild<QTimer*>("tmrNumbers")->isActive());
  EXPECT_EQ(Operand1(), "1");
}

// A ^ that an input method composes presses X^Y, once.
TEST_F(CalculatorKeyboard, AComposedCircumflexPressesThePowerKey) {
  Open();
  Keys("2");
  QInputMethodEvent composed;
  composed.setCommitString(QStringLiteral("^"));
  QApplication::sendEvent(Operand(0), &composed);
  EXPECT_EQ(OperatorShown(), "X^Y");
}

TEST_F(CalculatorKeyboard, ACalculationFromTheKeyboardAlone) {
  Open();
  QLineEdit* field = Operand(0);
  ASSERT_TRUE(field->hasFocus());
  QTest::keyClicks(field, "7+5");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), Operand(1)) << "the typing goes on where it was";
  QTest::keyClicks(QApplication::focusWidget(), "*2=");
  EXPECT_EQ(Operand1(), "12.00000") << "the answer carried over";
  EXPECT_EQ(AnswerShown(), "24.00000");
  EXPECT_EQ(WorkboardText(), "\r\n\r\n7  +  5  =  12.00000\r\n\r\n12.00000  X  2  =  24.00000");
  // After an answer no field is current: the next digit starts afresh in operand 1.
  QTest::keyClicks(QApplication::focusWidget(), "9");
  EXPECT_EQ(Operand1(), "9");
  EXPECT_EQ(Operand2(), "");
}

TEST_F(CalculatorKeyboard, TypedDigitsGoAtTheEndAndRepeatByTheKeypadsTimerOnly) {
  Open();
  auto* numbers = window->findChild<QTimer*>("tmrNumbers");
  QLineEdit* field = Operand(0);
  ASSERT_TRUE(field->hasFocus());
  QTest::keyClicks(field, "12");
  field->setCursorPosition(0);
  SendKey(field, QEvent::KeyPress, Qt::Key_7, "7");
  EXPECT_TRUE(Find<QPushButton>("Command1(7)")->isDown()) << "the key shows it is held";
  // The window system repeats a held key with pairs of repeated events: ignored.
  for (int i = 0; i < 3; ++i) {
    SendKey(field, QEvent::KeyRelease, Qt::Key_7, "7", Qt::NoModifier, true);
    SendKey(field, QEvent::KeyPress, Qt::Key_7, "7", Qt::NoModifier, true);
  }
  EXPECT_EQ(Operand1(), "127");
  ASSERT_TRUE(numbers->isActive());
  Tick(numbers);
  Tick(numbers);
  SendKey(field, QEvent::KeyRelease, Qt::Key_7, "7");
  EXPECT_FALSE(numbers->isActive());
  EXPECT_FALSE(Find<QPushButton>("Command1(7)")->isDown());
  EXPECT_EQ(Operand1(), "12777");

  // Backspace the same way; a held key stops when the focus leaves the worksheet.
  auto* backspace = window->findChild<QTimer*>("tmrBackspace");
  SendKey(field, QEvent::KeyPress, Qt::Key_Backspace, "\b");
  Tick(backspace);
  Find("txtPaste(0)")->setFocus(Qt::TabFocusReason);
  EXPECT_FALSE(backspace->isActive());
  EXPECT_EQ(Operand1(), "127");
}

TEST_F(CalculatorKeyboard, SpacePressesTheFocusedKeyAndHoldsIt) {
  Open();
  QPushButton* seven = Find<QPushButton>("Command1(7)");
  seven->setFocus(Qt::TabFocusReason);
  auto* numbers = window->findChild<QTimer*>("tmrNumbers");
  SendKey(seven, QEvent::KeyPress, Qt::Key_Space, " ");
  EXPECT_TRUE(seven->isDown());
  SendKey(seven, QEvent::KeyPress, Qt::Key_Space, " ", Qt::NoModifier, true);
  Tick(numbers);
  SendKey(seven, QEvent::KeyRelease, Qt::Key_Space, " ");
  EXPECT_FALSE(numbers->isActive());
  EXPECT_FALSE(seven->isDown());
  EXPECT_EQ(Operand1(), "77");

  for (const char* name : {"cmdOperatorPlus", "Command1(5)", "cmdEqualSign"}) {
    QWidget* key = Find(name);
    key->setFocus(Qt::TabFocusReason);
    QTest::keyClick(key, Qt::Key_Space);
  }
  EXPECT_EQ(AnswerShown(), "82.00000");
  EXPECT_TRUE(WorkboardText().endsWith("77  +  5  =  82.00000"));
}

TEST_F(CalculatorKeyboard, AScreenReadersPressIsOneClick) {
  Open();
  auto press = [this](const char* name) {
    QAccessibleInterface* key = QAccessible::queryAccessibleInterface(Find(name));
    ASSERT_NE(key, nullptr);
    ASSERT_NE(key->actionInterface(), nullptr);
    key->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTest::qWait(150);  // the press shows the key down for a moment, then clicks it
  };
  for (const char* name :
       {"Command1(7)", "cmdOperatorMinus", "Command1(10)", "cmdBackspace", "cmdEqualSign"}) {
    press(name);
  }
  EXPECT_EQ(Operand2(), "3.1415926");
  EXPECT_EQ(AnswerShown(), "3.85841");
  EXPECT_FALSE(window->findChild<QTimer*>("tmrNumbers")->isActive());
}

TEST_F(CalculatorKeyboard, FieldsThatTakeTypingKeepIt) {
  Open();
  QLineEdit* slot = Find<QLineEdit>("txtPaste(1)");
  slot->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(slot, "2.5+x");
  QTest::keyClick(slot, Qt::Key_Backspace);
  EXPECT_EQ(slot->text(), "2.5+");
  Workboard()->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(Workboard(), "7=");
  QTest::keyClick(Workboard(), Qt::Key_Escape);
  EXPECT_EQ(WorkboardText(), "7=");
  Combo(4)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(Combo(4), Qt::Key_Backspace);
  EXPECT_EQ(Operand1(), "");
  EXPECT_EQ(OperatorShown(), "");
}

TEST_F(CalculatorKeyboard, TabGoesThroughTheWindowInReadingOrder) {
  Open();
  // The hidden "Clear Workboard" button and the printer fields are not on the way.
  EXPECT_EQ(TabChain(Operand(0)), kReadingOrder);
  QStringList backwards = kReadingOrder;
  std::reverse(backwards.begin() + 1, backwards.end());
  EXPECT_EQ(TabChain(Operand(0), false), backwards);

  // Once shown, the "Clear Workboard" button stands after "Hide Workboard".
  Keys("1+2=");
  ASSERT_TRUE(Find("Command4")->isVisible());
  QStringList withClear = kReadingOrder;
  withClear.insert(withClear.indexOf("txtArchive1"), "Command4");
  EXPECT_EQ(TabChain(Operand(0)), withClear);
}

TEST_F(CalculatorKeyboard, TabLeavesTheWorkboardAndItsMenuKeysStillWork) {
  Open();
  Workboard()->SetText("12  +  30  =  42.00000");
  Workboard()->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(Workboard(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Find("Command2"));
  Workboard()->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(Workboard(), Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), Find("Command4"));
  EXPECT_EQ(WorkboardText(), "12  +  30  =  42.00000");

  // The workboard's Ctrl keys are still the menu's: Ctrl+C copies the selection.
  Workboard()->setFocus(Qt::OtherFocusReason);
  Workboard()->selectAll();
  QTest::keyClick(Workboard(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(fakes.clipboard.text, "12  +  30  =  42.00000");
}

TEST_F(CalculatorKeyboard, TabPassesOverWhatTheWorkboardCoversOrTakesAway) {
  Open();
  Press("Command2");  // expand: the workboard lies over the worksheet
  const QStringList expanded = TabChain(Workboard());
  for (const char* covered : {"txtOperand(0)", "lblAnswer", "Command1(7)", "cmdEqualSign",
                              "cmdClearAll", "Combo4", "cmdCopyA(0)"}) {
    EXPECT_FALSE(expanded.contains(covered)) << covered;
  }
  // What stands beside the workboard is still on the way.
  for (const char* beside : {"Command2", "Command3", "Check1", "Combo3"}) {
    EXPECT_TRUE(expanded.contains(beside)) << beside;
  }
  Press("Command3");  // collapse: the worksheet is back
  EXPECT_EQ(TabChain(Operand(0)), kReadingOrder);

  // Hidden, the workboard takes the window's lower half with it, and Tab the controls
  // that stood there, below the window's edge now.
  Press("Command5");
  QStringList shortened = kReadingOrder;
  shortened.erase(shortened.begin() + shortened.indexOf("txtArchive1"), shortened.end());
  EXPECT_EQ(TabChain(Operand(0)), shortened);
}

TEST_F(CalculatorKeyboard, TheFocusedDisplayShowsAWhiteFrameOnTheBlack) {
  Open();
  QWidget* operand1 = Operand(0);
  QWidget* operand2 = Operand(1);
  QWidget* answer = Find("lblAnswer");
  ASSERT_TRUE(operand1->hasFocus());
  EXPECT_EQ(TopEdge(operand1), QColor(Qt::white));
  EXPECT_EQ(TopEdge(operand2), QColor(Qt::black));

  QTest::keyClick(operand1, Qt::Key_Tab);
  EXPECT_EQ(TopEdge(operand1), QColor(Qt::black));
  EXPECT_EQ(TopEdge(operand2), QColor(Qt::white));
  QTest::keyClick(operand2, Qt::Key_Tab);
  ASSERT_TRUE(answer->hasFocus());
  EXPECT_EQ(TopEdge(answer), QColor(Qt::white));

  // A click on a key takes the focus from the displays: no frame is left.
  Keys("5");
  for (QWidget* display : {operand1, operand2, answer}) {
    EXPECT_EQ(TopEdge(display), QColor(Qt::black)) << display->objectName().toStdString();
  }
  // The constant slots show it the same way.
  QWidget* slot = Find("txtPaste(0)");
  slot->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(TopEdge(slot), QColor(Qt::white));
}

}  // namespace
}  // namespace numbrella::testing
