// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogues in translations/: every text of the sources is in each of them, and
// every one but English translates all of its texts.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <string>
#include <vector>

namespace {

struct Message {
  QString context;
  QString source;
  QString disambiguation;
  QString translation;
  QString type;  // "unfinished", "vanished", "obsolete", or empty when finished
  bool plural = false;

  QString Key() const { return context + u'\x1f' + source + u'\x1f' + disambiguation; }
  std::string Name() const {
    return (context + QStringLiteral(": \"") + source + u'"').toStdString();
  }
};

// An element's text, with the characters lupdate writes as <byte value="xd"/>.
QString TextOf(QXmlStreamReader& reader) {
  QString text;
  while (!reader.atEnd()) {
    reader.readNext();
    if (reader.isCharacters()) {
      text += reader.text();
    } else if (reader.isStartElement() && reader.name() == u"byte") {
      const QString value = reader.attributes().value(QLatin1String("value")).toString();
      text += QChar(value.mid(1).toUInt(nullptr, 16));
    } else if (reader.isStartElement() && reader.name() == u"numerusform") {
      text += TextOf(reader);
    } else if (reader.isEndElement() && reader.name() != u"byte") {
      break;
    }
  }
  return text;
}

std::vector<Message> ReadCatalogue(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QXmlStreamReader reader(&file);
  std::vector<Message> messages;
  QString context;
  while (!reader.atEnd()) {
    if (reader.readNext() != QXmlStreamReader::StartElement) continue;
    if (reader.name() == u"name") {
      context = reader.readElementText();
    } else if (reader.name() == u"message") {
      Message message;
      message.context = context;
      message.plural = reader.attributes().value(QLatin1String("numerus")) == u"yes";
      messages.push_back(message);
    } else if (reader.name() == u"source") {
      messages.back().source = TextOf(reader);
    } else if (reader.name() == u"comment") {
      messages.back().disambiguation = TextOf(reader);
    } else if (reader.name() == u"translation") {
      messages.back().type = reader.attributes().value(QLatin1String("type")).toString();
      messages.back().translation = TextOf(reader);
    }
  }
  EXPECT_FALSE(reader.hasError()) << path.toStdString() << ": "
                                  << reader.errorString().toStdString();
  return messages;
}

QStringList Catalogues() {
  const QDir folder(QStringLiteral(NUMBRELLA_CATALOGUES));
  QStringList paths;
  for (const QString& name : folder.entryList({QStringLiteral("numbrella_*.ts")}, QDir::Files)) {
    paths << folder.filePath(name);
  }
  return paths;
}

bool IsSourceLanguage(const QString& catalogue) {
  return catalogue.endsWith(QStringLiteral("_en.ts"));
}

// The texts lupdate finds in `sources`, run as `make translations` runs it.
std::vector<Message> Extract(const QString& sources) {
  QTemporaryDir scratch;
  const QString catalogue = scratch.filePath(QStringLiteral("numbrella_de.ts"));
  QProcess lupdate;
  lupdate.setProcessChannelMode(QProcess::MergedChannels);
  lupdate.start(
      QStringLiteral(NUMBRELLA_CMAKE_COMMAND),
      {QStringLiteral("-DLUPDATE=" NUMBRELLA_LUPDATE), QStringLiteral("-DSOURCES=") + sources,
       QStringLiteral("-DCATALOGUES=") + catalogue, QStringLiteral("-P"),
       QStringLiteral(NUMBRELLA_LUPDATE_SCRIPT)});
  EXPECT_TRUE(lupdate.waitForFinished(120000));
  EXPECT_EQ(lupdate.exitCode(), 0) << lupdate.readAll().toStdString();
  return ReadCatalogue(catalogue);
}

// The texts of `extracted` that the catalogue lacks. The English catalogue holds only
// the texts with plural forms: English is the source.
std::vector<std::string> Missing(const std::vector<Message>& extracted, const QString& catalogue) {
  QSet<QString> present;
  for (const Message& message : ReadCatalogue(catalogue)) {
    if (message.type != u"vanished" && message.type != u"obsolete") present.insert(message.Key());
  }
  std::vector<std::string> missing;
  for (const Message& message : extracted) {
    if (IsSourceLanguage(catalogue) && !message.plural) continue;
    if (!present.contains(message.Key())) missing.push_back(message.Name());
  }
  return missing;
}

// The blanks a text begins with, or ends with.
qsizetype Blanks(const QString& text, bool leading) {
  qsizetype count = 0;
  while (count < text.size() && text[leading ? count : text.size() - 1 - count] == u' ') ++count;
  return count;
}

// Ampersands that mark an access key ("&&" shows one).
qsizetype AccessKeys(QString text) { return text.remove(QStringLiteral("&&")).count(u'&'); }

TEST(Catalogues, HoldEveryTextOfTheSources) {
  const std::vector<Message> extracted = Extract(QStringLiteral(NUMBRELLA_SOURCES));
  // The core's marker is read too.
  bool coreFound = false;
  for (const Message& message : extracted) {
    coreFound |= message.context == u"numbrella::WindowTexts" && message.source == u"Error";
  }
  EXPECT_TRUE(coreFound) << "lupdate did not read NUMBRELLA_TRANSLATE";
  const QStringList catalogues = Catalogues();
  ASSERT_GE(catalogues.size(), 2);
  for (const QString& catalogue : catalogues) {
    for (const std::string& text : Missing(extracted, catalogue)) {
      ADD_FAILURE() << catalogue.toStdString() << " lacks " << text
                    << "; run `make translations` and translate it";
    }
  }
}

TEST(Catalogues, ANewTextIsMissingUntilTheCatalogueHasIt) {
  QTemporaryDir sources;
  QFile file(sources.filePath(QStringLiteral("new_text.cpp")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(
      "#include \"common/translation.h\"\n"
      "const char* kNew = NUMBRELLA_TRANSLATE(\"numbrella::WindowTexts\", \"Fresh text\");\n"
      "const char* kOld = NUMBRELLA_TRANSLATE(\"numbrella::WindowTexts\", \"Error\");\n");
  file.close();
  const std::vector<Message> extracted = Extract(sources.path());
  for (const QString& catalogue : Catalogues()) {
    SCOPED_TRACE(catalogue.toStdString());
    const std::vector<std::string> missing = Missing(extracted, catalogue);
    if (IsSourceLanguage(catalogue)) {
      EXPECT_TRUE(missing.empty());
    } else {
      EXPECT_EQ(missing, std::vector<std::string>{"numbrella::WindowTexts: \"Fresh text\""});
    }
  }
}

// Finished, not empty, and of the same shape as the English: its blanks at either end,
// its line breaks, its access key and its placeholders. Each catalogue is built into the
// program, so that the windows are checked in its language too.
TEST(Catalogues, EveryTextIsTranslated) {
  for (const QString& catalogue : Catalogues()) {
    const QString compiled =
        QStringLiteral(":/i18n/") + QFileInfo(catalogue).completeBaseName() + QStringLiteral(".qm");
    EXPECT_TRUE(QFile::exists(compiled)) << compiled.toStdString();
    if (IsSourceLanguage(catalogue)) continue;
    SCOPED_TRACE(catalogue.toStdString());
    const std::vector<Message> messages = ReadCatalogue(catalogue);
    EXPECT_FALSE(messages.empty());
    for (const Message& message : messages) {
      SCOPED_TRACE(message.Name());
      EXPECT_TRUE(message.type.isEmpty()) << message.type.toStdString();
      EXPECT_FALSE(message.translation.isEmpty());
      const QString& english = message.source;
      const QString& translation = message.translation;
      EXPECT_EQ(Blanks(translation, true), Blanks(english, true));
      EXPECT_EQ(Blanks(translation, false), Blanks(english, false));
      EXPECT_EQ(translation.count(u'\n'), english.count(u'\n'));
      EXPECT_EQ(translation.count(u'\r'), english.count(u'\r'));
      EXPECT_EQ(AccessKeys(translation), AccessKeys(english));
      for (const char* placeholder : {"%1", "%2", "%n"}) {
        EXPECT_EQ(translation.contains(QLatin1String(placeholder)),
                  english.contains(QLatin1String(placeholder)))
            << placeholder;
      }
    }
  }
}

}  // namespace
