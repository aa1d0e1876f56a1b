// SPDX-License-Identifier: GPL-3.0-or-later
// The program as the desktop sees it: the calculator window carries the application's
// icon, the installed pictures at the sizes the desktop asks for, and the desktop entry
// is named.
#include "app/application_identity.h"

#include "calculator/calculator_window.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QString>

namespace numbrella::testing {
namespace {

using ApplicationIdentity = CalculatorWindowTest;

TEST_F(ApplicationIdentity, CalculatorWindowShowsTheApplicationIconAndTheEntryIsNamed) {
  app::SetApplicationIdentity();
  Open();

  const QIcon icon = window->windowIcon();
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon.cacheKey(), QApplication::windowIcon().cacheKey());
  EXPECT_EQ(icon.availableSizes(), (QList<QSize>{QSize(48, 48), QSize(128, 128)}));
  // The installed pictures, pixel for pixel.
  for (const int size : {48, 128}) {
    const QString installed = QStringLiteral(NUMBRELLA_ICONS "/%1x%1/apps/%2.png")
                                  .arg(size)
                                  .arg(QString::fromLatin1(app::kApplicationId));
    EXPECT_EQ(icon.pixmap(size).toImage(),
              QImage(installed).convertToFormat(QImage::Format_ARGB32_Premultiplied))
        << size;
  }
  EXPECT_EQ(QGuiApplication::desktopFileName(), "example.numbrella.Numbrella");
}

}  // namespace
}  // namespace numbrella::testing
