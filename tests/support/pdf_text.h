// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a printed PDF says: its text as pdftotext (poppler-utils) reads it.
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace numbrella::testing {

// The PDF's lines that are not blank, each with its runs of blanks made one.
inline QStringList PdfLines(const QString& path) {
  if (QStandardPaths::findExecutable("pdftotext").isEmpty())
    return {"<no pdftotext (poppler-utils)>"};
  QProcess tool;
  tool.start("pdftotext", {"-layout", path, "-"});
  if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
    return {"<pdftotext failed on " + path + ">"};
  QStringList lines;
  for (const QString& line : QString::fromUtf8(tool.readAllStandardOutput()).split(u'\n')) {
    if (!line.simplified().isEmpty()) lines << line.simplified();
  }
  return lines;
}

}  // namespace numbrella::testing
