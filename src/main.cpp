// SPDX-License-Identifier: GPL-3.0-or-later
// Numbrella: shows the calculator window and runs until the last window has closed.
#include "ui/application.h"
#include "ui/application_identity.h"
#include "ui/deferred_icons.h"
#include "ui/end_signals.h"
#include "ui/first_paint.h"
#include "ui/print_system.h"
#include "ui/recovery.h"
#include "ui/translations.h"

#include <QApplication>
#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// Whether the windowing system Qt is going to use has a display to connect to. A
// platform chosen by name other than X11 or Wayland (offscreen, vnc, ...) needs none.
bool DisplayAvailable() {
  const std::string platform = Environment("QT_QPA_PLATFORM");
  const bool x11 = !Environment("DISPLAY").empty();
  const bool wayland = !Environment("WAYLAND_DISPLAY").empty();
  if (platform.empty()) return x11 || wayland;
  if (platform.rfind("xcb", 0) == 0) return x11;
  if (platform.rfind("wayland", 0) == 0) return wayland;
  return true;
}

// While the application connects to the display, Qt's complaints about it are
// gathered into one line; a fatal one ends the program with that line instead of an
// abort and its core dump.
QString& PlatformComplaint() {
  static QString complaint;
  return complaint;
}

void StartupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  const bool platformNoise =
      context.category != nullptr && std::strncmp(context.category, "qt.qpa", 6) == 0;
  if (type == QtFatalMsg) {
    // The platform's own complaint ("could not connect to display :1") says more than
    // Qt's closing words about plugins.
    const QString& cause = PlatformComplaint().isEmpty() ? message : PlatformComplaint();
    const QString firstLine = cause.section(QLatin1Char('\n'), 0, 0).trimmed();
    std::fprintf(stderr, "numbrella: cannot open the window: %s\n",
                 firstLine.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
  }
  if (platformNoise) {
    if (PlatformComplaint().isEmpty()) PlatformComplaint() = message;
    return;
  }
  std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

}  // namespace

int main(int argc, char** argv) {
  if (!DisplayAvailable()) {
    std::fputs(
        "numbrella: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset).\n",
        stderr);
    return 1;
  }
  // The window asks for the default printer before it shows: the print system is asked
  // while the application connects to the display, so that a local scheduler has
  // answered by the time the window is made.
  auto printerAnswers = std::make_unique<numbrella::ui::PrinterAnswers>();
  const QtMessageHandler previous = qInstallMessageHandler(StartupMessages);
  QApplication app(argc, argv);
  qInstallMessageHandler(previous);
  QApplication::setStyle(new numbrella::ui::DeferredIconStyle);
  numbrella::ui::NameDesktopEntry();
  numbrella::ui::InstallTranslations();

  numbrella::Application program(
      std::make_unique<numbrella::ui::RealServices>(std::move(printerAnswers)));
  program.Calculator().show();
  // What the first frame does not show follows it: the icon the desktop shows beside
  // the title, and the recovery copies, kept and offered back.
  numbrella::ui::AfterFirstPaint(program.Calculator(), [&program] {
    numbrella::ui::SetApplicationIcon();
    program.KeepRecoveryCopies(numbrella::ui::RecoveryFolder());
  });
  // A logout on Wayland or a `kill` asks nothing: the unsaved workboard is kept for the
  // next start instead.
  const numbrella::ui::EndSignals endSignals([&program] { program.EndNow(); });
  return QApplication::exec();
}
