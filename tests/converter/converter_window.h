// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversion calculator window opened as the user opens it, and driven through its
// controls and menus as the user does.
#include "converter/frmListBoxConverter.h"

#include "support/fake_services.h"
#include "ui/application.h"

#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <ostream>
#include <string_view>
#include <vector>

// Failures show texts as the user reads them.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace numbrella::testing {

inline QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Lets the closed windows go, as the event loop does.
inline void DiscardClosedWindows() { QCoreApplication::processEvents(); }

inline std::vector<QWidget*> OpenWindows(const char* name) {
  std::vector<QWidget*> found;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == QLatin1String(name) && widget->isVisible()) {
      found.push_back(widget);
    }
  }
  return found;
}

class ConverterWindow : public ::testing::Test {
 protected:
  void SetUp() override { Open(); }

  // Shows the converter as the calculator's menu entry does.
  void Open() {
    window = &application.ShowConverter();
    ASSERT_EQ(OpenWindows("frmListBoxConverter").size(), 1u);
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }

  template <class T = QWidget>
  T* Find(const char* name) const {
    T* child = window->findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  QLineEdit* Field(const char* name) const { return Find<QLineEdit>(name); }
  QString TextOf(const char* name) const {
    if (auto* field = window->findChild<QLineEdit*>(QLatin1String(name))) return field->text();
    if (auto* label = window->findChild<QLabel*>(QLatin1String(name))) return label->text();
    ADD_FAILURE() << "no text control " << name;
    return {};
  }
  QListWidget* List(const char* name) const { return Find<QListWidget>(name); }

  // The user's actions.
  void ClickItem(const char* list, int row) {
    QListWidget* box = List(list);
    ASSERT_TRUE(box->isVisible()) << list;
    QListWidgetItem* item = box->item(row);
    box->scrollToItem(item);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(item).center());
  }
  void Press(const char* button) {
    QWidget* widget = Find(button);
    QTest::mousePress(widget, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton);
  }
  // Replaces the input's text as a user does: select it all with the keyboard, type.
  void Type(const QString& text) {
    QLineEdit* in = Field("txtIn");
    in->setFocus(Qt::TabFocusReason);
    QTest::keyClick(in, Qt::Key_End);
    QTest::keyClick(in, Qt::Key_Home, Qt::ShiftModifier);
    if (text.isEmpty()) {
      QTest::keyClick(in, Qt::Key_Delete);
    } else {
      QTest::keyClicks(in, text);
    }
  }
  void Key(const char* control, Qt::Key key) {
    QTest::keyClick(Find(control), key, Qt::ControlModifier);
  }
  void ChooseDecimals(const QString& item) {
    QComboBox* combo = Find<QComboBox>("cmbDP");
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QModelIndex index = view->model()->index(combo->findText(item), 0);
    ASSERT_TRUE(index.isValid()) << item.toStdString();
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    QCoreApplication::processEvents();
    Reactivate();
  }
  // The offscreen platform does not hand the activation back to the window when a
  // pop-up closes, as a desktop does; the menu keys need an active window.
  void Reactivate() {
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }
  void Choose(const char* menuEntry) { Find<QAction>(menuEntry)->trigger(); }

  std::vector<QString> VisibleLists() const {
    std::vector<QString> names;
    for (QListWidget* list : window->findChildren<QListWidget*>()) {
      if (list->isVisible()) names.push_back(list->objectName());
    }
    return names;
  }
  void ExpectCaptions(const char* l1, const char* l2, const char* l6, const char* l7) {
    EXPECT_EQ(TextOf("Label1"), l1);
    EXPECT_EQ(TextOf("Label2"), l2);
    EXPECT_EQ(TextOf("Label6"), l6);
    EXPECT_EQ(TextOf("Label7"), l7);
  }

  FakeServices fake;
  Application application{fake.services()};
  frmListBoxConverter* window = nullptr;  // the application's
};

}  // namespace numbrella::testing
