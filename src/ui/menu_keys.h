// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's menu keys act whichever of its controls has the focus. Fields and lists
// claim some Ctrl keys for themselves (select all, copy, cut...), so every control
// that can take the focus hands the menu's keys to the window's shortcuts first. A
// key that no menu entry has still reaches the control (Ctrl+Z undoes, Ctrl+V pastes);
// the key of a disabled entry reaches nothing.
// The controls' own pop-up menus name no keys then: theirs would do something else.
#include <QKeySequence>
#include <QObject>
#include <QString>

#include <string_view>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace numbrella::ui {

class MenuKeys : public QObject {
  Q_OBJECT
 public:
  explicit MenuKeys(QObject* parent);

  // An entry of `menu` named `name` (its objectName) with `caption`, in the user's
  // language; with Ctrl+`key` as its shortcut unless `key` is 0. The shortcut is the
  // same in every language, whatever letter the caption marks.
  QAction* AddEntry(QMenu* menu, std::string_view name, const QString& caption, int key = 0);

  // Every control inside `area` that can take the focus, now.
  void WatchControlsOf(QWidget* area);
  void Watch(QObject* control) { control->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<QKeySequence> keys_;
};

}  // namespace numbrella::ui
