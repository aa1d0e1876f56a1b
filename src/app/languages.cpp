// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/languages.h"

#include "common/translation.h"
#include "ui/text.h"
#include "ui/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QPointer>
#include <QStringList>
#include <QTranslator>

#include <string>

namespace numbrella::app {

namespace {

// "de_DE.UTF-8@euro" asks for de_DE, else for de.
QStringList CandidatesOf(const QString& locale) {
  const QString name = locale.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
  QStringList candidates;
  if (name.isEmpty()) return candidates;
  candidates << name;
  const QString language = name.section(QLatin1Char('_'), 0, 0);
  if (language != name) candidates << language;
  return candidates;
}

// The languages asked for, the first wanted most. As with gettext, LANGUAGE's list
// alone when it is set, unless the locale is plain C, the usual way to ask a program
// for its untranslated messages (C.UTF-8 is not).
QStringList WantedLanguages() {
  QString locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = qEnvironmentVariable(name);
    if (!locale.isEmpty()) break;
  }
  if (locale == QLatin1String("C") || locale == QLatin1String("POSIX")) return {};
  const QString list = qEnvironmentVariable("LANGUAGE");
  const QStringList entries =
      list.isEmpty() ? QStringList{locale} : list.split(QLatin1Char(':'), Qt::SkipEmptyParts);
  QStringList wanted;
  for (const QString& entry : entries) wanted << CandidatesOf(entry);
  return wanted;
}

// Loads the file if it is there, and nothing else: QTranslator would fall back to
// shorter names on its own.
bool LoadExactly(QTranslator& translator, const QString& path) {
  return QFile::exists(path) && translator.load(path);
}

// Owned by the application, so that they go with it; replaced on the next call.
QPointer<QTranslator>& ProgramCatalogue() {
  static QPointer<QTranslator> translator;
  return translator;
}
QPointer<QTranslator>& QtCatalogue() {
  static QPointer<QTranslator> translator;
  return translator;
}

QTranslator& Fresh(QPointer<QTranslator>& slot) {
  if (slot) {
    QCoreApplication::removeTranslator(slot);
    delete slot;
  }
  slot = new QTranslator(QCoreApplication::instance());
  return *slot;
}

std::string CoreTranslation(const char* context, std::string_view text) {
  return ui::Utf8(ui::Translated(context, text));
}

}  // namespace

void InstallTranslations() {
  QTranslator& program = Fresh(ProgramCatalogue());
  QTranslator& qt = Fresh(QtCatalogue());
  SetTextTranslator(&CoreTranslation);
  const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  for (const QString& language : WantedLanguages()) {
    if (!LoadExactly(program, QStringLiteral(":/i18n/numbrella_%1.qm").arg(language))) continue;
    for (const QString& qtLanguage : CandidatesOf(language)) {
      if (LoadExactly(qt, QStringLiteral("%1/qtbase_%2.qm").arg(qtFolder, qtLanguage))) break;
    }
    // Qt's first, so that the program's own texts are looked up first.
    if (!qt.isEmpty()) QCoreApplication::installTranslator(&qt);
    QCoreApplication::installTranslator(&program);
    return;
  }
}

}  // namespace numbrella::app
