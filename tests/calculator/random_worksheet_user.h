// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a seeded random user does on the calculator's worksheet: presses and holds on
// the keys with any mouse button, keys typed, a screen reader's presses, the constant
// slots, clicks into the operands and items of the drop-downs. The user owns the
// calculator window it drives and the fakes it answers through.
#include "app/application.h"
#include "calculator/calculator_window.h"
#include "calculator/random_converter_user.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

namespace numbrella::testing {

class WorksheetUser : public ConverterUser {
 public:
  WorksheetUser(std::uint64_t seed, ActionWatchdog& watchdog) : ConverterUser(seed, watchdog) {
    fakes_.printers.name = QStringLiteral("Office");
    fakes_.printers.fonts = FacesOf(false);
    services_ = fakes_.services();
    services_.messages = &messages_;
    OpenCalculator();
  }

  ~WorksheetUser() { EndProgram(); }

  WorksheetUser(const WorksheetUser&) = delete;
  WorksheetUser& operator=(const WorksheetUser&) = delete;

  frmNewCalculator1* Calculator() const { return calculator_; }
  RandomMessageBoxes& Messages() { return messages_; }
  FakeServices& Fakes() { return fakes_; }
  const Scratch& Files() const { return files_; }
  app::RecoveryKeeper* Recovery() const { return application_->Recovery(); }

 protected:
  // Faces the workboard takes, and one it rejects (its message traps the focus in the
  // face box until a good face is chosen); perhaps without "Arial Narrow".
  static QStringList FacesOf(bool withoutArialNarrow) {
    QStringList faces = {QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Serif"),
                         QStringLiteral("Liberation Mono"), QStringLiteral("Arial Rounded MT Bold"),
                         QStringLiteral("Imaginary Grotesk")};
    if (!withoutArialNarrow) faces.prepend(QStringLiteral("Arial Narrow"));
    return faces;
  }

  // The program ends, and its windows with it, whatever they hold.
  void EndProgram() {
    calculator_ = nullptr;
    application_.reset();
    Settle();
  }

  // The program starts: its calculator opens.
  void OpenCalculator() {
    application_ = std::make_unique<Application>(services_);
    calculator_ = &application_->Calculator();
    calculator_->show();
    application_->KeepRecoveryCopies(recoveryState_.path());
    Activate(calculator_);
    Settle();
  }

  void HoldKey(QWidget* key) {
    static const Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    const Qt::MouseButton button = dice_.Percent(85) ? Qt::LeftButton : kButtons[dice_.Below(3)];
    // A hold long enough for one or two repeats now and then; mostly a click.
    const int hold = dice_.Percent(4) ? 240 + dice_.Below(300) : 0;
    Say("press " + Str(key->objectName()) + " with button " +
        std::to_string(static_cast<int>(button)) + " for " + std::to_string(hold) + " ms");
    Activate(calculator_);
    PressWhere(key, key->rect().center(), button, hold);
  }

  void Keypad() { HoldKey(Find(calculator_, QStringLiteral("Command1(%1)").arg(dice_.Below(11)))); }
  void Backspace() { HoldKey(Find(calculator_, QStringLiteral("cmdBackspace"))); }

  void Key() {
    static const std::vector<QString> kKeys = {
        "cmdDecimal",      "cmdPlusMinus",     "cmdClearAll",   "cmdOperatorX", "cmdOperatorDivide",
        "cmdOperatorPlus", "cmdOperatorMinus", "cmdOperatorSR", "cmdCubeRoot",  "cmdInverse",
        "cmdPowers",       "cmdEqualSign",     "cmdEqualSign",  "cmdEqualSign", "cmdCopy",
        "cmdPaste",        "cmdOperatorPlus",  "cmdOperatorX"};
    ClickKey(dice_.Of(kKeys));
  }

  // Keys typed where the focus is on the worksheet, as a keyboard user calculates.
  void TypeKeys() {
    struct Typed {
      Qt::Key key;
      const char* text;
      Qt::KeyboardModifiers modifiers;
    };
    static const Typed kTyped[] = {
        {Qt::Key_5, "5", Qt::NoModifier},          {Qt::Key_8, "8", Qt::KeypadModifier},
        {Qt::Key_0, "0", Qt::NoModifier},          {Qt::Key_Period, ".", Qt::NoModifier},
        {Qt::Key_Comma, ",", Qt::KeypadModifier},  {Qt::Key_Plus, "+", Qt::KeypadModifier},
        {Qt::Key_Minus, "-", Qt::NoModifier},      {Qt::Key_X, "x", Qt::NoModifier},
        {Qt::Key_Slash, "/", Qt::NoModifier},      {Qt::Key_AsciiCircum, "^", Qt::NoModifier},
        {Qt::Key_At, "@", Qt::NoModifier},         {Qt::Key_NumberSign, "#", Qt::NoModifier},
        {Qt::Key_R, "r", Qt::NoModifier},          {Qt::Key_P, "p", Qt::NoModifier},
        {Qt::Key_F9, "", Qt::NoModifier},          {Qt::Key_Return, "\r", Qt::NoModifier},
        {Qt::Key_Enter, "\r", Qt::KeypadModifier}, {Qt::Key_Backspace, "\b", Qt::NoModifier},
        {Qt::Key_Escape, "\x1b", Qt::NoModifier},  {Qt::Key_Q, "q", Qt::NoModifier},
    };
    Activate(calculator_);
    QWidget* focus = KeyTarget(calculator_);
    const QString name = focus->objectName();
    const bool onWorksheet =
        name.startsWith(QLatin1String("txtOperand")) || name == QLatin1String("lblAnswer") ||
        name.startsWith(QLatin1String("Command1")) || name.startsWith(QLatin1String("cmd"));
    if (!onWorksheet) ClickOperand();
    const int count = 1 + dice_.Below(4);
    std::string said = "type";
    for (int i = 0; i < count; ++i) {
      const Typed& typed = kTyped[dice_.Below(static_cast<int>(std::size(kTyped)))];
      said += ' ';
      said += std::to_string(typed.key);
      QWidget* target = KeyTarget(calculator_);
      // Now and then the key is held, and the window system repeats it.
      const bool held = dice_.Percent(5);
      QKeyEvent press(QEvent::KeyPress, typed.key, typed.modifiers,
                      QString::fromLatin1(typed.text));
      QApplication::sendEvent(target, &press);
      if (held) {
        QKeyEvent again(QEvent::KeyPress, typed.key, typed.modifiers,
                        QString::fromLatin1(typed.text), true);
        QApplication::sendEvent(KeyTarget(calculator_), &again);
        QTest::qWait(260);
      }
      QKeyEvent release(QEvent::KeyRelease, typed.key, typed.modifiers,
                        QString::fromLatin1(typed.text));
      QApplication::sendEvent(KeyTarget(calculator_), &release);
    }
    Say(said);
  }

  // A screen reader presses a key of the worksheet.
  void ReaderPress() {
    static const std::vector<QString> kKeys = {
        "Command1(3)",     "Command1(7)",   "Command1(10)", "cmdBackspace", "cmdDecimal",
        "cmdOperatorPlus", "cmdOperatorSR", "cmdInverse",   "cmdEqualSign", "cmdClearAll"};
    const QString name = dice_.Of(kKeys);
    Say("screen reader presses " + Str(name));
    QAccessibleInterface* key = QAccessible::queryAccessibleInterface(Find(calculator_, name));
    if (key == nullptr || key->actionInterface() == nullptr) return;
    key->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTest::qWait(120);  // the press shows the key down, then clicks it
  }

  void Constants() {
    const int slot = dice_.Below(5);
    static const std::vector<QString> kKeys = {"cmdCopyA(%1)", "cmdPasteA(%1)", "cmdPasteA(%1)",
                                               "Command7"};
    const QString key = dice_.Of(kKeys);
    ClickKey(key.contains(u'%') ? key.arg(slot) : key);
  }

  void ClickKey(const QString& name) {
    QWidget* key = Find(calculator_, name);
    if (key->isHidden()) return;
    Say("click " + Str(name));
    Activate(calculator_);
    ClickWhere(key);
  }

  void ClickOperand() {
    QWidget* field = Find(calculator_, QStringLiteral("txtOperand(%1)").arg(dice_.Below(2)));
    Say("click into " + Str(field->objectName()));
    Activate(calculator_);
    PressWhere(field, QPoint(1 + dice_.Below(field->width() - 2), field->height() / 2),
               Qt::LeftButton, 0);
  }

  void ChooseInList() {
    const int number = 1 + dice_.Below(4);
    auto* box = Find<QComboBox>(calculator_, QStringLiteral("Combo%1").arg(number));
    const int index = dice_.Below(box->count());
    Activate(calculator_);
    if (Covered(box)) {
      Say("click on Combo" + std::to_string(number) + ", covered by the workboard");
      ClickWhere(box);
      return;
    }
    if (dice_.Percent(20)) {
      const bool down = dice_.Percent(50);
      Say(std::string("key ") + (down ? "Down" : "Up") + " in Combo" + std::to_string(number));
      box->setFocus(Qt::MouseFocusReason);
      QTest::keyClick(box, down ? Qt::Key_Down : Qt::Key_Up);
      return;
    }
    Say("choose item " + std::to_string(index) + " (" + Str(box->itemText(index)) + ") in Combo" +
        std::to_string(number));
    Choose(box, index);
    Settle();
    Activate(calculator_);
  }

  void TypeConstant() {
    static const std::vector<QString> kTexts = {"0",    "7",   "12.5", "-3",  "1e999",
                                                "abc",  "0.0", "&H1F", "2e3", "3.14159265",
                                                "\b\b", "-",   "1,5",  " 4",  "\u00E9"};
    QWidget* slot = Find(calculator_, QStringLiteral("txtPaste(%1)").arg(dice_.Below(5)));
    const QString text = dice_.Of(kTexts);
    const bool replace = dice_.Percent(70);
    Say("type " + Str(text) + (replace ? " over " : " after the text of ") +
        Str(slot->objectName()));
    Activate(calculator_);
    ClickWhere(slot);
    if (replace) SelectAllByKeys(calculator_);
    Type(calculator_, text);
  }

  RandomMessageBoxes messages_;
  FakeServices fakes_;
  ui::Services services_{};
  Scratch files_;
  // Apart from the files the dialogs offer: the user never chooses these.
  QTemporaryDir recoveryState_;
  std::unique_ptr<Application> application_;
  frmNewCalculator1* calculator_ = nullptr;  // the application's
};

}  // namespace numbrella::testing
