// SPDX-License-Identifier: GPL-3.0-or-later
// Numbrella: shows the calculator window, with the record named on the command line,
// and runs until the last window has closed.
#include "app/application.h"
#include "app/application_identity.h"
#include "app/command_line.h"
#include "app/deferred_icons.h"
#include "app/end_signals.h"
#include "app/languages.h"
#include "app/print_system.h"
#include "app/real_services.h"
#include "app/recovery.h"
#include "ui/first_paint.h"

#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
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
// Qt takes the command line's choices over the environment's.
bool DisplayAvailable(const numbrella::app::CommandLine& line) {
  const std::string platform =
      line.platform.isEmpty() ? Environment("QT_QPA_PLATFORM") : line.platform.toStdString();
  const bool x11 = !line.display.isEmpty() || !Environment("DISPLAY").empty();
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

QStringList Arguments(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments.push_back(QString::fromLocal8Bit(argv[i]));
  return arguments;
}

// --help, --version or a misuse: the answer in the user's language, with no display.
int Answer(int argc, char** argv, const QStringList& arguments) {
  const QCoreApplication core(argc, argv);
  numbrella::app::InstallTranslations();
  const numbrella::app::CommandLine line = numbrella::app::ReadCommandLine(arguments);
  const QByteArray text = line.text.toLocal8Bit();
  const bool misuse = line.action == numbrella::app::CommandLine::Action::Misuse;
  std::fputs(text.constData(), misuse ? stderr : stdout);
  return misuse ? numbrella::app::CommandLine::kMisuseStatus : 0;
}

}  // namespace

int main(int argc, char** argv) {
  const QStringList arguments = Arguments(argc, argv);
  const numbrella::app::CommandLine line = numbrella::app::ReadCommandLine(arguments);
  if (line.action != numbrella::app::CommandLine::Action::Run) {
    return Answer(argc, argv, arguments);
  }
  if (!DisplayAvailable(line)) {
    std::fputs(
        "numbrella: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset).\n",
        stderr);
    return 1;
  }
  // The window asks for the default printer before it shows: the print system is asked
  // while the application connects to the display, so that a local scheduler has
  // answered by the time the window is made.
  auto printerAnswers = std::make_unique<numbrella::app::PrinterAnswers>();
  const QtMessageHandler previous = qInstallMessageHandler(StartupMessages);
  QApplication app(argc, argv);
  qInstallMessageHandler(previous);
  QApplication::setStyle(new numbrella::app::DeferredIconStyle);
  numbrella::app::NameDesktopEntry();
  numbrella::app::InstallTranslations();
  std::fputs(numbrella::app::NotOpenedText(line).toLocal8Bit().constData(), stderr);

  numbrella::Application program(
      std::make_unique<numbrella::app::RealServices>(std::move(printerAnswers)));
  program.Calculator().show();
  // What the first frame does not show follows it: the icon the desktop shows beside
  // the title, the recovery copies, kept and offered back, and then the record named on
  // the command line.
  numbrella::ui::AfterFirstPaint(program.Calculator(), [&program, file = line.file] {
    numbrella::app::SetApplicationIcon();
    program.KeepRecoveryCopies(numbrella::app::RecoveryFolder());
    if (!file.isEmpty()) program.OpenAtStart(file);
  });
  // A logout on Wayland or a `kill` asks nothing: the unsaved workboard is kept for the
  // next start instead.
  const numbrella::app::EndSignals endSignals([&program] { program.EndNow(); });
  return QApplication::exec();
}
