// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menu_keys.h"

#include "ui/text.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

namespace numbrella::ui {

MenuKeys::MenuKeys(QObject* parent) : QObject(parent) {
  QCoreApplication::setAttribute(Qt::AA_DontShowShortcutsInContextMenus);
}

QAction* MenuKeys::AddEntry(QMenu* menu, std::string_view name, const QString& caption, int key) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(Q(name));
  if (key != 0) {
    const QKeySequence shortcut(QKeyCombination(Qt::ControlModifier, static_cast<Qt::Key>(key)));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    keys_.push_back(shortcut);
  }
  return action;
}

void MenuKeys::WatchControlsOf(QWidget* area) {
  for (QWidget* child : area->findChildren<QWidget*>()) {
    if (child->focusPolicy() != Qt::NoFocus) Watch(child);
  }
}

bool MenuKeys::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::ShortcutOverride || type == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const QKeySequence& menuKey : keys_) {
      if (menuKey != pressed) continue;
      if (type == QEvent::ShortcutOverride) {
        // Not overridden: the window's shortcut takes the key.
        key->ignore();
        return true;
      }
      // A key press comes only when no enabled entry took the key: that of a
      // disabled entry, which does nothing, not even the control's own command.
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace numbrella::ui
