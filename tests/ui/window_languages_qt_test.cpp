// SPDX-License-Identifier: GPL-3.0-or-later
// The five windows in the user's language: every caption fits its control, in English
// and in each language the program has a catalogue for, and a German user meets German
// wherever the program speaks.
#include "app/languages.h"
#include "calculator/calculator_window.h"
#include "converter/catalogue.h"
#include "ui/text.h"
#include "ui/translations.h"

#include <gmock/gmock.h>
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace numbrella::testing {
namespace {

// Only LANGUAGE chooses, so that the machine's own locale plays no part.
void UseLanguage(const char* language) {
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) unsetenv(name);
  if (language != nullptr) setenv("LANGUAGE", language, 1);
  app::InstallTranslations();
}

// What a caption shows: "&&" is one ampersand, a single "&" marks the access key.
QString Shown(const QString& caption) {
  QString shown;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && ++i >= caption.size()) break;
    shown += caption[i];
  }
  return shown;
}

// The whole pixels a text takes. Its exact advance, not the one rounded up: the windows
// are laid out in whole pixels for a face a little narrower than the sans serif that
// stands in for it, and "Convert:" overshoots its 41 pixels by half a pixel in English,
// the faint edge of its colon. A text a whole pixel too wide loses a part of a letter.
int Needed(const QFont& font, const QString& text) {
  return static_cast<int>(std::floor(QFontMetricsF(font).horizontalAdvance(text)));
}

// The width a button leaves its text, as the style lays the button out.
int TextRoom(QAbstractButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  option.icon = button->icon();
  option.iconSize = button->iconSize();
  QStyle::SubElement contents = QStyle::SE_PushButtonContents;
  if (qobject_cast<QCheckBox*>(button) != nullptr) contents = QStyle::SE_CheckBoxContents;
  if (qobject_cast<QRadioButton*>(button) != nullptr) contents = QStyle::SE_RadioButtonContents;
  int room = button->style()->subElementRect(contents, &option, button).width();
  if (contents == QStyle::SE_PushButtonContents && !button->icon().isNull()) {
    room -= button->iconSize().width() + 4;  // the gap Qt's styles leave beside the icon
  }
  return room;
}

// Every label, button, check box and radio button of `window`, shown or not, whose
// text does not fit: named, with its text and the room it has.
std::vector<std::string> Overflowing(QWidget* window) {
  std::vector<std::string> found;
  auto report = [&](QWidget* control, const QString& text, int needed, int room) {
    found.push_back((window->objectName() + u'/' + control->objectName() + QStringLiteral(" \"") +
                     text + QStringLiteral("\" needs %1 px, has %2").arg(needed).arg(room))
                        .toStdString());
  };
  for (QLabel* label : window->findChildren<QLabel*>()) {
    // A label shows its "&" unless it names a buddy's access key.
    const QString text = label->buddy() != nullptr ? Shown(label->text()) : label->text();
    if (text.isEmpty()) continue;
    const QFontMetrics metrics(label->font());
    const QRect room = label->contentsRect().marginsRemoved(
        QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
    if (label->wordWrap()) {
      const QRect needed =
          metrics.boundingRect(QRect(0, 0, room.width(), 1 << 20), Qt::TextWordWrap, text);
      if (needed.width() > room.width() || needed.height() > room.height()) {
        report(label, text, needed.height(), room.height());
      }
    } else if (const int needed = Needed(label->font(), text); needed > room.width()) {
      report(label, text, needed, room.width());
    }
  }
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    const QString text = Shown(button->text());
    if (text.isEmpty()) continue;
    const int needed = Needed(button->font(), text);
    if (const int room = TextRoom(button); needed > room) report(button, text, needed, room);
  }
  // A drop-down shows its entry whole in its edit field: any entry of a short list,
  // the chosen one of a long list such as the system's font faces.
  for (QComboBox* box : window->findChildren<QComboBox*>()) {
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    const int room =
        box->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box)
            .width();
    QStringList entries{box->currentText()};
    for (int index = 0; box->count() < 20 && index < box->count(); ++index) {
      entries << box->itemText(index);
    }
    for (const QString& text : entries) {
      if (const int needed = Needed(box->font(), text); needed > room) {
        report(box, text, needed, room);
        break;
      }
    }
  }
  return found;
}

// The letter a caption marks as its access key, in lower case; none without one.
QChar AccessKey(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] != u'&') return caption[i + 1].toLower();
    ++i;
  }
  return {};
}

// Access keys that two captions share where one press would have to choose: the
// entries of one menu, and the menu bar's titles with the window's buttons.
std::vector<std::string> ClashingKeys(QWidget* window) {
  std::vector<std::string> found;
  auto clashes = [&](const QString& where, const QStringList& captions) {
    QHash<QChar, QString> taken;
    for (const QString& caption : captions) {
      const QChar key = AccessKey(caption);
      if (key.isNull()) continue;
      if (taken.contains(key)) {
        found.push_back((where + QStringLiteral(": \"") + taken[key] + QStringLiteral("\" and \"") +
                         caption + QStringLiteral("\" share their key"))
                            .toStdString());
      }
      taken.insert(key, caption);
    }
  };
  QStringList front;
  for (QMenu* menu : window->findChildren<QMenu*>()) {
    QStringList entries;
    for (const QAction* action : menu->actions()) entries << action->text();
    clashes(window->objectName() + u'/' + menu->objectName(), entries);
    front << menu->title();
  }
  if (auto* main = qobject_cast<QMainWindow*>(window)) {
    for (const QAction* action : main->menuBar()->actions()) {
      if (action->menu() == nullptr) front << action->text();  // a command of its own
    }
  }
  for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    front << button->text();
  }
  clashes(window->objectName(), front);
  return found;
}

QWidget* OpenWindow(const char* name) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == QLatin1String(name) && widget->isVisible()) return widget;
  }
  ADD_FAILURE() << name << " is not open";
  return nullptr;
}

// The languages the program has a catalogue for, English among them: "de", "en"...
QStringList Languages() {
  QStringList languages;
  for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("*.qm")})) {
    languages << file.section(u'_', 1).section(u'.', 0, 0);
  }
  return languages;
}

class WindowLanguages : public CalculatorWindowTest {
 protected:
  void TearDown() override {
    CloseAll();
    UseLanguage(nullptr);
  }

  // The program ends, and its windows with it.
  void CloseAll() {
    converter = nullptr;
    CalculatorWindowTest::TearDown();
  }

  // The calculator in `language`, and the other four windows opened from its menus as
  // the user opens them.
  void OpenAllIn(const char* language) {
    UseLanguage(language);
    Open();
    Trigger(window, "mnuConvCalc");
    converter = OpenWindow("frmListBoxConverter");
    ASSERT_NE(converter, nullptr);
    for (const char* entry : {"mnuShowInfo", "mnuSIBaseUnits", "mnuPrefixes"}) {
      Trigger(converter, entry);
    }
  }

  // Every caption of every window fits and has an access key of its own, in each state
  // that changes a caption: the workboard shown and hidden, each category of units with
  // each of its units, both directions of the conversion. Each fault once, however
  // often it is seen.
  std::set<std::string> Faults() {
    std::set<std::string> found;
    auto check = [&found](QWidget* checked) {
      for (std::string& fault : Overflowing(checked)) found.insert(std::move(fault));
      for (std::string& fault : ClashingKeys(checked)) found.insert(std::move(fault));
    };
    check(window);
    Trigger(window, "mnuDisplayWork");  // hides the workboard: "Show Workboard"
    check(window);
    for (const char* name : {"frmInfo1", "frmSIBaseUnits1", "frmSIPrefixes1"}) {
      check(OpenWindow(name));
    }
    for (bool reversed : {false, true}) {
      if (reversed) Click(Find(converter, QStringLiteral("Image1")));
      for (const UnitCategory& category : Categories()) {
        Trigger(converter, std::string(category.menuName).c_str());
        auto* list = Find<QListWidget>(converter, ui::Q(category.leftList));
        for (int row = 0; row < list->count(); ++row) {
          ClickItem(list, row);
          check(converter);
        }
      }
    }
    return found;
  }

  QWidget* converter = nullptr;
};

// In English, the language the windows are laid out for, as in every other.
TEST_F(WindowLanguages, CaptionsFitInEveryLanguage) {
  const QStringList languages = Languages();
  ASSERT_TRUE(languages.contains(QStringLiteral("de")) && languages.contains(QStringLiteral("en")))
      << languages.join(u' ').toStdString();
  for (const QString& language : languages) {
    SCOPED_TRACE(language.toStdString());
    OpenAllIn(language.toUtf8().constData());
    for (const std::string& fault : Faults()) ADD_FAILURE() << fault;
    CloseAll();
  }
}

// At the fonts of the common desktops, under the styles people use, in each language:
// the windows grow with the font, and nothing is cut.
TEST_F(WindowLanguages, CaptionsFitAtDesktopFontsAndStyles) {
  const QFont before = QApplication::font();
  const QString style = QApplication::style()->name();
  const std::pair<const char*, int> fonts[] = {{"DejaVu Sans", 9},      {"DejaVu Sans", 10},
                                               {"DejaVu Sans", 11},     {"DejaVu Sans", 12},
                                               {"Liberation Sans", 11}, {"Cantarell", 11}};
  for (const char* styleName : {"Fusion", "Windows", "Adwaita"}) {
    if (QApplication::setStyle(QLatin1String(styleName)) == nullptr) {
      ADD_FAILURE() << "no style " << styleName << " (Debian: adwaita-qt6)";
      continue;
    }
    for (const auto& [family, points] : fonts) {
      QApplication::setFont(QFont(QLatin1String(family), points));
      for (const QString& language : Languages()) {
        SCOPED_TRACE(std::string(styleName) + ", " + family + " " + std::to_string(points) + ", " +
                     language.toStdString());
        OpenAllIn(language.toUtf8().constData());
        for (QWidget* shown : std::initializer_list<QWidget*>{
                 window, converter, OpenWindow("frmInfo1"), OpenWindow("frmSIBaseUnits1"),
                 OpenWindow("frmSIPrefixes1")}) {
          for (const std::string& fault : Overflowing(shown)) ADD_FAILURE() << fault;
        }
        CloseAll();
      }
    }
  }
  QApplication::setFont(before);
  QApplication::setStyle(style);
}

// Where each of the window's own controls stands, by its name, and the window's size.
std::map<std::string, QRect> Places(QWidget* window) {
  std::map<std::string, QRect> places{{"", QRect(QPoint(), window->size())}};
  for (QWidget* control : window->findChildren<QWidget*>()) {
    const QString name = control->objectName();
    if (control->window() != window || name.isEmpty() || name.startsWith(u"qt_")) continue;
    places[name.toStdString()] = control->geometry();
  }
  return places;
}

// A desktop font and a dark scheme that come while the windows are open: each window
// takes the size and places a start at that font gives it, every caption fits, and
// what the windows show stays.
TEST_F(WindowLanguages, WindowsFollowTheDesktopWhileOpen) {
  const QFont before = QApplication::font();
  const QPalette colours = QApplication::palette();
  const char* const names[] = {"frmNewCalculator1", "frmListBoxConverter", "frmInfo1",
                               "frmSIBaseUnits1", "frmSIPrefixes1"};
  OpenAllIn(nullptr);
  Keys(QStringLiteral("7+5="));
  ClickInto(1);
  auto* input = Find<QLineEdit>(converter, QStringLiteral("txtIn"));
  input->selectAll();
  QTest::keyClicks(input, QStringLiteral("250"));
  const QString record = WorkboardText();
  const QString output = Find<QLineEdit>(converter, QStringLiteral("txtOut"))->text();

  QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
  QApplication::setPalette(QPalette(QColor(53, 53, 53)));
  // The change comes as an event, and the windows follow it once it has reached them.
  for (int pass = 0; pass < 3; ++pass) QApplication::processEvents();
  std::map<std::string, std::map<std::string, QRect>> followed;
  for (const char* name : names) {
    QWidget* shown = OpenWindow(name);
    ASSERT_NE(shown, nullptr);
    followed[name] = Places(shown);
    for (const std::string& fault : Overflowing(shown)) ADD_FAILURE() << fault;
  }
  EXPECT_EQ(Operand1(), "7");
  EXPECT_EQ(Operand2(), "5");
  EXPECT_EQ(OperatorShown(), "+");
  EXPECT_EQ(AnswerShown(), "12.00000");
  EXPECT_EQ(WorkboardText(), record);
  EXPECT_EQ(input->text(), "250");
  EXPECT_EQ(Find<QLineEdit>(converter, QStringLiteral("txtOut"))->text(), output);
  EXPECT_EQ(window->focusWidget(), Operand(1));

  CloseAll();
  OpenAllIn(nullptr);
  for (const char* name : names) {
    SCOPED_TRACE(name);
    const std::map<std::string, QRect> fresh = Places(OpenWindow(name));
    for (const auto& [control, place] : fresh) {
      EXPECT_EQ(followed[name][control], place) << "\"" << control << "\"";
    }
  }
  QApplication::setFont(before);
  QApplication::setPalette(colours);
}

// The checks see a caption that is too long, and two that share their key.
TEST_F(WindowLanguages, ALongerCaptionDoesNotFitNorASharedKey) {
  OpenAllIn(nullptr);
  auto* caption = Find<QLabel>(QStringLiteral("Label1"));
  auto* button = Find<QPushButton>(QStringLiteral("cmdClearAll"));
  caption->setText(caption->text().repeated(8));
  button->setText(QStringLiteral("Clear &All, every field and the answer"));
  const QSignalBlocker quiet(Combo(4));
  Combo(4)->addItem(QStringLiteral("1234567890"));
  Combo(4)->setCurrentIndex(Combo(4)->count() - 1);
  std::vector<std::string> found = Overflowing(window);
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(found[0].rfind("frmNewCalculator1/Label1 ", 0), 0u) << found[0];
  EXPECT_EQ(found[1].rfind("frmNewCalculator1/cmdClearAll ", 0), 0u) << found[1];
  EXPECT_EQ(found[2].rfind("frmNewCalculator1/Combo4 ", 0), 0u) << found[2];
  EXPECT_THAT(ClashingKeys(window),
              ::testing::ElementsAre(::testing::AllOf(::testing::HasSubstr("Cle&ar Workboard"),
                                                      ::testing::HasSubstr("Clear &All"))));
}

// A German user's first calculation: the title, a menu, a tooltip, a key's spoken
// name, a message, Qt's own buttons, and the answer, whose number keeps its ".".
TEST_F(WindowLanguages, AGermanUsersCalculation) {
  UseLanguage("de");
  Open();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("  Numbrella-Rechner - Unbenannt") +
                                       QString(12, u' ') +
                                       QStringLiteral("www.numbrella.example "));
  EXPECT_EQ(Find<QMenu>(QStringLiteral("mnuFile"))->title(), QStringLiteral("&Datei"));
  auto* saveAs = Find<QAction>(QStringLiteral("mnuFileSaveFileAs"));
  EXPECT_EQ(saveAs->text(), QStringLiteral("Speichern &unter"));
  EXPECT_EQ(saveAs->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
  auto* squareRoot = Find(QStringLiteral("cmdOperatorSR"));
  EXPECT_EQ(squareRoot->toolTip(), QStringLiteral(" Quadratwurzel "));
  EXPECT_EQ(squareRoot->accessibleName(), QStringLiteral("Quadratwurzel"));

  Keys(QStringLiteral("7/0="));
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_EQ(fakes.messages.shown[0].text,
            QStringLiteral("        Durch null kann man nicht teilen!"));
  EXPECT_EQ(fakes.messages.shown[0].title, QStringLiteral("Numbrella-Rechner"));
  Press(QStringLiteral("cmdClearAll"));
  Keys(QStringLiteral("7+5="));
  EXPECT_EQ(AnswerShown(), QStringLiteral("12.00000"));

  const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!QFile::exists(qtFolder + QStringLiteral("/qtbase_de.qm"))) {
    GTEST_SKIP() << "Qt's German catalogue is not installed (Debian: qt6-translations-l10n)";
  }
  QMessageBox question(QMessageBox::Question, QString(), QString(),
                       QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(question.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
}

}  // namespace
}  // namespace numbrella::testing
