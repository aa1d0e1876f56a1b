// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversion calculator window opened as the user opens it, and driven through its
// controls and menus as the user does.
#include "converter/frmListBoxConverter.h"

#include "app/application.h"
#include "support/fake_services.h"
#include "support/window_driver.h"

#include <gtest/gtest.h>
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

class ConverterWindow : public ::testing::Test, public DrivenWindow<frmListBoxConverter> {
 protected:
  void SetUp() override { Open(); }

  // Shows the converter as the calculator's menu entry does.
  void Open() {
    window = &application.ShowConverter();
    ASSERT_EQ(OpenWindows("frmListBoxConverter").size(), 1u);
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }

  QString TextOf(const char* name) const {
    if (auto* field = qobject_cast<QLineEdit*>(Find(name))) return field->text();
    return Find<QLabel>(name)->text();
  }

  // The user's actions.
  void ClickItem(const char* list, int row) {
    WindowDriver::ClickItem(Find<QListWidget>(list), row);
  }
  // Replaces the input's text.
  void Type(const QString& text) { TypeOver(Find("txtIn"), text); }
  void Key(const char* control, Qt::Key key) {
    QTest::keyClick(Find(control), key, Qt::ControlModifier);
  }
  void ChooseDecimals(const QString& item) {
    Choose(Find<QComboBox>("cmbDP"), item);
    Reactivate();
  }
  // The offscreen platform does not hand the activation back to the window when a
  // pop-up closes, as a desktop does; the menu keys need an active window.
  void Reactivate() {
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }

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
};

}  // namespace numbrella::testing
