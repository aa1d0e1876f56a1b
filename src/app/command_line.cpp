// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

namespace numbrella::app {
namespace {

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(numbrella::CommandLine)
};

QCommandLineOption QtOption(const QString& name, const QString& description,
                            const QString& value = {}) {
  QCommandLineOption option(name, description, value);
  // Listed only when it matters to a user of this program; accepted all the same.
  if (description.isEmpty()) option.setFlags(QCommandLineOption::HiddenFromHelp);
  return option;
}

}  // namespace

CommandLine ReadCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  // Qt's options are single words after one dash: "-style", not "-s -t -y -l -e".
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(
      Texts::tr("Numbrella Calculator: a two-operand calculator with a workboard record and a unit "
                "converter."));
  parser.addPositionalArgument(
      QStringLiteral("file"),
      Texts::tr("A text record to open in the workboard, as File > Open opens it. Only one."),
      QStringLiteral("[file]"));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                Texts::tr("Shows this help and ends."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   Texts::tr("Shows the version and ends."));
  const QCommandLineOption platform =
      QtOption(QStringLiteral("platform"),
               Texts::tr("Qt: the windowing system, xcb (X11) or wayland; by default the "
                         "desktop's."),
               QStringLiteral("name"));
  const QCommandLineOption display =
      QtOption(QStringLiteral("display"), Texts::tr("Qt: the X11 display to open, as in :0."),
               QStringLiteral("display"));
  parser.addOptions(
      {help, version, platform, display,
       QtOption(QStringLiteral("style"), Texts::tr("Qt: the widget style, as in Fusion."),
                QStringLiteral("style")),
       QtOption(QStringLiteral("reverse"),
                Texts::tr("Qt: lays the windows out from right to left."))});
  // The rest of what Qt reads itself, so that they are not taken for misuses: a
  // session manager restarts the program with -session, for one.
  for (const char* name :
       {"platformpluginpath", "platformtheme", "plugin", "stylesheet", "session", "qwindowgeometry",
        "qwindowtitle", "qwindowicon", "geometry", "name", "title"}) {
    parser.addOption(QtOption(QString::fromLatin1(name), {}, QStringLiteral("value")));
  }
  for (const char* name : {"nograb", "dograb", "sync", "widgetcount"}) {
    parser.addOption(QtOption(QString::fromLatin1(name), {}));
  }

  CommandLine line;
  const QString program =
      arguments.isEmpty() ? QStringLiteral("numbrella") : QFileInfo(arguments[0]).fileName();
  if (!parser.parse(arguments)) {
    line.action = CommandLine::Action::Misuse;
    line.text = QStringLiteral("%1: %2\n").arg(program, parser.errorText()) +
                Texts::tr("Try \"%1 --help\" for the options.").arg(program) + QLatin1Char('\n');
    return line;
  }
  if (parser.isSet(help)) {
    line.action = CommandLine::Action::Help;
    line.text = parser.helpText();
    return line;
  }
  if (parser.isSet(version)) {
    line.action = CommandLine::Action::Version;
    line.text = QStringLiteral("numbrella " NUMBRELLA_VERSION "\n");
    return line;
  }
  line.platform = parser.value(platform);
  line.display = parser.value(display);
  QStringList files = parser.positionalArguments();
  if (!files.isEmpty()) {
    const QString first = files.takeFirst();
    line.file = first.isEmpty() ? first : QFileInfo(first).absoluteFilePath();
    line.notOpened = files;
  }
  return line;
}

QString NotOpenedText(const CommandLine& line) {
  if (line.notOpened.isEmpty()) return {};
  //: %1 is the list of files named after the first one, each in quotes.
  return Texts::tr("numbrella: a window holds one record; not opened: %1")
             .arg(QLatin1Char('"') + line.notOpened.join(QStringLiteral("\", \"")) +
                  QLatin1Char('"')) +
         QLatin1Char('\n');
}

}  // namespace numbrella::app
