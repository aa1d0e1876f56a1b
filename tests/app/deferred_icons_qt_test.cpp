// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of a starting window are read without loading any image plugin, and
// look as they would without the deferral. Its own executable: whether a plugin is
// loaded is a question about the whole process.
#include "app/application_identity.h"
#include "app/deferred_icons.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <memory>

namespace numbrella {
namespace {

bool ImagePluginLoaded() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  if (!maps.open(QIODevice::ReadOnly)) return true;
  return maps.readAll().contains("/imageformats/");
}

TEST(DeferredIconsTest, AStartingWindowLoadsNoImagePluginAndLooksTheSame) {
  ASSERT_FALSE(ImagePluginLoaded());
  const QString styleName = QApplication::style()->name();
  QApplication::setStyle(new app::DeferredIconStyle);
  app::SetApplicationIdentity();
  EXPECT_FALSE(QApplication::windowIcon().isNull());
  {
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.show();
  }
  EXPECT_FALSE(ImagePluginLoaded());

  // Drawn at last, the extension buttons' pictures are the plain style's.
  const std::unique_ptr<QStyle> plain(QStyleFactory::create(styleName));
  ASSERT_NE(plain, nullptr);
  for (QStyle::StandardPixmap picture :
       {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
    const QImage deferred = QApplication::style()->standardIcon(picture).pixmap(16, 16).toImage();
    EXPECT_FALSE(deferred.isNull());
    EXPECT_EQ(deferred, plain->standardIcon(picture).pixmap(16, 16).toImage());
  }
}

}  // namespace
}  // namespace numbrella
