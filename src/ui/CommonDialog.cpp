// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CommonDialog.h"

#include "ui/color_number.h"

#include <QColor>

#include <optional>

namespace numbrella::ui {

QStringList FileDialogNameFilters(const QString& filter) {
  QStringList result;
  if (filter.isEmpty()) return result;
  const QStringList parts = filter.split(u'|');
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    QString description = parts[i].trimmed();
    const QString pattern = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
    if (description.isEmpty() && pattern.isEmpty()) continue;  // a closing "|"
    QStringList globs;
    for (QString glob : pattern.split(u';', Qt::SkipEmptyParts)) {
      glob = glob.trimmed();
      if (glob == u"*.*") glob = QStringLiteral("*");
      if (!glob.isEmpty() && !globs.contains(glob)) globs.append(glob);
    }
    if (globs.isEmpty()) globs.append(QStringLiteral("*"));
    const QString joined = globs.join(u' ');
    if (description.isEmpty()) description = pattern.isEmpty() ? joined : pattern;
    // A description that already ends with its patterns in brackets is shown as it is.
    if (description.endsWith(u'(' + joined + u')')) {
      result.append(description);
    } else {
      result.append(description + QStringLiteral(" (") + joined + u')');
    }
  }
  return result;
}

CommonDialog::CommonDialog(Dialogs& dialogs, QObject* parent)
    : QObject(parent), dialogs_(dialogs) {}

CommonDialog::~CommonDialog() = default;

FileDialogRequest CommonDialog::FileRequest(bool confirmOverwrite) const {
  FileDialogRequest request;
  request.nameFilters = FileDialogNameFilters(Filter);
  request.selectedNameFilter = request.nameFilters.value(0);
  request.fileName = FileName;
  request.confirmOverwrite = confirmOverwrite;
  return request;
}

bool CommonDialog::ShowOpen(QWidget* parent) {
  const std::optional<QString> chosen = dialogs_.ChooseOpenFile(parent, FileRequest(false));
  if (!chosen) return false;
  FileName = *chosen;
  return true;
}

bool CommonDialog::ShowSave(QWidget* parent) {
  const std::optional<QString> chosen = dialogs_.ChooseSaveFile(parent, FileRequest(true));
  if (!chosen) return false;
  FileName = *chosen;
  return true;
}

bool CommonDialog::ShowColor(QWidget* parent) {
  const std::optional<QColor> chosen = dialogs_.ChooseColor(parent, ColorFromNumber(Color));
  if (!chosen) return false;
  Color = NumberFromColor(*chosen);
  return true;
}

Printer* CommonDialog::ShowPrinter(QWidget* parent, const PrintDialogRequest& request) {
  if (!printer_) printer_ = dialogs_.NewPrinter(parent);
  if (!printer_ || !dialogs_.ChoosePrinter(parent, *printer_, request)) return nullptr;
  return printer_.get();
}

}  // namespace numbrella::ui
