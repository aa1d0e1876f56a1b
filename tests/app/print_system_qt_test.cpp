// SPDX-License-Identifier: GPL-3.0-or-later
// The printer the window names is the one the print dialog prints on: the print
// system is asked directly, and its answers must agree with Qt's print support,
// user's defaults and instances included. Its own executable, like the other tests
// with a private scheduler.
#include "app/print_system.h"
#include "support/private_scheduler.h"
#include "ui/services.h"

#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace numbrella {
namespace {

using testing::PrivateScheduler;

std::string Str(const QString& text) { return text.toStdString(); }

bool WriteUserOptions(const QString& text) {
  QDir home(QDir::homePath());
  if (!home.mkpath(QStringLiteral(".cups"))) return false;
  QFile options(home.filePath(QStringLiteral(".cups/lpoptions")));
  if (!options.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return options.write(text.toUtf8()) >= 0;
}

TEST(PrintSystemTest, NamesTheDefaultThePrintDialogUses) {
  PrivateScheduler scheduler;
  if (const std::optional<QString> failure = scheduler.Start()) {
    GTEST_SKIP() << "no private print scheduler: " << Str(*failure);
  }
  ASSERT_EQ(scheduler.AddQueue("office"), std::nullopt);
  ASSERT_EQ(scheduler.AddQueue("fax"), std::nullopt);
  ASSERT_EQ(scheduler.Admin({"-d", "fax"}), std::nullopt);
  EXPECT_EQ(Str(app::DefaultDestinationName().value_or("none")), "fax");
  EXPECT_EQ(Str(QPrinterInfo::defaultPrinterName()), "fax");

  // The environment's choice comes before the scheduler's.
  ::setenv("LPDEST", "office", 1);
  EXPECT_EQ(Str(app::DefaultDestinationName().value_or("none")), "office");
  EXPECT_EQ(Str(QPrinterInfo::defaultPrinterName()), "office");
  ::unsetenv("LPDEST");

  // So does the user's own default, here an instance of another queue; an instance
  // is no printer of its own.
  ASSERT_TRUE(WriteUserOptions(QStringLiteral("Dest office/draft\nDefault office/draft\n")));
  EXPECT_EQ(Str(app::DefaultDestinationName().value_or("none")), "office/draft");
  EXPECT_EQ(Str(QPrinterInfo::defaultPrinterName()), "office/draft");
  EXPECT_EQ(app::InstalledPrinterCount(), 2);

  // A default that names no queue is no default printer.
  ASSERT_TRUE(WriteUserOptions(QStringLiteral("Default gone\n")));
  ASSERT_EQ(scheduler.Admin({"-x", "fax"}), std::nullopt);
  EXPECT_EQ(app::DefaultDestinationName(), std::nullopt);
  EXPECT_TRUE(QPrinterInfo::defaultPrinterName().isEmpty());
  EXPECT_EQ(app::InstalledPrinterCount(), 1);
}

}  // namespace
}  // namespace numbrella
