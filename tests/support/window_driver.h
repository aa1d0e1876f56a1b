// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window driven as its user drives it: controls and menu entries found by their names,
// buttons clicked, text typed, drop-down entries and menu entries chosen. What is not
// there throws, and the test framework fails the test with the name and the type sought:
// a null control would crash the whole program, and the tests after it would not run.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QTest>
#include <QWidget>

#include <stdexcept>
#include <string>

namespace numbrella::testing {

class WindowDriver {
 public:
  // The control or menu entry `name` of type T in `window`.
  template <typename T = QWidget>
  static T* Find(const QWidget* window, const QString& name) {
    T* found = window != nullptr ? window->findChild<T*>(name) : nullptr;
    if (found == nullptr) {
      Fail(std::string("no ") + T::staticMetaObject.className() + " named \"" + name.toStdString() +
           "\" in " + (window != nullptr ? window->objectName().toStdString() : "no window"));
    }
    return found;
  }

  // The press and the release of `button` on `control`.
  static void Click(QWidget* control, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(control, button);
  }

  // The text of `field` selected from the keyboard and typed over (deleted, for none).
  static void TypeOver(QWidget* field, const QString& text) {
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Home, Qt::ShiftModifier);
    text.isEmpty() ? QTest::keyClick(field, Qt::Key_Delete) : QTest::keyClicks(field, text);
  }

  // Entry `index` of a drop-down clicked in its open list, which makes the box send
  // `activated`. The list opens from the keyboard: a list opened by a mouse press ignores
  // a release that follows within the double-click time.
  static void Choose(QComboBox* box, int index) {
    box->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(box, Qt::Key_F4);
    QAbstractItemView* list = box->view();
    const std::string name = box->objectName().toStdString();
    if (!QTest::qWaitForWindowExposed(list->window())) Fail("the list of " + name + " is shut");
    const QModelIndex item = list->model()->index(index, box->modelColumn(), list->rootIndex());
    if (!item.isValid()) Fail(name + " has no entry " + std::to_string(index));
    list->scrollTo(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
    if (!QTest::qWaitFor([list] { return !list->window()->isVisible(); }, 1000)) {
      Fail("the list of " + name + " stays open");
    }
    QApplication::processEvents();
  }
  static void Choose(QComboBox* box, const QString& text) {
    const int index = box->findText(text);
    if (index < 0) Fail(box->objectName().toStdString() + " has no entry " + text.toStdString());
    Choose(box, index);
  }

  // The item in `row` of a shown list, clicked.
  static void ClickItem(QListWidget* list, int row) {
    if (!list->isVisible()) Fail(list->objectName().toStdString() + " is hidden");
    QListWidgetItem* item = list->item(row);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
  }

  // A menu entry chosen; what it sets going runs before the user's next action.
  static void Trigger(const QWidget* window, const QString& entry) {
    Find<QAction>(window, entry)->trigger();
    QApplication::processEvents();
  }

  [[noreturn]] static void Fail(const std::string& what) { throw std::runtime_error(what); }
};

// A test's window, its controls and menu entries at hand by their names alone.
template <typename Window>
class DrivenWindow : public WindowDriver {
 protected:
  using WindowDriver::Choose;
  using WindowDriver::Find;
  template <typename T = QWidget>
  T* Find(const QString& name) const {
    return WindowDriver::Find<T>(window, name);
  }
  void Press(const QString& name, Qt::MouseButton button = Qt::LeftButton) {
    Click(Find(name), button);
  }
  void Choose(const QString& menuEntry) { Trigger(window, menuEntry); }

  Window* window = nullptr;
};

}  // namespace numbrella::testing
