// SPDX-License-Identifier: GPL-3.0-or-later
// A window laid out from rows: each row's control made, kept in its member, named,
// placed in pixels and given its texts in the window's own translation context.
#include "ui/layout.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTranslator>

#include <array>

namespace numbrella::ui {
namespace {

// Every text with the context it was asked for in.
class ContextTranslator : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char*, int) const override {
    return QStringLiteral("[%1] %2").arg(QLatin1String(context), QString::fromUtf8(source));
  }
};

struct Window : QWidget {
  QLabel* caption = nullptr;
  std::array<QPushButton*, 2> keys{};
};

TEST(Layout, MakesKeepsNamesAndPlacesEachRowsControl) {
  static constexpr ControlRow kRows[] = {
      {Keep<&Window::caption>, "Label1", {120, 90, 3780, 240}, "Operand 1"},
      {Keep<&Window::keys, 1>,
       "Command1(1)",
       {1140, 3150, 930, 570},
       "1",
       " One ",
       "Digit one",
       "Types a one"},
  };
  Window window;
  ContextTranslator translator;
  QCoreApplication::installTranslator(&translator);
  Layout(window).Create(&window, kRows);
  QCoreApplication::removeTranslator(&translator);

  ASSERT_NE(window.caption, nullptr);
  EXPECT_EQ(window.caption->parentWidget(), &window);
  EXPECT_EQ(window.caption->objectName(), "Label1");
  EXPECT_EQ(window.caption->geometry(), QRect(8, 6, 252, 16));
  EXPECT_EQ(window.caption->text().toStdString(), "[QWidget] Operand 1");
  EXPECT_EQ(window.caption->textFormat(), Qt::PlainText);
  EXPECT_TRUE(window.caption->toolTip().isEmpty());
  EXPECT_TRUE(window.caption->accessibleName().isEmpty());

  EXPECT_EQ(window.keys[0], nullptr);
  const QPushButton* one = window.keys[1];
  ASSERT_NE(one, nullptr);
  EXPECT_EQ(one->objectName(), "Command1(1)");
  EXPECT_EQ(one->geometry(), QRect(76, 210, 62, 38));
  EXPECT_EQ(one->text().toStdString(), "[QWidget] 1");
  EXPECT_EQ(one->toolTip().toStdString(), "[QWidget]  One ");
  EXPECT_EQ(one->accessibleName().toStdString(), "[QWidget] Digit one");
  EXPECT_EQ(one->accessibleDescription().toStdString(), "[QWidget] Types a one");
}

TEST(Layout, FifteenTwipsAPixelHalvesRoundedUp) {
  QWidget window;
  const Layout layout(window);
  EXPECT_EQ(layout.Pixels(22), 1);
  EXPECT_EQ(layout.Pixels(22.5), 2);
  EXPECT_EQ(layout.Pixels(static_cast<double>(4967.04f)), 331);
  EXPECT_EQ(layout.Pixels(15315, 10335), QSize(1021, 689));
  EXPECT_EQ(layout.Pixels(TwipsRect{7, 8, 37, 38}), QRect(0, 1, 2, 3));
}

}  // namespace
}  // namespace numbrella::ui
