// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the README pictures: the real windows, driven through their controls as a
// user would, then grabbed to PNG. The printer is a stand-in "Office" printer with the
// screen's fonts and a stand-in "Arial Narrow", as in the tests, so that the pictures
// do not depend on this machine's printers; every other service is the real one.
#include "app/application.h"
#include "app/languages.h"
#include "app/real_services.h"
#include "calculator/stand_in_fonts.h"
#include "support/fake_services.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

template <typename T = QWidget>
T* Find(QWidget* window, const char* name) {
  T* widget = window->findChild<T*>(QString::fromLatin1(name));
  if (!widget) {
    std::fprintf(stderr, "make_screenshots: no control %s\n", name);
    std::exit(1);
  }
  return widget;
}

void Press(QWidget* window, const char* name) {
  QWidget* key = Find(window, name);
  QTest::mousePress(key, Qt::LeftButton);
  QTest::mouseRelease(key, Qt::LeftButton);
}

void Save(QWidget* window, const QString& folder, const char* file) {
  window->raise();
  QTest::qWait(200);
  QString path = folder + "/" + QString::fromLatin1(file);
  if (!window->grab().save(path)) {
    std::fprintf(stderr, "make_screenshots: cannot write %s\n", qPrintable(path));
    std::exit(1);
  }
  std::printf("wrote %s\n", qPrintable(path));
}

// 12.5 X 4 = , then + 7 = on the answer carried over: two workboard lines.
void Calculate(QWidget& calculator) {
  calculator.show();
  if (!QTest::qWaitForWindowExposed(&calculator)) std::exit(1);
  calculator.activateWindow();
  QTest::qWait(100);
  Press(&calculator, "Command1(1)");
  Press(&calculator, "Command1(2)");
  Find<QAbstractButton>(&calculator, "cmdDecimal")->click();
  Press(&calculator, "Command1(5)");
  Find<QAbstractButton>(&calculator, "cmdOperatorX")->click();
  Press(&calculator, "Command1(4)");
  Find<QAbstractButton>(&calculator, "cmdEqualSign")->click();
  Find<QAbstractButton>(&calculator, "cmdOperatorPlus")->click();
  Press(&calculator, "Command1(7)");
  Find<QAbstractButton>(&calculator, "cmdEqualSign")->click();
}

// Twelve feet into meters.
void Convert(QWidget* converter) {
  if (!QTest::qWaitForWindowExposed(converter)) std::exit(1);
  Find<QAction>(converter, "mnuDistance")->trigger();
  QListWidget* into = Find<QListWidget>(converter, "lstDistance2");
  QTest::mouseClick(into->viewport(), Qt::LeftButton, {},
                    into->visualItemRect(into->item(6)).center());
  QLineEdit* input = Find<QLineEdit>(converter, "txtIn");
  input->selectAll();
  QTest::keyClicks(input, "12");
}

// The calculator and the converter in French, Russian and Chinese, in each of them the
// program has a catalogue for. The Chinese characters come from Noto Sans CJK
// (Debian: fonts-noto-cjk), added only now so that the English pictures count the
// same fonts as before.
void SaveLanguages(const numbrella::ui::Services& services, const QString& folder) {
  for (const char* language : {"fr", "ru", "zh_CN"}) {
    if (!QFile::exists(QStringLiteral(":/i18n/numbrella_%1.qm").arg(QLatin1String(language)))) {
      std::printf("no catalogue for %s: its pictures are left as they are\n", language);
      continue;
    }
    if (language == std::string("zh_CN") &&
        QFontDatabase::addApplicationFont(
            QStringLiteral("/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc")) < 0) {
      std::fprintf(stderr, "make_screenshots: no Noto Sans CJK (Debian: fonts-noto-cjk)\n");
      std::exit(1);
    }
    setenv("LANGUAGE", language, 1);
    numbrella::app::InstallTranslations();
    numbrella::Application application(services);
    Calculate(application.Calculator());
    const std::string suffix = std::string("-") + language + ".png";
    Save(&application.Calculator(), folder, ("calculator" + suffix).c_str());
    QWidget* converter = &application.ShowConverter();
    Convert(converter);
    Save(converter, folder, ("converter" + suffix).c_str());
  }
  unsetenv("LANGUAGE");
  numbrella::app::InstallTranslations();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
  QDir().mkpath(folder);

  numbrella::testing::InstallStandInFonts({QStringLiteral("Arial Narrow")});
  numbrella::testing::FakeMessageBoxes answers;  // OK on every message
  numbrella::testing::FakePrinters office;
  const numbrella::app::RealServices real;
  numbrella::ui::Services services = real.services();
  office.name = QStringLiteral("Office");
  office.fonts = services.screenFonts->Families();
  services.messages = &answers;
  services.printers = &office;

  {
    // The same calculation on a dark desktop: Adwaita-Dark, from Debian's adwaita-qt6.
    QStyle* dark = QStyleFactory::create(QStringLiteral("Adwaita-Dark"));
    if (dark == nullptr) {
      std::fprintf(stderr, "make_screenshots: no style Adwaita-Dark (Debian: adwaita-qt6)\n");
      return 1;
    }
    const QPalette light = QApplication::palette();
    const QString before = QApplication::style()->name();
    QApplication::setStyle(dark);
    QApplication::setPalette(dark->standardPalette());
    numbrella::Application application(services);
    Calculate(application.Calculator());
    Save(&application.Calculator(), folder, "calculator-dark.png");
    QApplication::setStyle(before);
    QApplication::setPalette(light);
  }

  numbrella::Application application(services);
  numbrella::frmNewCalculator1& calculator = application.Calculator();
  Calculate(calculator);
  Save(&calculator, folder, "calculator.png");

  // The File menu open over the record: grabbed from the screen, where the menu is a
  // window of its own.
  QMenuBar* bar = calculator.menuBar();
  QMenu* file = bar->actions().front()->menu();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file->menuAction()).center());
  QTest::qWait(300);
  const QRect frame = calculator.frameGeometry();
  const QString menuPicture = folder + "/calculator-file-menu.png";
  if (!calculator.screen()
           ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
           .save(menuPicture)) {
    std::fprintf(stderr, "make_screenshots: cannot write %s\n", qPrintable(menuPicture));
    return 1;
  }
  std::printf("wrote %s\n", qPrintable(menuPicture));
  file->close();

  QWidget* converter = &application.ShowConverter();
  Convert(converter);
  Save(converter, folder, "converter.png");

  using numbrella::SIWindow;
  Save(&application.ShowSIWindow(SIWindow::Info), folder, "si-info.png");
  Save(&application.ShowSIWindow(SIWindow::BaseUnits), folder, "si-base-units.png");
  Save(&application.ShowSIWindow(SIWindow::Prefixes), folder, "si-prefixes.png");
  SaveLanguages(services, folder);
  return 0;
}
