// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line, `numbrella [options] [file]`, read before the display is opened,
// so that --help, --version and a misuse answer with no display at all.
#include <QString>
#include <QStringList>

namespace numbrella::app {

struct CommandLine {
  enum class Action {
    Run,      // open the window
    Help,     // print `text` on stdout and end
    Version,  // the same
    Misuse,   // print `text` on stderr and end with kMisuseStatus
  };
  static constexpr int kMisuseStatus = 2;

  Action action = Action::Run;
  QString text;
  // The record to open at start, as an absolute path; "" for none.
  QString file;
  // Further files named: a window holds one record, so they are not opened.
  QStringList notOpened;
  // Qt's -platform and -display, which decide whether a display is needed; "" when
  // not given.
  QString platform;
  QString display;
};

// Reads `arguments` (the program's name first). Qt's own options are accepted and left
// to the application object, which reads them from the same arguments. A relative
// file name is taken from the current folder. The help names the program as the
// application object does; without one, it says "<executable_name>".
CommandLine ReadCommandLine(const QStringList& arguments);

// The line for stderr that names the files not opened; "" when there are none.
QString NotOpenedText(const CommandLine& line);

}  // namespace numbrella::app
