// SPDX-License-Identifier: GPL-3.0-or-later
// The printer service against a real print scheduler: the test starts its own cupsd
// on a private socket with a configuration of its own, adds and removes queues with
// lpadmin, and watches what the service reports. It runs as its own executable, so
// that the scheduler's address is set before anything in the process asks for
// printers.
#include "app/real_services.h"
#include "support/private_scheduler.h"
#include "support/readable_text.h"

#include <QString>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

namespace numbrella {
namespace {

using testing::PrivateScheduler;

using testing::Str;

TEST(RealPrintersTest, ReportsQueuesAsTheyComeAndGo) {
  PrivateScheduler scheduler;
  if (const std::optional<QString> failure = scheduler.Start()) {
    GTEST_SKIP() << "no private print scheduler: " << Str(*failure);
  }
  const app::RealServices real;
  ui::Printers* printers = real.services().printers;
  ui::ScreenFonts* screen = real.services().screenFonts;
  ASSERT_TRUE(printers->Answered(std::chrono::seconds(5)));
  // The answers are the print system's latest, asked for at most once a second on a
  // thread of their own: a change is seen within a few seconds, never waited for.
  auto settles = [printers](int count, const char* name) {
    for (int tries = 0; tries < 50; ++tries) {
      if (printers->PrinterCount() == count &&
          Str(printers->DefaultPrinterName().value_or("none")) == name) {
        return true;
      }
      QTest::qWait(100);
    }
    return false;
  };

  // No queue at all: nothing to count, and no default printer.
  EXPECT_TRUE(settles(0, "none"));
  EXPECT_EQ(printers->DefaultPrinterFonts(), std::nullopt);

  // One queue, made the default.
  const std::optional<QString> added = scheduler.AddQueue("numbrella-test");
  ASSERT_EQ(added, std::nullopt) << Str(added.value_or(QString()));
  ASSERT_EQ(scheduler.Admin({"-d", "numbrella-test"}), std::nullopt);
  EXPECT_TRUE(settles(1, "numbrella-test"));
  const std::optional<QStringList> fonts = printers->DefaultPrinterFonts();
  ASSERT_TRUE(fonts.has_value());
  EXPECT_FALSE(fonts->isEmpty());
  EXPECT_EQ(*fonts, screen->Families()) << "a printer prints with the screen's fonts here";

  // A second queue becomes the default while the program runs.
  ASSERT_EQ(scheduler.AddQueue("numbrella-fax"), std::nullopt);
  ASSERT_EQ(scheduler.Admin({"-d", "numbrella-fax"}), std::nullopt);
  EXPECT_TRUE(settles(2, "numbrella-fax"));

  // The default queue removed: one printer is left, but there is no default printer.
  ASSERT_EQ(scheduler.Admin({"-x", "numbrella-fax"}), std::nullopt);
  EXPECT_TRUE(settles(1, "none"));
  EXPECT_EQ(printers->DefaultPrinterFonts(), std::nullopt);

  // The scheduler gone: the same answers as without a printer.
  ASSERT_EQ(scheduler.Admin({"-d", "numbrella-test"}), std::nullopt);
  EXPECT_TRUE(settles(1, "numbrella-test"));
  scheduler.Stop();
  EXPECT_TRUE(settles(0, "none"));
  EXPECT_EQ(printers->DefaultPrinterFonts(), std::nullopt);
}

}  // namespace
}  // namespace numbrella
