// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a seeded random user does with the calculator window beyond its worksheet: the
// workboard edited by mouse and keys, the Edit menu and the workboard's pop-up menu,
// the clipboard filled elsewhere, document, view and print commands, Tab and Shift+Tab,
// a changing default printer, closing the window and showing the converter.
#include "calculator/random_worksheet_user.h"

#include <QContextMenuEvent>

#include <optional>
#include <string>
#include <vector>

namespace numbrella::testing {

class WorkboardUser : public WorksheetUser {
 public:
  // What the last action did that the checks need to know.
  struct Record {
    std::vector<QString> opened;     // what the Open dialog returned
    bool mayEmptyWorkboard = false;  // a New or Clear Workboard command
    bool freshCalculator = false;    // the calculator closed; a new one took its place
  };

  const Record& Last() const { return record_; }

 protected:
  using WorksheetUser::WorksheetUser;

  void EditWorkboard() {
    auto* board = Find<ui::RichTextBox>(calculator_, QStringLiteral("txtArchive1"));
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
    Activate(calculator_);
    PressWhere(viewport, at, Qt::LeftButton, 0);
    for (int i = 0; i < moves; ++i) {
      QTest::keyClick(KeyTarget(calculator_), move, shift ? Qt::ShiftModifier : Qt::NoModifier);
    }
    if (extra == 7) {
      QTest::keyClick(KeyTarget(calculator_), Qt::Key_Z, Qt::ControlModifier);
    } else if (extra == 8) {
      QTest::keyClick(KeyTarget(calculator_), Qt::Key_Y, Qt::ControlModifier);
    } else if (extra == 9) {
      QTest::sendKeyEvent(QTest::Click, KeyTarget(calculator_), Qt::Key_unknown,
                          QString::fromUtf8("\xF0\x9F\x98\x80"), Qt::NoModifier);
    } else {
      Type(calculator_, text);
    }
  }

  void EditMenu() {
    static const char* const kEntries[] = {"mnuEditCut", "mnuEditCopy", "mnuEditPaste",
                                           "mnuEditPaste"};
    const char* name = kEntries[dice_.Below(4)];
    auto* board = Find<ui::RichTextBox>(calculator_, QStringLiteral("txtArchive1"));
    if (!dice_.Percent(30) || !board->isVisible()) return MenuEntry(calculator_, name);
    // The workboard's own pop-up menu, which is the Edit menu.
    Say(std::string("right click on the workboard, then ") + name);
    Activate(calculator_);
    QWidget* viewport = board->viewport();
    const QPoint at = viewport->rect().center();
    QTest::mouseClick(viewport, Qt::RightButton, {}, at);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &request);
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (popup == nullptr) return;
    QAction* entry = Find<QAction>(calculator_, name);
    if (entry->isEnabled()) {
      QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(entry).center());
    } else {
      QTest::keyClick(popup, Qt::Key_Escape);
    }
    Settle();
    Activate(calculator_);
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
    MenuEntry(calculator_, name);
  }

  void ViewCommand() {
    switch (dice_.Below(8)) {
      case 0:
        return MenuEntry(calculator_, "mnuTextBack");
      case 1:
        return MenuEntry(calculator_, "mnuDisplayWork");
      case 2:
        return ClickKey(QStringLiteral("Command2"));
      case 3:
        return ClickKey(QStringLiteral("Command3"));
      case 4:
        return ClickKey(QStringLiteral("Command5"));
      case 5:
      case 6: {
        QWidget* box = Find(
            calculator_, dice_.Percent(50) ? QStringLiteral("Check1") : QStringLiteral("Check2"));
        Say("tick " + Str(box->objectName()));
        Activate(calculator_);
        PressWhere(box, QPoint(8, box->height() / 2), Qt::LeftButton, 0);
        return;
      }
      default:
        Say("repaint the calculator");
        calculator_->repaint();
        return;
    }
  }

  void Print() { MenuEntry(calculator_, "mnuPrintDisplay"); }

  // The user moves through the controls with Tab and Shift+Tab, and perhaps presses
  // Space on the control reached.
  void Tabbing() {
    const int steps = 1 + dice_.Below(3);
    const bool back = dice_.Percent(30);
    const bool space = dice_.Percent(40);
    Say(std::to_string(steps) + (back ? " x Shift+Tab" : " x Tab") + (space ? ", then Space" : ""));
    Activate(calculator_);
    for (int i = 0; i < steps; ++i) {
      QTest::keyClick(KeyTarget(calculator_), back ? Qt::Key_Backtab : Qt::Key_Tab,
                      back ? Qt::ShiftModifier : Qt::NoModifier);
    }
    if (!space) return;
    QWidget* reached = KeyTarget(calculator_);
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
    if (dice_.Percent(50)) return MenuEntry(calculator_, "mnuFileExit");
    Say("close the calculator window");
    calculator_->close();
  }

  void ShowConverter() { MenuEntry(calculator_, "mnuConvCalc"); }

  Record record_;
};

}  // namespace numbrella::testing
