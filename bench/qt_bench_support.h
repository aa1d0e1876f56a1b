// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window benchmarks share: the platform they run on, the printer the
// calculator finds, the run with its ratios printed at the end, a folder for files,
// and waiting for a window's paint.
#include "bench_support.h"
#include "calculator/stand_in_fonts.h"
#include "support/fake_services.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QObject>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include <unistd.h>

namespace numbrella::bench {

// Offscreen, on a 1920 x 1080 screen, unless a platform is named. The offscreen platform warns on
// every window or list shown; writing those lines would be measured with the window, and a desktop
// platform has none of them.
inline void UseQuietOffscreenPlatform() {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen:configfile=" NUMBRELLA_SCREEN_CONFIG, 0);
  }
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtWarningMsg || !text.startsWith(QLatin1String("This plugin does not support"))) {
      std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
  });
}

// A typed character's press and release ("\r" for Enter), as the window system gives
// them to the focused control, or to `window` while none has the focus.
inline void TypeKey(QWidget* window, QChar typed) {
  const int code = typed == u'\r' ? int{Qt::Key_Return} : int{typed.unicode()};
  QWidget* focused = QApplication::focusWidget();
  for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent event(type, code, Qt::NoModifier, QString(typed));
    QCoreApplication::sendEvent(focused != nullptr ? focused : window, &event);
  }
}

// A default printer "Office" with the given fonts, "Arial Narrow" installed among the
// screen's fonts, as on the machine the calculator is made for.
inline void UseOfficePrinter(numbrella::testing::FakeServices& services, const QStringList& fonts) {
  numbrella::testing::InstallStandInFonts({QStringLiteral("Arial Narrow")});
  services.printers.name = QStringLiteral("Office");
  services.printers.fonts = fonts;
}

// What a calculator benchmark's main sets up first: the quiet platform, the
// application, the benchmark's own arguments and the office printer among the
// services. It lives as long as main; `shared` points at its services, where the
// benchmarks find them.
struct CalculatorBenchRun {
  CalculatorBenchRun(int& argc, char** argv, numbrella::testing::FakeServices*& shared)
      : app((UseQuietOffscreenPlatform(), argc), argv) {
    benchmark::Initialize(&argc, argv);
    UseOfficePrinter(services, {QStringLiteral("Arial Narrow"), QStringLiteral("DejaVu Sans")});
    shared = &services;
  }

  // Runs the benchmarks the command line names, then hands their times to
  // `printRatios`; main's exit status.
  template <typename PrintRatios>
  int Measure(PrintRatios&& printRatios) {
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printRatios(reporter);
    std::fflush(stdout);
    benchmark::Shutdown();
    return 0;
  }

  QApplication app;  // before the services, which use its fonts
  numbrella::testing::FakeServices services;
};

// A folder of the benchmark's own for the files it works on, beside the program in the
// build folder, not in /tmp: /tmp is a memory file system on many machines, where a
// sync costs nothing. Its path goes to `path`, where the benchmarks look for it; the
// folder is gone with the object.
class BenchFolder {
 public:
  BenchFolder(const char* name, QString& path)
      : folder_(QCoreApplication::applicationDirPath() + u'/' + QLatin1String(name) +
                QStringLiteral("-XXXXXX")) {
    path = folder_.path();
  }
  // False, and says so, when the folder cannot be made or `prepare` fails in it.
  template <typename Prepare>
  bool Ready(Prepare&& prepare) {
    if (folder_.isValid() && prepare()) return true;
    std::fprintf(stderr, "no files to work on in %s\n", folder_.path().toLocal8Bit().constData());
    return false;
  }

 private:
  QTemporaryDir folder_;
};

// Tells when a widget has been painted since it was last reset.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(QWidget* widget) { widget->installEventFilter(this); }
  bool painted = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
};

// Runs the event loop until the widget has been painted; false when it never is.
inline bool WaitForPaint(PaintWatch& watch) {
  QElapsedTimer waited;
  waited.start();
  while (!watch.painted) {
    if (waited.elapsed() > 60000) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  watch.painted = false;
  return true;
}

// A mouse press and release on a key, as the user gives them.
inline void Press(QWidget* key) {
  const QPointF at(key->width() / 2.0, key->height() / 2.0);
  QMouseEvent down(QEvent::MouseButtonPress, at, key->mapToGlobal(at), Qt::LeftButton,
                   Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(key, &down);
  QMouseEvent up(QEvent::MouseButtonRelease, at, key->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                 Qt::NoModifier);
  QCoreApplication::sendEvent(key, &up);
}

// This process's resident set, in bytes.
inline long ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  long size = 0;
  long resident = 0;
  statm >> size >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

// Shows the window and runs the event loop until it has been painted.
inline void ShowAndPaint(QWidget* window) {
  PaintWatch watch(window);
  window->show();
  WaitForPaint(watch);
}

}  // namespace numbrella::bench
