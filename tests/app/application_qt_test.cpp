// SPDX-License-Identifier: GPL-3.0-or-later
// The program as one object: each run with its own services, and its end with every
// window open and a key held down.
#include "app/application.h"
#include "app/end_signals.h"
#include "support/fake_services.h"
#include "support/window_driver.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>

#include <csignal>
#include <cstdlib>
#include <memory>

namespace numbrella::testing {
namespace {

int WindowsNamed(const char* name) {
  int count = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == QLatin1String(name)) ++count;
  }
  return count;
}

TEST(Application, EachRunWorksWithItsOwnServices) {
  for (int run = 0; run < 2; ++run) {
    FakeServices fakes;
    Application application(fakes.services());
    application.Calculator().show();
    WindowDriver::Trigger(&application.Calculator(), "mnuConvCalc");
    ASSERT_NE(application.Converter(), nullptr);
    WindowDriver::Trigger(application.Converter(), "mnuSave");
    EXPECT_EQ(fakes.clipboard.text, QStringLiteral("1")) << "run " << run;
  }
}

TEST(Application, EndsWithItsWindowsOpenAndAKeyHeld) {
  FakeServices fakes;
  auto application = std::make_unique<Application>(fakes.services());
  frmNewCalculator1& calculator = application->Calculator();
  calculator.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&calculator));
  WindowDriver::Trigger(&calculator, "mnuConvCalc");
  for (const char* entry : {"mnuShowInfo", "mnuSIBaseUnits", "mnuPrefixes"}) {
    WindowDriver::Trigger(application->Converter(), entry);
  }
  // The 8 held on the keyboard, then the 7 held with the mouse: both repeat.
  QWidget* operand = calculator.findChild<QWidget*>(QStringLiteral("txtOperand(0)"));
  QWidget* seven = calculator.findChild<QWidget*>(QStringLiteral("Command1(7)"));
  ASSERT_TRUE(operand != nullptr && seven != nullptr);
  QApplication::setActiveWindow(&calculator);
  operand->setFocus(Qt::OtherFocusReason);
  QTest::keyPress(operand, Qt::Key_8);
  QTest::mousePress(seven, Qt::LeftButton);
  QTest::qWait(300);

  application.reset();
  QApplication::processEvents();
  for (const char* name : {"frmNewCalculator1", "frmListBoxConverter", "frmInfo1",
                           "frmSIBaseUnits1", "frmSIPrefixes1"}) {
    EXPECT_EQ(WindowsNamed(name), 0) << name;
  }
}

// A program held up past its first signal to end, as in a modal loop or on a stuck
// disk, ends at the second, as the signal ends a program by default.
TEST(EndSignals, TheSecondSignalEndsAtOnce) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        int ended = 0;
        const app::EndSignals watch([&ended] { ++ended; });
        ::raise(SIGTERM);
        (void)QTest::qWaitFor([&ended] { return ended > 0; }, 5000);
        if (ended != 1) std::_Exit(2);
        ::raise(SIGTERM);
        std::_Exit(3);
      },
      ::testing::KilledBySignal(SIGTERM), "");
}

}  // namespace
}  // namespace numbrella::testing
