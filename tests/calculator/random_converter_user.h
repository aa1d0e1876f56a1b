// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hands of a seeded random user, and what it does with the conversion calculator:
// categories by menu, key and pop-up menu, units clicked and keyed, the direction,
// typing into its fields, decimal places chosen and typed, swap and copy, the hidden
// credit, the reference windows, closing the window.
#include "calculator/random_use_support.h"
#include "converter/frmListBoxConverter.h"
#include "support/action_watchdog.h"
#include "support/readable_text.h"
#include "support/window_driver.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <string>
#include <vector>

namespace numbrella::testing {

// Mouse and keyboard for a random user, with its dice; each action says what it does.
class UserHands : protected WindowDriver {
 public:
  // The open conversion calculator, or null.
  static frmListBoxConverter* Converter() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->objectName() == QLatin1String("frmListBoxConverter") && window->isVisible()) {
        return qobject_cast<frmListBoxConverter*>(window);
      }
    }
    return nullptr;
  }

 protected:
  UserHands(std::uint64_t seed, ActionWatchdog& watchdog) : dice_(seed), watchdog_(watchdog) {}

  void Say(const std::string& description) { watchdog_.Describe(description); }

  // A menu entry chosen with the mouse from the window's menu bar, or by its key.
  void MenuEntry(QMainWindow* window, const char* name) {
    QAction* entry = Find<QAction>(window, name);
    Activate(window);
    if (!entry->shortcut().isEmpty() && dice_.Percent(50)) {
      Say(std::string("key ") + Str(entry->shortcut().toString()) + " for " + name);
      QTest::keySequence(KeyTarget(window), entry->shortcut());
      return;
    }
    Say(std::string("menu entry ") + name);
    QMenuBar* bar = window->menuBar();
    QMenu* menu = nullptr;
    for (QAction* title : bar->actions()) {
      if (title->menu() != nullptr && title->menu()->actions().contains(entry)) {
        menu = title->menu();
      }
    }
    if (menu == nullptr) {  // an entry of the bar itself
      QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(entry).center());
      return;
    }
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    for (int i = 0; i < 200 && !menu->isVisible(); ++i) QTest::qWait(5);
    if (!menu->isVisible()) return;
    if (entry->isEnabled()) {
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
    } else {
      QTest::keyClick(menu, Qt::Key_Escape);
    }
    Settle();
    // The offscreen platform does not hand the activation back when a menu closes.
    if (window->isVisible()) Activate(window);
  }

  // Types `keys` into the control that has the focus, one key at a time. A drop-down's
  // list that a typed space opens (the focus may have gone back to a drop-down) is left
  // with Escape.
  void Type(QWidget* window, const QString& keys) {
    for (QChar c : keys) {
      QWidget* target = KeyTarget(window);
      switch (c.unicode()) {
        case u'\b':
          QTest::keyClick(target, Qt::Key_Backspace);
          break;
        case u'\x7f':
          QTest::keyClick(target, Qt::Key_Delete);
          break;
        case u'\n':
          QTest::keyClick(target, Qt::Key_Return);
          break;
        case u'\r':
          QTest::keyClick(target, Qt::Key_Enter);
          break;
        case u'\t':
          QTest::keyClick(target, Qt::Key_Tab);
          break;
        default:
          if (c.unicode() < 0x80) {
            QTest::keyClick(target, static_cast<char>(c.unicode()));
          } else {
            // Beyond ASCII the key is the character's alone, as a keyboard layout gives it.
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
          }
      }
    }
    CloseDropDownList();
  }

  static void CloseDropDownList() {
    QWidget* list = QApplication::activePopupWidget();
    if (list != nullptr && list->inherits("QComboBoxPrivateContainer")) {
      QTest::keyClick(list, Qt::Key_Escape);
    }
  }

  // Selects the whole text of the field that has the focus, from the keyboard (Ctrl+A
  // is a menu key).
  void SelectAllByKeys(QWidget* window) {
    QTest::keyClick(KeyTarget(window), Qt::Key_End);
    QTest::keyClick(KeyTarget(window), Qt::Key_Home, Qt::ShiftModifier);
  }

  Dice dice_;
  ActionWatchdog& watchdog_;
};

class ConverterUser : public UserHands {
 protected:
  using UserHands::UserHands;

  static QListWidget* ShownList(char side) {
    for (QListWidget* list : Converter()->findChildren<QListWidget*>()) {
      if (!list->isHidden() && list->objectName().endsWith(QLatin1Char(side))) return list;
    }
    return nullptr;
  }

  void Category() {
    frmListBoxConverter* converter = Converter();
    QMenu* lists = converter->ListsMenu();
    const QList<QAction*> entries = lists->actions();
    QAction* entry = entries[dice_.Below(static_cast<int>(entries.size()))];
    if (dice_.Percent(70)) return MenuEntry(converter, Str(entry->objectName()).c_str());
    // The pop-up menu on the window's background.
    Say("right click on the converter's background, then " + Str(entry->objectName()));
    Activate(converter);
    QWidget* surface = converter->centralWidget();
    QTest::mouseClick(surface, Qt::RightButton, {}, QPoint(4, surface->height() - 4));
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (popup == nullptr) return;
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(entry).center());
    Settle();
    Activate(converter);
  }

  void ClickUnit() {
    QListWidget* list = ShownList(dice_.Percent(50) ? '1' : '2');
    if (list == nullptr) return;
    const int row = dice_.Below(list->count());
    Activate(Converter());
    Say("click unit " + std::to_string(row) + " in " + Str(list->objectName()));
    ClickItem(list, row);
    if (dice_.Percent(30)) {
      static const Qt::Key kKeys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End,
                                      Qt::Key_PageDown};
      const Qt::Key key = kKeys[dice_.Below(5)];
      Say("click unit " + std::to_string(row) + " in " + Str(list->objectName()) + ", then key " +
          std::to_string(static_cast<int>(key)));
      QTest::keyClick(list, key);
    }
  }

  void ReverseDirection() {
    QWidget* hand = Find(Converter(), "Image1");
    if (hand->isHidden()) hand = Find(Converter(), "Image2");
    Say("click " + Str(hand->objectName()));
    Activate(Converter());
    ClickWhere(hand);
  }

  void TypeInput() {
    static const std::vector<QString> kTexts = {
        "25", "-3.5", "1e308", "1e999",  "abc",           "",     "1,5",  "&H1F",  "0", "7",
        ".",  "-",    "\b",    "12 000", "Zederu Dizira", "98.6", "1E-5", "\u00BD"};
    const char* field = dice_.Percent(90) ? "txtIn" : "txtOut";
    auto* edit = Find<QLineEdit>(Converter(), field);
    const QString text = dice_.Of(kTexts);
    // Appending now and then; a long text is replaced.
    const bool append = dice_.Percent(25) && edit->text().size() < 40;
    Say("type " + Str(text) + (append ? " after the text of " : " over ") + field);
    Activate(Converter());
    ClickWhere(edit);
    if (append) {
      QTest::keyClick(edit, Qt::Key_End);
    } else {
      SelectAllByKeys(Converter());
      if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Delete);
    }
    Type(Converter(), text);
  }

  void DecimalPlaces() {
    auto* box = Find<QComboBox>(Converter(), "cmbDP");
    Activate(Converter());
    if (dice_.Percent(25)) {
      static const std::vector<QString> kTexts = {"20", "15", "x", "", "99", "-1"};
      const QString text = dice_.Of(kTexts);
      Say("type " + Str(text) + " into the text of cmbDP, then Enter");
      ClickWhere(box->lineEdit());
      SelectAllByKeys(Converter());
      Type(Converter(), text + QStringLiteral("\n"));
      return;
    }
    const int index = dice_.Percent(10) ? 15 : dice_.Below(box->count());
    Say("choose item " + std::to_string(index) + " in cmbDP");
    Choose(box, index);
    Settle();
    Activate(Converter());
  }

  void SwapOrCopy() {
    switch (dice_.Below(4)) {
      case 0:
        Say("click cmdSwap1");
        Activate(Converter());
        ClickWhere(Find(Converter(), "cmdSwap1"));
        return;
      case 1:
        return MenuEntry(Converter(), "mnuSwap");
      case 2:
        Say("click cmdCopy");
        Activate(Converter());
        ClickWhere(Find(Converter(), "cmdCopy"));
        return;
      default:
        return MenuEntry(Converter(), "mnuSave");
    }
  }

  void Captions() {
    Activate(Converter());
    switch (dice_.Below(3)) {
      case 0:
        Say("double click Label1");
        QTest::mouseDClick(Find(Converter(), "Label1"), Qt::LeftButton);
        return;
      case 1:
        if (dice_.Percent(50)) {
          // What the hidden credit asks for first.
          Say("choose 15 in cmbDP, type Zederu Dizira into txtIn, click Label2");
          Choose(Find<QComboBox>(Converter(), "cmbDP"), 15);
          Settle();
          Activate(Converter());
          ClickWhere(Find(Converter(), "txtIn"));
          SelectAllByKeys(Converter());
          Type(Converter(), QStringLiteral("Zederu Dizira"));
        } else {
          Say("click Label2");
        }
        ClickWhere(Find(Converter(), "Label2"));
        return;
      default:
        Say("click the converter's background");
        QTest::mouseClick(Converter()->centralWidget(), Qt::LeftButton, {},
                          QPoint(4, Converter()->centralWidget()->height() - 4));
    }
  }

  void ReferenceWindow() {
    static const char* const kEntries[] = {"mnuShowInfo", "mnuSIBaseUnits", "mnuPrefixes"};
    if (dice_.Percent(30)) {
      Say("close the reference windows");
      for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName().startsWith(QLatin1String("frmSI")) ||
            window->objectName() == QLatin1String("frmInfo1")) {
          window->close();
        }
      }
      return;
    }
    MenuEntry(Converter(), kEntries[dice_.Below(3)]);
  }

  void CloseConverter() {
    Say("close the converter window");
    Converter()->close();
  }
};

}  // namespace numbrella::testing
