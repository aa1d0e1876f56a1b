// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application_identity.h"

#include "app/deferred_icons.h"

#include <QApplication>
#include <QIcon>
#include <QString>

// The icons are compiled into the static UI library, whose resource object the linker
// would leave out unless something names it.
static void InitIconResources() { Q_INIT_RESOURCE(numbrella); }

namespace numbrella::app {

void SetApplicationIdentity() {
  NameDesktopEntry();
  SetApplicationIcon();
}

void NameDesktopEntry() {
  QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
}

void SetApplicationIcon() {
  InitIconResources();
  QIcon icon;
  icon.addPixmap(ReadPng(QStringLiteral(":/icons/numbrella-48.png")));
  icon.addPixmap(ReadPng(QStringLiteral(":/icons/numbrella-128.png")));
  QApplication::setWindowIcon(icon);
}

}  // namespace numbrella::app
