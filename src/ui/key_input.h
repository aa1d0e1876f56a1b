// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ways a user presses the keys of an on-screen keypad, each turned into "down" and
// "up" on one key, so that a window answers them all in one place: the mouse (any of
// its buttons), Space on the focused key, a screen reader's press, and the keys of
// the keyboard. Keys are named by the window's own type for them.
#include <QApplication>
#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QObject>
#include <QPushButton>

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QWidget;

namespace numbrella::ui {

namespace key_input {

template <typename T>
bool Holds(const std::vector<T>& items, const T& item) {
  return std::find(items.begin(), items.end(), item) != items.end();
}

template <typename T>
void Drop(std::vector<T>& items, const T& item) {
  items.erase(std::remove(items.begin(), items.end(), item), items.end());
}

}  // namespace key_input

// Keys that act from their press to their release, as a repeating key does. Each
// mouse press (of any button) or Space is a "down", its release an "up"; a screen
// reader's press, which clicks the key, is a down at once followed by its up. Hiding
// or disabling a held key lets it go, since no release will come.
template <typename Key>
class HeldButtons final : public QObject {
 public:
  using Handler = std::function<void(Key key, bool down)>;
  explicit HeldButtons(Handler handler) : handler_(std::move(handler)) {}

  void Add(QPushButton* button, Key key) {
    buttons_.push_back({button, button, key});
    button->installEventFilter(this);
    // A press from outside the mouse and the keyboard (a screen reader's) ends in a
    // click: the mouse's own presses never reach the button as clicks.
    connect(button, &QPushButton::clicked, this, [this, button, key] {
      Down(button, key);
      Up(button, key);
    });
  }

  // Every held key goes up, as when the window loses the mouse.
  void LetGo() {
    while (!held_.empty()) {
      const Button* known = Find(held_.back());
      known->button->setDown(false);
      Up(known->button, known->key);
    }
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const Button* found = Find(watched);
    if (found == nullptr) return false;
    QPushButton* button = found->button;
    const Key key = found->key;
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
        } else if (key_input::Holds<const QObject*>(held_, button)) {
          Up(button, key);
        }
        return true;
      }
      case QEvent::Hide:
      case QEvent::EnabledChange:
        if (key_input::Holds<const QObject*>(held_, button)) {
          button->setDown(false);
          Up(button, key);
        }
        return false;
      default:
        return false;
    }
  }

 private:
  struct Button {
    const QObject* object;  // the button as its events name it
    QPushButton* button;
    Key key;
  };

  // Events come also while a button is being destroyed, when it is a button no more:
  // it is found by the object its events name, never by casting that object.
  const Button* Find(const QObject* object) const {
    for (const Button& known : buttons_) {
      if (known.object == object) return &known;
    }
    return nullptr;
  }
  void Down(QPushButton* button, Key key) {
    if (!key_input::Holds<const QObject*>(held_, button)) held_.push_back(button);
    handler_(key, true);
  }
  void Up(QPushButton* button, Key key) {
    key_input::Drop<const QObject*>(held_, button);
    handler_(key, false);
  }

  Handler handler_;
  std::vector<Button> buttons_;
  std::vector<const QObject*> held_;
};

// Keys of the keyboard that press the keypad's keys while the focus is on one of the
// watched controls. The window system's own repeat of a held key is swallowed: the
// keypad repeats by its own timer. A held key is let go when the focus leaves the
// watched controls, since its release goes elsewhere then. A character an input method
// composes presses its key once.
template <typename Key>
class TypedKeys final : public QObject {
 public:
  // The keypad's key a typed key presses, if any.
  using Map = std::function<std::optional<Key>(const QKeyEvent&)>;
  using Handler = std::function<void(Key key, bool down)>;
  // Answers a typed key that presses none but must not pass unheard; false lets it pass.
  using Refusal = std::function<bool(const QKeyEvent&)>;
  TypedKeys(Map map, Handler handler, Refusal refuse)
      : map_(std::move(map)), handler_(std::move(handler)), refuse_(std::move(refuse)) {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
      if (!key_input::Holds(watched_, now)) LetGo();
    });
  }

  void Watch(QWidget* control) {
    watched_.push_back(control);
    control->installEventFilter(this);
    connect(control, &QObject::destroyed, this,
            [this, control] { key_input::Drop(watched_, control); });
  }

  // Every held key goes up.
  void LetGo() {
    const std::vector<Held> held = std::move(held_);
    held_.clear();
    for (const Held& key : held) handler_(key.key, false);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    // The watched controls take no composed text, so an input method composes none
    // there: a dead key presses its own key at once, and the next key is a key of its
    // own, not an accent on it. Qt's read-only fields would still take a composed
    // text.
    if (event->type() == QEvent::InputMethodQuery) {
      auto* query = static_cast<QInputMethodQueryEvent*>(event);
      if (query->queries() != Qt::ImEnabled) return false;
      query->setValue(Qt::ImEnabled, false);
      return true;
    }
    if (event->type() == QEvent::InputMethod) {
      const QKeyEvent composed(QEvent::KeyPress, 0, Qt::NoModifier,
                               static_cast<QInputMethodEvent*>(event)->commitString());
      if (const std::optional<Key> key = map_(composed)) {
        handler_(*key, true);
        handler_(*key, false);
      }
      return true;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    auto* typed = static_cast<QKeyEvent*>(event);
    const bool press = event->type() == QEvent::KeyPress;
    // A key goes up as the key that went down, whatever it types by then: on a French
    // keyboard, Shift let go first turns the release of "1" into one of "&".
    auto held = std::find_if(held_.begin(), held_.end(), [typed](const Held& known) {
      return known.scanCode != 0 && known.scanCode == typed->nativeScanCode();
    });
    const std::optional<Key> key = held != held_.end() ? held->key : map_(*typed);
    if (!key) return press && refuse_(*typed);
    if (typed->isAutoRepeat()) return true;
    if (held == held_.end()) {
      held = std::find_if(held_.begin(), held_.end(),
                          [&key](const Held& known) { return known.key == *key; });
    }
    if (press) {
      if (held == held_.end()) held_.push_back({typed->nativeScanCode(), *key});
      handler_(*key, true);
    } else if (held != held_.end()) {
      held_.erase(held);
      handler_(*key, false);
    }
    return true;
  }

 private:
  Map map_;
  Handler handler_;
  Refusal refuse_;
  std::vector<QWidget*> watched_;
  struct Held {
    quint32 scanCode;  // the keyboard's own code for the key, 0 where none is known
    Key key;
  };
  std::vector<Held> held_;
};

// Controls' focus coming and going, with the reason the window system gives.
class FocusWatch final : public QObject {
 public:
  using Handler = std::function<void(bool in, Qt::FocusReason reason)>;

  void Watch(QWidget* control, Handler handler);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<std::pair<const QObject*, Handler>> watched_;
};

}  // namespace numbrella::ui
