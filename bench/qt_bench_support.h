#pragma once
// What the window benchmarks share: the platform they run on and the printer the
// calculator finds.
#include "calculator/stand_in_fonts.h"
#include "support/fake_services.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace numbrella::bench {

// Offscreen unless a platform is named. The offscreen platform warns on every window
// or list shown; writing those lines would be measured with the window, and a desktop
// platform has none of them.
inline void UseQuietOffscreenPlatform() {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtWarningMsg || !text.startsWith(QLatin1String("This plugin does not support"))) {
      std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
  });
}

// A default printer "Office" with the given fonts, "Arial Narrow" installed among the
// screen's fonts, as on the machine the calculator is made for.
inline void UseOfficePrinter(numbrella::testing::FakeServices& services, const QStringList& fonts) {
  numbrella::testing::InstallStandInFonts({QStringLiteral("Arial Narrow")});
  services.printers.name = QStringLiteral("Office");
  services.printers.fonts = fonts;
}

}  // namespace numbrella::bench
