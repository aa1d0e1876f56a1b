// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window's menus from one table: each row a menu on the menu bar, an entry of the
// menu above it, or a command on the bar itself, with its name, its caption, its Ctrl
// key, its check mark and its handler.
#include "ui/menu_keys.h"
#include "ui/text.h"
#include "ui/translations.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <cstdint>
#include <span>
#include <string_view>

namespace numbrella::ui {

enum class MenuPlace : std::uint8_t {
  Menu,            // a menu on the bar; its handler, if any, runs as it opens
  Entry,           // an entry of the menu above
  EntryAfterLine,  // the same, under a separator line
  CheckedEntry,    // an entry with a check mark, checked at start; its handler sets it
  Command,         // a command on the bar itself
};

// The member of Window that keeps a menu or an entry, for the window to read back.
template <typename Window>
struct MenuMember {
  constexpr MenuMember() = default;
  constexpr MenuMember(QMenu* Window::*kept) : menu(kept) {}      // NOLINT: implicit
  constexpr MenuMember(QAction* Window::*kept) : action(kept) {}  // NOLINT: implicit
  QMenu* Window::*menu = nullptr;
  QAction* Window::*action = nullptr;
};

template <typename Window>
struct MenuRow {
  MenuPlace place;
  std::string_view name;     // the object name
  std::string_view caption;  // the source text, "&" before the access key
  int key = 0;               // Ctrl with this key, 0 for none
  void (Window::*handler)() = nullptr;
  MenuMember<Window> member = {};
  // The catalogue context of a caption the window takes from elsewhere; nullptr for
  // the window's own, its class.
  const char* context = nullptr;
};

// Adds the rows' menus to the window's menu bar, in order; the Ctrl keys go through
// `keys`, so that they act whichever control has the focus.
template <typename Window>
void BuildMenus(Window& window, MenuKeys& keys, std::span<const MenuRow<Window>> rows) {
  QMenuBar* bar = window.menuBar();
  QMenu* menu = nullptr;
  for (const MenuRow<Window>& row : rows) {
    const QString caption = Translated(
        row.context != nullptr ? row.context : window.metaObject()->className(), row.caption);
    const auto handler = row.handler;
    QAction* action = nullptr;
    switch (row.place) {
      case MenuPlace::Menu:
        menu = bar->addMenu(caption);
        menu->setObjectName(Q(row.name));
        if (row.member.menu != nullptr) window.*row.member.menu = menu;
        if (handler != nullptr) {
          QObject::connect(menu, &QMenu::aboutToShow, &window,
                           [&window, handler] { (window.*handler)(); });
        }
        continue;
      case MenuPlace::Command:
        action = bar->addAction(caption);
        action->setObjectName(Q(row.name));
        break;
      case MenuPlace::EntryAfterLine:
        menu->addSeparator();
        [[fallthrough]];
      case MenuPlace::Entry:
      case MenuPlace::CheckedEntry:
        action = keys.AddEntry(menu, row.name, caption, row.key);
        break;
    }
    if (row.member.action != nullptr) window.*row.member.action = action;
    if (row.place == MenuPlace::CheckedEntry) {
      action->setCheckable(true);
      action->setChecked(true);
      // The handler reads the check mark as it was before the choice and sets it itself.
      QObject::connect(action, &QAction::triggered, &window, [&window, action, handler](bool on) {
        action->setChecked(!on);
        (window.*handler)();
      });
    } else if (handler != nullptr) {
      QObject::connect(action, &QAction::triggered, &window,
                       [&window, handler] { (window.*handler)(); });
    }
  }
}

}  // namespace numbrella::ui
