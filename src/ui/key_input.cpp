// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/key_input.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>

namespace numbrella::ui {

namespace {

template <typename T>
bool Holds(const std::vector<T>& items, const T& item) {
  return std::find(items.begin(), items.end(), item) != items.end();
}

template <typename T>
void Drop(std::vector<T>& items, const T& item) {
  items.erase(std::remove(items.begin(), items.end(), item), items.end());
}

}  // namespace

HeldButtons::HeldButtons(QObject* parent, Handler handler)
    : QObject(parent), handler_(std::move(handler)) {}

void HeldButtons::Add(QPushButton* button, int key) {
  buttons_.push_back({button, button, key});
  button->installEventFilter(this);
  // A press from outside the mouse and the keyboard (a screen reader's) ends in a
  // click: the mouse's own presses never reach the button as clicks.
  connect(button, &QPushButton::clicked, this, [this, button, key] {
    Down(button, key);
    Up(button, key);
  });
}

// Events come also while a button is being destroyed, when it is a button no more: it
// is found by the object its events name, never by casting that object.
const HeldButtons::Key* HeldButtons::Find(const QObject* object) const {
  for (const Key& known : buttons_) {
    if (known.object == object) return &known;
  }
  return nullptr;
}

int HeldButtons::KeyOf(const QPushButton* button) const {
  for (const Key& known : buttons_) {
    if (known.button == button) return known.key;
  }
  return -1;
}

void HeldButtons::LetGo() {
  while (!held_.empty()) {
    QPushButton* button = held_.back();
    button->setDown(false);
    Up(button, KeyOf(button));
  }
}

void HeldButtons::Down(QPushButton* button, int key) {
  if (!Holds(held_, button)) held_.push_back(button);
  handler_(key, true);
}

void HeldButtons::Up(QPushButton* button, int key) {
  Drop(held_, button);
  handler_(key, false);
}

bool HeldButtons::eventFilter(QObject* watched, QEvent* event) {
  const Key* found = Find(watched);
  if (found == nullptr) return false;
  QPushButton* button = found->button;
  const int key = found->key;
  switch (event->type()) {
    // A second press within the double-click time reaches the key as a double-click
    // event alone: it is a press like any other.
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      button->setDown(true);
      Down(button, key);
      return true;
    case QEvent::MouseButtonRelease:
      button->setDown(false);
      Up(button, key);
      return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      auto* typed = static_cast<QKeyEvent*>(event);
      if (typed->key() != Qt::Key_Space || typed->modifiers() != Qt::NoModifier) return false;
      if (typed->isAutoRepeat()) return true;
      const bool press = event->type() == QEvent::KeyPress;
      button->setDown(press);
      if (press) {
        Down(button, key);
      } else if (Holds(held_, button)) {
        Up(button, key);
      }
      return true;
    }
    case QEvent::Hide:
    case QEvent::EnabledChange:
      if (Holds(held_, button)) {
        button->setDown(false);
        Up(button, key);
      }
      return false;
    default:
      return false;
  }
}

TypedKeys::TypedKeys(QObject* parent, Map map, Handler handler)
    : QObject(parent), map_(std::move(map)), handler_(std::move(handler)) {
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (!Holds(watched_, now)) LetGo();
  });
}

void TypedKeys::Watch(QWidget* control) {
  watched_.push_back(control);
  control->installEventFilter(this);
  connect(control, &QObject::destroyed, this, [this, control] { Drop(watched_, static_cast<QWidget*>(control)); });
}

void TypedKeys::LetGo() {
  const std::vector<int> held = std::move(held_);
  held_.clear();
  for (int key : held) handler_(key, false);
}

bool TypedKeys::eventFilter(QObject*, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
  auto* typed = static_cast<QKeyEvent*>(event);
  const std::optional<int> key = map_(*typed);
  if (!key) return false;
  if (typed->isAutoRepeat()) return true;
  if (event->type() == QEvent::KeyPress) {
    if (!Holds(held_, *key)) held_.push_back(*key);
    handler_(*key, true);
  } else if (Holds(held_, *key)) {
    Drop(held_, *key);
    handler_(*key, false);
  }
  return true;
}

FocusWatch::FocusWatch(QObject* parent, QWidget* control, Handler handler)
    : QObject(parent), handler_(std::move(handler)) {
  control->installEventFilter(this);
}

bool FocusWatch::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
    handler_(event->type() == QEvent::FocusIn, static_cast<QFocusEvent*>(event)->reason());
  }
  return false;
}

}  // namespace numbrella::ui
