// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application_identity.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <cstdint>

namespace numbrella::app {

namespace {

// kIconPictures: the installed icon's pictures, 48 and 128 pixels square, as the build
// made them into pixels.
#include "app/icon_pixels.inc"

}  // namespace

void SetApplicationIdentity() {
  NameDesktopEntry();
  SetApplicationIcon();
}

void NameDesktopEntry() {
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
}

void SetApplicationIcon() {
  QIcon icon;
  for (const IconPixels& picture : kIconPictures) {
    icon.addPixmap(
        QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(picture.pixels), picture.size,
                                  picture.size, QImage::Format_ARGB32_Premultiplied)));
  }
  QApplication::setWindowIcon(icon);
}

}  // namespace numbrella::app
