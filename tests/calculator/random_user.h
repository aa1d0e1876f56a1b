// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A seeded random user of the calculator window and of the conversion calculator that
// it opens from the calculator's menu: presses and holds on the keys, clicks, lists
// and drop-downs, menu commands by mouse and by key, typing where typing is taken,
// window closes and reopenings. Every question and dialog is answered at random from
// answers scripted before each action.
#include "calculator/calculator_window.h"
#include "calculator/random_converter_user.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QContextMenuEvent>
#include <QKeyEvent>

#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace numbrella::testing {

class RandomUser : public ConverterUser {
 public:
  // What the last action did that the checks need to know.
  struct Record {
    std::vector<QString> opened;     // what the Open dialog returned
    bool mayEmptyWorkboard = false;  // a New or Clear Workboard command
    bool freshCalculator = false;    // the calculator closed; a new one took its place
  };

  RandomUser(std::uint64_t seed, ActionWatchdog& watchdog) : ConverterUser(seed, watchdog) {
    fakes_.printers.name = QStringLiteral("Office");
    fakes_.printers.fonts = FacesOf(false);
    services_ = fakes_.services();
    services_.messages = &messages_;
    OpenCalculator();
  }

  ~RandomUser() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window != calculator_.get()) window->close();
    }
    Settle();
    // Nothing is left unsaved that would keep the window from closing.
    calculator_.reset();
    Settle();
  }

  RandomUser(const RandomUser&) = delete;
  RandomUser& operator=(const RandomUser&) = delete;

  // One action, chosen at random, with its questions and dialogs scripted.
  void Act(long number) {
    record_ = {};
    watchdog_.Begin(number, "choosing");
    Script();
    const std::vector<Weighted>& actions =
        Converter() != nullptr ? withConverter_ : calculatorOnly_;
    int total = 0;
    for (const Weighted& a : actions) total += a.weight;
    int roll = dice_.Below(total);
    const auto start = std::chrono::steady_clock::now();
    const char* kind = "";
    for (const Weighted& a : actions) {
      if (roll < a.weight) {
        kind = a.name;
        (this->*a.action)();
        break;
      }
      roll -= a.weight;
    }
    Settle();
    if (scriptedOpen_ && fakes_.dialogs.openFiles.empty()) record_.opened.push_back(*scriptedOpen_);
    if (!calculator_->isVisible()) {
      // The calculator really closed: the program starts again, as its user would.
      calculator_.reset();
      Settle();
      OpenCalculator();
      record_.freshCalculator = true;
    }
    Tally& tally = tallies_[kind];
    ++tally.count;
    tally.seconds +=
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }

  // How often each kind of action came, and the time it took.
  struct Tally {
    long count = 0;
    double seconds = 0;
  };
  const std::map<std::string, Tally>& Tallies() const { return tallies_; }

  const Record& Last() const { return record_; }
  frmNewCalculator1* Calculator() const { return calculator_.get(); }
  RandomMessageBoxes& Messages() { return messages_; }
  FakeServices& Fakes() { return fakes_; }
  const Scratch& Files() const { return files_; }

 private:
  using Action = void (RandomUser::*)();
  struct Weighted {
    int weight;
    Action action;
    const char* name;
  };

  // Faces the workboard takes, and one it rejects (its message traps the focus in the
  // face box until a good face is chosen); perhaps without "Arial Narrow".
  static QStringList FacesOf(bool withoutArialNarrow) {
    QStringList faces = {QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Serif"),
                         QStringLiteral("Liberation Mono"), QStringLiteral("Arial Rounded MT Bold"),
                         QStringLiteral("Imaginary Grotesk")};
    if (!withoutArialNarrow) faces.prepend(QStringLiteral("Arial Narrow"));
    return faces;
  }

  void OpenCalculator() {
    calculator_ = std::make_unique<frmNewCalculator1>(services_);
    calculator_->show();
    Activate(calculator_.get());
    Settle();
  }

  // The answers to whatever the next action asks: two rolls for questions, a file for
  // each file dialog, a colour, a print target.
  void Script() {
    messages_.shown.clear();
    messages_.unanswered.clear();
    messages_.rolls = {dice_.Below(6), dice_.Below(6)};
    FakeDialogs& dialogs = fakes_.dialogs;
    dialogs.unscripted = 0;
    scriptedOpen_ = files_.OpenChoice(dice_);
    dialogs.openFiles = {scriptedOpen_};
    dialogs.saveFiles = {files_.SaveChoice(dice_), files_.SaveChoice(dice_)};
    dialogs.colours = {dice_.Percent(20) ? std::nullopt
                                         : std::optional<QColor>(QColor::fromRgb(
                                               static_cast<QRgb>(dice_.Below(1 << 24))))};
    dialogs.printFiles = {files_.PrintChoice(dice_)};
  }

  template <typename T = QWidget>
  T* Calc(const QString& name) const {
    return calculator_->findChild<T*>(name);
  }

  // ---- the calculator ---------------------------------------------------------------

  void HoldKey(QWidget* key) {
    static const Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    const Qt::MouseButton button = dice_.Percent(85) ? Qt::LeftButton : kButtons[dice_.Below(3)];
    // A hold long enough for one or two repeats now and then; mostly a click.
    const int hold = dice_.Percent(4) ? 240 + dice_.Below(300) : 0;
    Say("press " + Str(key->objectName()) + " with button " +
        std::to_string(static_cast<int>(button)) + " for " + std::to_string(hold) + " ms");
    Activate(calculator_.get());
    PressWhere(key, key->rect().center(), button, hold);
  }

  void Keypad() { HoldKey(Calc(QStringLiteral("Command1(%1)").arg(dice_.Below(11)))); }
  void Backspace() { HoldKey(Calc(QStringLiteral("cmdBackspace"))); }

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
        {Qt::Key_Escape, "\x1b", Qt::NoModifier}, {Qt::Key_Q, "q", Qt::NoModifier},
    };
    Activate(calculator_.get());
    QWidget* focus = KeyTarget(calculator_.get());
    const QString name = focus->objectName();
    const bool onWorksheet = name.startsWith(QLatin1String("txtOperand")) ||
                             name == QLatin1String("lblAnswer") ||
                             name.startsWith(QLatin1String("Command1")) || name.startsWith(QLatin1String("cmd"));
    if (!onWorksheet) ClickOperand();
    const int count = 1 + dice_.Below(4);
    std::string said = "type";
    for (int i = 0; i < count; ++i) {
      const Typed& typed = kTyped[dice_.Below(static_cast<int>(std::size(kTyped)))];
      said += " " + std::to_string(typed.key);
      QWidget* target = KeyTarget(calculator_.get());
      // Now and then the key is held, and the window system repeats it.
      const bool held = dice_.Percent(5);
      QKeyEvent press(QEvent::KeyPress, typed.key, typed.modifiers, QString::fromLatin1(typed.text));
      QApplication::sendEvent(target, &press);
      if (held) {
        QKeyEvent again(QEvent::KeyPress, typed.key, typed.modifiers, QString::fromLatin1(typed.text), true);
        QApplication::sendEvent(KeyTarget(calculator_.get()), &again);
        QTest::qWait(260);
      }
      QKeyEvent release(QEvent::KeyRelease, typed.key, typed.modifiers, QString::fromLatin1(typed.text));
      QApplication::sendEvent(KeyTarget(calculator_.get()), &release);
    }
    Say(said);
  }

  // A screen reader presses a key of the worksheet.
  void ReaderPress() {
    static const std::vector<QString> kKeys = {
        "Command1(3)", "Command1(7)", "Command1(10)", "cmdBackspace", "cmdDecimal",
        "cmdOperatorPlus", "cmdOperatorSR", "cmdInverse", "cmdEqualSign", "cmdClearAll"};
    const QString name = dice_.Of(kKeys);
    Say("screen reader presses " + Str(name));
    QAccessibleInterface* key = QAccessible::queryAccessibleInterface(Calc(name));
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
    QWidget* key = Calc(name);
    if (key == nullptr || key->isHidden()) return;
    Say("click " + Str(name));
    Activate(calculator_.get());
    ClickWhere(key);
  }

  void ClickOperand() {
    QWidget* field = Calc(QStringLiteral("txtOperand(%1)").arg(dice_.Below(2)));
    Say("click into " + Str(field->objectName()));
    Activate(calculator_.get());
    PressWhere(field, QPoint(1 + dice_.Below(field->width() - 2), field->height() / 2),
               Qt::LeftButton, 0);
  }

  void ChooseInList() {
    const int number = 1 + dice_.Below(4);
    auto* box = Calc<QComboBox>(QStringLiteral("Combo%1").arg(number));
    const int index = dice_.Below(box->count());
    Activate(calculator_.get());
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
    ChooseItem(box, index);
    Settle();
    Activate(calculator_.get());
  }

  void TypeConstant() {
    static const std::vector<QString> kTexts = {"0",    "7",   "12.5", "-3",  "1e999",
                                                "abc",  "0.0", "&H1F", "2e3", "3.14159265",
                                                "\b\b", "-",   "1,5",  " 4",  "\u00E9"};
    QWidget* slot = Calc(QStringLiteral("txtPaste(%1)").arg(dice_.Below(5)));
    const QString text = dice_.Of(kTexts);
    const bool replace = dice_.Percent(70);
    Say("type " + Str(text) + (replace ? " over " : " after the text of ") +
        Str(slot->objectName()));
    Activate(calculator_.get());
    ClickWhere(slot);
    if (replace) SelectAllByKeys(calculator_.get());
    Type(calculator_.get(), text);
  }

  void EditWorkboard() {
    auto* board = Calc<ui::RichTextBox>(QStringLiteral("txtArchive1"));
    if (!board->isVisible()) return Key();
    static const std::vector<QString> kTexts = {
        "note",   "\n",     "\b", "\x7f", "42 ", "\t",     "\u00E9t\u00E9",
        "\u2192", "\u20AC", "\r", "\n\n", "x",   "\u2028", "\u2029"};
    QWidget* viewport = board->viewport();
    const QPoint at(dice_.Below(viewport->width()), dice_.Below(viewport->height()));
    const int moves = dice_.Below(6);
    static const Qt::Key kMoves[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                                     Qt::Key_Down, Qt::Key_Home,  Qt::Key_End};
    const Qt::Key move = kMoves[dice_.Below(6)];
    const bool shift = dice_.Percent(50);
    const int extra = dice_.Below(10);
    const QString text = extra < 7 ? dice_.Of(kTexts) : QString();
    Say("click into the workboard at " + std::to_string(at.x()) + "," + std::to_string(at.y()) +
        ", " + std::to_string(moves) + " x key " + std::to_string(static_cast<int>(move)) +
        (shift ? " with Shift" : "") + ", then " +
        (extra == 7   ? "undo"
         : extra == 8 ? "redo"
         : extra == 9 ? "an emoji"
                      : "type " + Str(text)));
    Activate(calculator_.get());
    PressWhere(viewport, at, Qt::LeftButton, 0);
    for (int i = 0; i < moves; ++i) {
      QTest::keyClick(KeyTarget(calculator_.get()), move,
                      shift ? Qt::ShiftModifier : Qt::NoModifier);
    }
    if (extra == 7) {
      QTest::keyClick(KeyTarget(calculator_.get()), Qt::Key_Z, Qt::ControlModifier);
    } else if (extra == 8) {
      QTest::keyClick(KeyTarget(calculator_.get()), Qt::Key_Y, Qt::ControlModifier);
    } else if (extra == 9) {
      QTest::sendKeyEvent(QTest::Click, KeyTarget(calculator_.get()), Qt::Key_unknown,
                          QString::fromUtf8("\xF0\x9F\x98\x80"), Qt::NoModifier);
    } else {
      Type(calculator_.get(), text);
    }
  }

  void EditMenu() {
    static const char* const kEntries[] = {"mnuEditCut", "mnuEditCopy", "mnuEditPaste",
                                           "mnuEditPaste"};
    const char* name = kEntries[dice_.Below(4)];
    auto* board = Calc<ui::RichTextBox>(QStringLiteral("txtArchive1"));
    if (!dice_.Percent(30) || !board->isVisible()) return MenuEntry(calculator_.get(), name);
    // The workboard's own pop-up menu, which is the Edit menu.
    Say(std::string("right click on the workboard, then ") + name);
    Activate(calculator_.get());
    QWidget* viewport = board->viewport();
    const QPoint at = viewport->rect().center();
    QTest::mouseClick(viewport, Qt::RightButton, {}, at);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &request);
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (popup == nullptr) return;
    QAction* entry = calculator_->findChild<QAction*>(QLatin1String(name));
    if (entry->isEnabled()) {
      QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(entry).center());
    } else {
      QTest::keyClick(popup, Qt::Key_Escape);
    }
    Settle();
    Activate(calculator_.get());
  }

  // The user copies a text in another program.
  void ClipboardFromElsewhere() {
    static const std::vector<QString> kTexts = {"pasted",
                                                "1\r\n2\r\n",
                                                "lone\rreturn",
                                                "lone\nfeed",
                                                "line\u2028separator",
                                                "para\u2029graph",
                                                "tab\there",
                                                "",
                                                "\u00E9\u20AC\U0001F600",
                                                QString(QChar(0)) + "nul"};
    fakes_.clipboard.text = dice_.Of(kTexts);
    Say("another program puts " + Str(fakes_.clipboard.text) + " on the clipboard");
  }

  void DocumentCommand() {
    static const char* const kEntries[] = {"mnuFileNew",        "mnuFileOpen", "mnuFileOpen",
                                           "mnuFileSave",       "mnuFileSave", "mnuFileSaveFileAs",
                                           "mnuClearWhiteboad", "Command4"};
    const char* name = kEntries[dice_.Below(8)];
    const std::string which(name);
    record_.mayEmptyWorkboard =
        which == "mnuFileNew" || which == "mnuClearWhiteboad" || which == "Command4";
    if (which == "Command4") return ClickKey(QStringLiteral("Command4"));
    MenuEntry(calculator_.get(), name);
  }

  void ViewCommand() {
    switch (dice_.Below(8)) {
      case 0:
        return MenuEntry(calculator_.get(), "mnuTextBack");
      case 1:
        return MenuEntry(calculator_.get(), "mnuDisplayWork");
      case 2:
        return ClickKey(QStringLiteral("Command2"));
      case 3:
        return ClickKey(QStringLiteral("Command3"));
      case 4:
        return ClickKey(QStringLiteral("Command5"));
      case 5:
      case 6: {
        QWidget* box =
            Calc(dice_.Percent(50) ? QStringLiteral("Check1") : QStringLiteral("Check2"));
        Say("tick " + Str(box->objectName()));
        Activate(calculator_.get());
        PressWhere(box, QPoint(8, box->height() / 2), Qt::LeftButton, 0);
        return;
      }
      default:
        Say("repaint the calculator");
        calculator_->repaint();
        return;
    }
  }

  void Print() { MenuEntry(calculator_.get(), "mnuPrintDisplay"); }

  // The user moves through the controls with Tab and Shift+Tab, and perhaps presses
  // Space on the control reached.
  void Tabbing() {
    const int steps = 1 + dice_.Below(3);
    const bool back = dice_.Percent(30);
    const bool space = dice_.Percent(40);
    Say(std::to_string(steps) + (back ? " x Shift+Tab" : " x Tab") + (space ? ", then Space" : ""));
    Activate(calculator_.get());
    for (int i = 0; i < steps; ++i) {
      QTest::keyClick(KeyTarget(calculator_.get()), back ? Qt::Key_Backtab : Qt::Key_Tab,
                      back ? Qt::ShiftModifier : Qt::NoModifier);
    }
    if (!space) return;
    QWidget* reached = KeyTarget(calculator_.get());
    record_.mayEmptyWorkboard = reached->objectName() == QLatin1String("Command4");  // New
    QTest::keyClick(reached, Qt::Key_Space);
    CloseDropDownList();
  }

  // The default printer changes, goes or comes back; the next repaint notices.
  void PrinterChange() {
    static const std::vector<std::optional<QString>> kPrinters = {
        QStringLiteral("Office"), QStringLiteral("Fax"), std::nullopt, QStringLiteral("Draft")};
    FakePrinters& printers = fakes_.printers;
    printers.name = dice_.Of(kPrinters);
    printers.fonts = FacesOf(printers.name == QStringLiteral("Draft"));  // no "Arial Narrow"
    Say("the default printer becomes " + Str(printers.name.value_or(QStringLiteral("none"))) +
        "; repaint the calculator");
    calculator_->repaint();
  }

  void CloseCalculator() {
    if (dice_.Percent(50)) return MenuEntry(calculator_.get(), "mnuFileExit");
    Say("close the calculator window");
    calculator_->close();
  }

  void ShowConverter() { MenuEntry(calculator_.get(), "mnuConvCalc"); }

  // How often each action comes, out of the sum of the weights.
  const std::vector<Weighted> calculatorOnly_ = {
      {180, &RandomUser::Keypad, "Keypad"},
      {25, &RandomUser::Backspace, "Backspace"},
      {190, &RandomUser::Key, "Key"},
      {40, &RandomUser::Constants, "Constants"},
      {40, &RandomUser::ClickOperand, "ClickOperand"},
      {45, &RandomUser::ChooseInList, "ChooseInList"},
      {20, &RandomUser::TypeConstant, "TypeConstant"},
      {50, &RandomUser::EditWorkboard, "EditWorkboard"},
      {25, &RandomUser::EditMenu, "EditMenu"},
      {5, &RandomUser::ClipboardFromElsewhere, "ClipboardFromElsewhere"},
      {45, &RandomUser::DocumentCommand, "DocumentCommand"},
      {30, &RandomUser::ViewCommand, "ViewCommand"},
      {2, &RandomUser::Print, "Print"},
      {20, &RandomUser::Tabbing, "Tabbing"},
      {60, &RandomUser::TypeKeys, "TypeKeys"},
      {6, &RandomUser::ReaderPress, "ReaderPress"},
      {3, &RandomUser::PrinterChange, "PrinterChange"},
      {6, &RandomUser::CloseCalculator, "CloseCalculator"},
      {20, &RandomUser::ShowConverter, "ShowConverter"},
  };
  const std::vector<Weighted> withConverter_ = [this] {
    std::vector<Weighted> all = calculatorOnly_;
    all.back().weight = 2;  // showing it again only brings it forward
    all.insert(all.end(), {
                              {25, &RandomUser::Category, "Category"},
                              {50, &RandomUser::ClickUnit, "ClickUnit"},
                              {12, &RandomUser::ReverseDirection, "ReverseDirection"},
                              {45, &RandomUser::TypeInput, "TypeInput"},
                              {20, &RandomUser::DecimalPlaces, "DecimalPlaces"},
                              {20, &RandomUser::SwapOrCopy, "SwapOrCopy"},
                              {5, &RandomUser::Captions, "Captions"},
                              {3, &RandomUser::ReferenceWindow, "ReferenceWindow"},
                              {5, &RandomUser::CloseConverter, "CloseConverter"},
                          });
    return all;
  }();

  RandomMessageBoxes messages_;
  FakeServices fakes_;
  ui::Services services_{};
  Scratch files_;
  std::unique_ptr<frmNewCalculator1> calculator_;
  std::optional<QString> scriptedOpen_;
  Record record_;
  std::map<std::string, Tally> tallies_;
};

}  // namespace numbrella::testing
