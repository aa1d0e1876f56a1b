// SPDX-License-Identifier: GPL-3.0-or-later
// The program as the desktop sees it: the calculator window carries the application's
// icon, drawn at the sizes the desktop asks for, and the desktop entry is named.
#include "app/application_identity.h"

#include "calculator/calculator_window.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>

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
  // Drawn, not blank: the calculator body fills the middle of the picture.
  for (const int size : {48, 128}) {
    const QImage picture = icon.pixmap(size).toImage();
    ASSERT_EQ(picture.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(picture.pixel(size / 2, size * 3 / 4)), 255) << size;
  }
  EXPECT_EQ(QGuiApplication::desktopFileName(), "example.numbrella.Numbrella");
}

}  // namespace
}  // namespace numbrella::testing
