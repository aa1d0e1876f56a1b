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

QAction* MenuKeys::AddEntry(QMenu* menu, std::string_view name, std::string_view caption, int key) {
  QAction* action = menu->addAction(Q(caption));
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
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const QKeySequence& menuKey : keys_) {
      if (menuKey == pressed) {
        // Not overridden: the shortcut takes the key, even from a disabled entry,
        // which then does nothing.
        key->ignore();
        return true;
      }
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace numbrella::ui
