// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of every window readable under the desktops people run: light and dark,
// Fusion and Adwaita. Each text's contrast with its own background is measured on the
// pixels the window draws, against the same place drawn without the text.
#include "calculator/calculator_window.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>
#include <QStyleFactory>
#include <QTextEdit>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace numbrella::testing {
namespace {

constexpr double kLeastContrast = 4.5;  // WCAG AA for text

double Luminance(QRgb pixel) {
  auto channel = [](int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(qRed(pixel)) + 0.7152 * channel(qGreen(pixel)) +
         0.0722 * channel(qBlue(pixel));
}

double Contrast(QRgb a, QRgb b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Takes the control's text away and gives back what puts it back; none for a control
// without a text of its own.
std::function<void()> TakeTextAway(QWidget* control) {
  const QSignalBlocker quiet(control);
  if (auto* label = qobject_cast<QLabel*>(control); label != nullptr && !label->text().isEmpty()) {
    const QString text = label->text();
    label->clear();
    return [label, text] { label->setText(text); };
  }
  if (auto* button = qobject_cast<QAbstractButton*>(control);
      button != nullptr && !button->text().isEmpty()) {
    const QString text = button->text();
    button->setText(QString());
    return [button, text] { button->setText(text); };
  }
  if (auto* field = qobject_cast<QLineEdit*>(control);
      field != nullptr && !field->text().isEmpty()) {
    const QString text = field->text();
    field->setText(QString());
    return [field, text] { field->setText(text); };
  }
  if (auto* box = qobject_cast<QComboBox*>(control);
      box != nullptr && !box->isEditable() && !box->currentText().isEmpty()) {
    const int index = box->currentIndex();
    const QString text = box->itemText(index);
    box->setItemText(index, QString());
    return [box, index, text] { box->setItemText(index, text); };
  }
  if (auto* list = qobject_cast<QListWidget*>(control); list != nullptr && list->count() > 0) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
      texts << list->item(row)->text();
      list->item(row)->setText(QString());
    }
    return [list, texts] {
      for (int row = 0; row < list->count(); ++row) list->item(row)->setText(texts[row]);
    };
  }
  if (auto* box = qobject_cast<QTextEdit*>(control);
      box != nullptr && !box->document()->isEmpty()) {
    const QString html = box->toHtml();
    box->clear();
    return [box, html] { box->setHtml(html); };
  }
  return {};
}

// The contrast of the control's text: of its most distinct pixel, the core of a glyph,
// with the same pixel drawn without the text. Zero for a text drawn nowhere.
double TextContrast(QWidget* window, QWidget* control) {
  const std::function<void()> putBack = TakeTextAway(control);
  if (!putBack) return -1;
  const QRect place(control->mapTo(window, QPoint(0, 0)), control->size());
  const QImage without = window->grab(place).toImage();
  putBack();
  const QImage with = window->grab(place).toImage();
  double best = 0;
  for (int y = 0; y < with.height(); ++y) {
    for (int x = 0; x < with.width(); ++x) {
      const QRgb drawn = with.pixel(x, y);
      const QRgb ground = without.pixel(x, y);
      if (drawn != ground) best = std::max(best, Contrast(drawn, ground));
    }
  }
  return best;
}

// Every shown text of `window` under the least contrast, named, measured while the
// window is the active one: the Adwaita styles fade the texts of the others.
std::vector<std::string> Unreadable(QWidget* window) {
  window->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(window));
  std::vector<std::string> found;
  for (QWidget* control : window->findChildren<QWidget*>()) {
    if (!control->isVisibleTo(window) || control->width() == 0) continue;
    const double contrast = TextContrast(window, control);
    if (contrast >= 0 && contrast < kLeastContrast) {
      QWidget* named = control;
      while (named->objectName().isEmpty()) named = named->parentWidget();
      found.push_back(window->objectName().toStdString() + '/' + named->objectName().toStdString() +
                      (named != control ? "'s " + std::string(control->metaObject()->className())
                                        : std::string()) +
                      " " + std::to_string(contrast));
    }
  }
  return found;
}

// A dark palette as qt6ct's "darker" scheme gives Fusion.
QPalette DarkPalette() {
  QPalette dark;
  const QColor window(53, 53, 53), text(240, 240, 240), base(35, 35, 35);
  for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button}) dark.setColor(role, window);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                   QPalette::BrightText, QPalette::ToolTipText}) {
    dark.setColor(role, text);
  }
  for (QPalette::ColorRole role : {QPalette::Base, QPalette::ToolTipBase})
    dark.setColor(role, base);
  dark.setColor(QPalette::AlternateBase, window);
  dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
  dark.setColor(QPalette::HighlightedText, Qt::black);
  dark.setColor(QPalette::Light, QColor(80, 80, 80));
  dark.setColor(QPalette::Midlight, QColor(70, 70, 70));
  dark.setColor(QPalette::Mid, QColor(40, 40, 40));
  dark.setColor(QPalette::Dark, QColor(25, 25, 25));
  dark.setColor(QPalette::Shadow, Qt::black);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    dark.setColor(QPalette::Disabled, role, QColor(127, 127, 127));
  }
  return dark;
}

struct Desktop {
  const char* style;
  bool dark;              // Fusion with a dark palette; the Adwaita styles bring their own
  const char* turnsDark;  // the style it turns to while the windows are open, as GNOME
                          // and Plasma do at sunset; none for a dark one
};

class Palettes : public CalculatorWindowTest {
 protected:
  void TearDown() override {
    CalculatorWindowTest::TearDown();
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
  }

  // The five windows, the calculator with a line on its workboard, each under `desktop`.
  std::vector<QWidget*> OpenAllUnder(const Desktop& desktop) {
    QStyle* style = QStyleFactory::create(QLatin1String(desktop.style));
    if (style == nullptr) return {};
    QApplication::setStyle(style);
    QApplication::setPalette(desktop.dark ? DarkPalette() : style->standardPalette());
    Open();
    Keys(QStringLiteral("7+5="));
    std::vector<QWidget*> windows{window};
    window->findChild<QAction*>(QStringLiteral("mnuConvCalc"))->trigger();
    QApplication::processEvents();
    for (const char* name :
         {"frmListBoxConverter", "frmInfo1", "frmSIBaseUnits1", "frmSIPrefixes1"}) {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() != QLatin1String(name) || !widget->isVisible()) continue;
        windows.push_back(widget);
        for (const char* entry : {"mnuShowInfo", "mnuSIBaseUnits", "mnuPrefixes"}) {
          if (auto* action = widget->findChild<QAction*>(QLatin1String(entry))) action->trigger();
        }
        QApplication::processEvents();
      }
    }
    return windows;
  }
};

TEST_F(Palettes, EveryTextIsReadableLightAndDark) {
  for (const Desktop& desktop :
       {Desktop{"Fusion", false, "Fusion"}, Desktop{"Fusion", true, nullptr},
        Desktop{"Adwaita", false, "Adwaita-Dark"}, Desktop{"Adwaita-Dark", false, nullptr}}) {
    SCOPED_TRACE(std::string(desktop.style) + (desktop.dark ? " dark" : ""));
    const std::vector<QWidget*> windows = OpenAllUnder(desktop);
    if (windows.empty()) {
      ADD_FAILURE() << "no style " << desktop.style << " (Debian: adwaita-qt6)";
      continue;
    }
    EXPECT_EQ(windows.size(), 5u);
    for (QWidget* shown : windows) {
      for (const std::string& fault : Unreadable(shown)) ADD_FAILURE() << fault;
    }
    if (desktop.turnsDark == nullptr) continue;
    QApplication::setStyle(QLatin1String(desktop.turnsDark));
    QApplication::setPalette(std::string_view(desktop.style) == desktop.turnsDark
                                 ? DarkPalette()
                                 : QApplication::style()->standardPalette());
    // The change comes as an event; the windows follow once it has reached them.
    for (int pass = 0; pass < 3; ++pass) QApplication::processEvents();
    for (QWidget* shown : windows) {
      for (const std::string& fault : Unreadable(shown)) ADD_FAILURE() << "turned dark: " << fault;
    }
  }
}

// The measure sees white on yellow.
TEST_F(Palettes, WhiteOnYellowIsUnreadable) {
  Open();
  auto* caption = Find<QLabel>(QStringLiteral("Label1"));
  caption->setAutoFillBackground(true);
  caption->setStyleSheet(QStringLiteral("color: white; background: yellow"));
  const std::vector<std::string> found = Unreadable(window);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].rfind("frmNewCalculator1/Label1 ", 0), 0u) << found[0];
}

}  // namespace
}  // namespace numbrella::testing
