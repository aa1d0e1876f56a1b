// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ways a user presses the keys of an on-screen keypad, each turned into "down" and
// "up" on one key, so that a window answers them all in one place: the mouse (any of
// its buttons), Space on the focused key, a screen reader's press, and the keys of
// the keyboard.
#include <QObject>

#include <functional>
#include <optional>
#include <vector>

class QKeyEvent;
class QPushButton;
class QWidget;

namespace numbrella::ui {

// Keys that act from their press to their release, as a repeating key does. Each
// mouse press (of any button) or Space is a "down", its release an "up"; a screen
// reader's press, which clicks the key, is a down at once followed by its up. Hiding
// or disabling a held key lets it go, since no release will come.
class HeldButtons final : public QObject {
 public:
  using Handler = std::function<void(int key, bool down)>;
  HeldButtons(QObject* parent, Handler handler);

  void Add(QPushButton* button, int key);
  // Every held key goes up, as when the window loses the mouse.
  void LetGo();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Key {
    const QObject* object;  // the button as its events name it
    QPushButton* button;
    int key;
  };
  const Key* Find(const QObject* object) const;
  int KeyOf(const QPushButton* button) const;
  void Down(QPushButton* button, int key);
  void Up(QPushButton* button, int key);

  Handler handler_;
  std::vector<Key> buttons_;
  std::vector<QPushButton*> held_;
};

// Keys of the keyboard that press the keypad's keys while the focus is on one of the
// watched controls. The window system's own repeat of a held key is swallowed: the
// keypad repeats by its own timer. A held key is let go when the focus leaves the
// watched controls, since its release goes elsewhere then.
class TypedKeys final : public QObject {
 public:
  using Map = std::function<std::optional<int>(const QKeyEvent&)>;
  using Handler = std::function<void(int key, bool down)>;
  TypedKeys(QObject* parent, Map map, Handler handler);

  void Watch(QWidget* control);
  // Every held key goes up.
  void LetGo();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:

  Map map_;
  Handler handler_;
  std::vector<QWidget*> watched_;
  std::vector<int> held_;
};

// A control's focus coming and going, with the reason the window system gives. It
// belongs to `parent`, which ends it before the control goes.
class FocusWatch final : public QObject {
 public:
  using Handler = std::function<void(bool in, Qt::FocusReason reason)>;
  FocusWatch(QObject* parent, QWidget* control, Handler handler);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Handler handler_;
};

}  // namespace numbrella::ui
