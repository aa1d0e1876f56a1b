// SPDX-License-Identifier: GPL-3.0-or-later
// The user's language, chosen from the environment: the program's catalogue built into
// it, Qt's own beside it, and the core's texts through both.
#include "app/languages.h"

#include "common/window_texts.h"
#include "reference/si_texts.h"
#include "ui/text.h"
#include "ui/translations.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>

#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace numbrella::ui {
namespace {

using Variables = std::initializer_list<std::pair<const char*, const char*>>;

const std::string kTitleEnd = std::string(12, ' ') + "www.numbrella.example ";
const std::string kGermanUntitled = "  Numbrella-Rechner - Unbenannt" + kTitleEnd;

QString Window(std::string_view text) { return Translated(kWindowTextsContext, text); }

class Translations : public ::testing::Test {
 protected:
  // English again for the tests that follow in this program.
  void TearDown() override { Use({}); }

  // Exactly these of the variables that choose the language are set, and the
  // catalogues they ask for are installed.
  static void Use(Variables variables) {
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) unsetenv(name);
    for (const auto& [name, value] : variables) setenv(name, value, 1);
    app::InstallTranslations();
  }
};

TEST_F(Translations, FollowTheEnvironment) {
  struct Case {
    const char* name;
    Variables variables;
    bool german;
  };
  const Case cases[] = {
      {"nothing set", {}, false},
      {"LANGUAGE=de", {{"LANGUAGE", "de"}}, true},
      {"LANGUAGE before LANG", {{"LANGUAGE", "de"}, {"LANG", "en_US.UTF-8"}}, true},
      {"English listed first", {{"LANGUAGE", "en:de"}, {"LANG", "de_DE.UTF-8"}}, false},
      {"the first language there is a catalogue for", {{"LANGUAGE", "sv:de_AT"}}, true},
      {"no catalogue for any", {{"LANGUAGE", "sv:fi"}, {"LANG", "de_DE.UTF-8"}}, false},
      {"LANG alone", {{"LANG", "de_DE.UTF-8"}}, true},
      {"LANG with a modifier", {{"LANG", "de_CH.ISO-8859-1@euro"}}, true},
      {"LC_MESSAGES before LANG", {{"LC_MESSAGES", "de_DE.UTF-8"}, {"LANG", "en_GB"}}, true},
      {"LC_ALL before LC_MESSAGES",
       {{"LC_ALL", "en_GB.UTF-8"}, {"LC_MESSAGES", "de_DE.UTF-8"}},
       false},
      // As with gettext: LC_ALL=C is how one asks a program for its English.
      {"the C locale overrides LANGUAGE", {{"LANGUAGE", "de"}, {"LC_ALL", "C"}}, false},
      {"POSIX as well", {{"LANGUAGE", "de"}, {"LC_MESSAGES", "POSIX"}}, false},
      // The default of many a system, which says nothing about the language.
      {"LANGUAGE with C.UTF-8", {{"LANGUAGE", "de"}, {"LANG", "C.UTF-8"}}, true},
      {"C.UTF-8 alone", {{"LANG", "C.UTF-8"}}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Use(c.variables);
    if (c.german) {
      EXPECT_EQ(UntitledWindowTitle(), kGermanUntitled);
      EXPECT_EQ(Window(kDivideByZeroText),
                QStringLiteral("        Durch null kann man nicht teilen!"));
      EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Rückgängig"));
    } else {
      EXPECT_EQ(UntitledWindowTitle(), "  Numbrella Calculator - Untitled" + kTitleEnd);
      EXPECT_EQ(Window(kDivideByZeroText), Q(kDivideByZeroText));
      // Qt's dialogs do not speak a language the program does not.
      EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Undo"));
    }
  }
}

// Qt's own dialogs and buttons speak each language the program speaks.
TEST_F(Translations, QtsOwnCatalogueIsInstalled) {
  // Debian's qt6-translations-l10n; the program runs without it, in English dialogs.
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  ASSERT_TRUE(QFile::exists(folder + QStringLiteral("/qtbase_de.qm"))) << folder.toStdString();
  Use({{"LANGUAGE", "de"}});
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
  for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("*.qm")})) {
    const QString language = file.section(u'_', 1).section(u'.', 0, 0);  // "pt_BR"
    if (language == u"en") continue;
    SCOPED_TRACE(language.toStdString());
    Use({{"LANGUAGE", language.toUtf8().constData()}});
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "Save As"), QStringLiteral("Save As"));
  }
}

// Each text the calculator window shows itself reaches the German catalogue under the
// context it is translated with, and the composed ones come out whole.
TEST_F(Translations, EveryWindowTextIsGerman) {
  Use({{"LANGUAGE", "de"}});
  const std::string_view texts[] = {
      kProgramTitle,          kDivideByZeroText,       kNegativeRootText,   kNegativeRootTitle,
      kArithmeticFailureText, kArithmeticFailureTitle, kNoPrinterFontsText, kUnknownFaceText,
      kOverwriteConstantText, kClearConstantsText,     kAreYouSureTitle,    kSaveQuestionText,
      kClearQuestionText,     kSaveQuestionTitle,      kNotTextReason,      kTooLargeReason,
      kFooterFirstLine,       kFooterLastLine,         kFileFilter};
  for (std::string_view text : texts) EXPECT_NE(Window(text), Q(text)) << text;
  EXPECT_EQ(Window(kArithmeticFailureText),
            QStringLiteral("Ein Fehler ist aufgetreten (vielleicht ein Überlauf)....\r\n"
                           "bitte arbeiten Sie weiter."));
  EXPECT_EQ(TitledWindowTitle("/home/anna/tag.txt"),
            "  Numbrella-Rechner /home/anna/tag.txt" + kTitleEnd);
  EXPECT_EQ(SaveFailureText("/home/anna/tag.txt", "Kein Platz"),
            "Das Protokoll kann nicht in \u201E/home/anna/tag.txt\u201C gespeichert werden.\n"
            "Kein Platz.\nDie Datei wurde nicht ver\u00E4ndert.");
  EXPECT_EQ(
      SIInfoText().rfind(std::string(33, ' ') + "Das Internationale Einheitensystem (SI)\r\n", 0),
      0u);
  EXPECT_EQ(SIBaseUnitRowText(SIBaseUnits()[1]), "Kilogramm   kg       Masse");
}

// The dialog splits the list at every "|": the German one keeps the patterns.
TEST_F(Translations, TheGermanFileFilterKeepsItsPatterns) {
  Use({{"LANGUAGE", "de"}});
  const QStringList english = Q(kFileFilter).split(QLatin1Char('|'));
  const QStringList german = Window(kFileFilter).split(QLatin1Char('|'));
  ASSERT_EQ(german.size(), english.size());
  for (qsizetype i = 1; i < english.size(); i += 2) EXPECT_EQ(german[i], english[i]);
}

// Numbers are written the same in every language: the translations leave the default
// locale, and with it every number a Qt control would format, as it was.
TEST_F(Translations, LeaveTheLocaleAlone) {
  const QLocale before;
  Use({{"LANGUAGE", "de"}, {"LANG", "de_DE.UTF-8"}});
  EXPECT_EQ(QLocale(), before);
}

}  // namespace
}  // namespace numbrella::ui
