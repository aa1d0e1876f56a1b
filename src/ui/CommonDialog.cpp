#include "ui/CommonDialog.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>

namespace numbrella::ui {

namespace {

constexpr int kAskBeforeOverwriting = 2;
constexpr int kPreselectColor = 1;
constexpr int kSelectionPreselected = 1;
constexpr int kNoSelection = 4;
constexpr int kNoPageNumbers = 8;

void OfferFileName(QFileDialog& dialog, const QString& fileName) {
  if (fileName.isEmpty()) return;
  const QFileInfo file(fileName);
  if (file.isAbsolute()) dialog.setDirectory(file.absolutePath());
  dialog.selectFile(file.fileName());
}

void PrepareFileDialog(QFileDialog& dialog, const FileDialogRequest& request) {
  if (!request.nameFilters.isEmpty()) {
    dialog.setNameFilters(request.nameFilters);
    dialog.selectNameFilter(request.selectedNameFilter);
  }
  dialog.setDefaultSuffix(QString());
  OfferFileName(dialog, request.fileName);
}

std::optional<QString> ChosenFile(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty() || files.front().isEmpty()) return std::nullopt;
  return QFileInfo(files.front()).absoluteFilePath();
}

class QtDialogChoosers final : public DialogChoosers {
 public:
  std::optional<QString> ChooseOpenFile(QWidget* parent, const FileDialogRequest& request) override {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    PrepareFileDialog(dialog, request);
    return ChosenFile(dialog);
  }

  std::optional<QString> ChooseSaveFile(QWidget* parent, const FileDialogRequest& request) override {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    PrepareFileDialog(dialog, request);
    return ChosenFile(dialog);
  }

  std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) override {
    QColorDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QColor chosen = dialog.selectedColor();
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
  }

  bool ChoosePrinter(QWidget* parent, QPrinter& printer, const PrintDialogRequest& request) override {
    printer.setPrintRange(request.selectionPreselected ? QPrinter::Selection : QPrinter::AllPages);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection,
                     request.selectionOffered || request.selectionPreselected);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, request.pageRangeOffered);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (!request.pageRangeOffered) {
      // Qt's own dialog leaves its page choice open whatever the option says: close
      // it once the dialog is up.
      QTimer::singleShot(0, &dialog, [&dialog] {
        for (const char* name : {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit"}) {
          if (auto* control = dialog.findChild<QWidget*>(name)) control->setEnabled(false);
        }
      });
    }
    return dialog.exec() == QDialog::Accepted;
  }
};

}  // namespace

DialogChoosers& RealDialogChoosers() {
  static QtDialogChoosers choosers;
  return choosers;
}

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

CommonDialog::CommonDialog(QObject* parent) : QObject(parent), choosers_(&RealDialogChoosers()) {}

CommonDialog::~CommonDialog() = default;

void CommonDialog::SetChoosers(DialogChoosers* choosers) {
  choosers_ = choosers != nullptr ? choosers : &RealDialogChoosers();
}

FileDialogRequest CommonDialog::FileRequest(bool confirmOverwrite) const {
  FileDialogRequest request;
  request.nameFilters = FileDialogNameFilters(Filter);
  request.selectedNameFilter = request.nameFilters.value(0);
  request.fileName = FileName;
  request.confirmOverwrite = confirmOverwrite;
  return request;
}

bool CommonDialog::ShowOpen(QWidget* parent) {
  const std::optional<QString> chosen = choosers_->ChooseOpenFile(parent, FileRequest(false));
  if (!chosen) return false;
  FileName = *chosen;
  return true;
}

bool CommonDialog::ShowSave(QWidget* parent) {
  const std::optional<QString> chosen =
      choosers_->ChooseSaveFile(parent, FileRequest((Flags & kAskBeforeOverwriting) != 0));
  if (!chosen) return false;
  FileName = *chosen;
  return true;
}

bool CommonDialog::ShowColor(QWidget* parent) {
  const QColor initial = (Flags & kPreselectColor) != 0 ? ColorFromNumber(Color) : QColor(Qt::black);
  const std::optional<QColor> chosen = choosers_->ChooseColor(parent, initial);
  if (!chosen) return false;
  Color = NumberFromColor(*chosen);
  return true;
}

QPrinter* CommonDialog::ShowPrinter(QWidget* parent) {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  PrintDialogRequest request;
  request.selectionPreselected = (Flags & kSelectionPreselected) != 0;
  request.selectionOffered = (Flags & kNoSelection) == 0;
  request.pageRangeOffered = (Flags & kNoPageNumbers) == 0;
  if (!choosers_->ChoosePrinter(parent, *printer_, request)) return nullptr;
  return printer_.get();
}

}  // namespace numbrella::ui
