// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/real_services.h"

#include "app/print_module.h"
#include "app/print_system.h"
#include "common/window_texts.h"
#include "ui/text.h"
#include "ui/translations.h"
#include "workboard/face_list.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMessageBox>

namespace numbrella::app {

namespace {

QMessageBox::StandardButton StandardButtonFor(ui::MessageAnswer answer) {
  switch (answer) {
    case ui::MessageAnswer::Ok:
      return QMessageBox::Ok;
    case ui::MessageAnswer::Yes:
      return QMessageBox::Yes;
    case ui::MessageAnswer::No:
      return QMessageBox::No;
    case ui::MessageAnswer::Cancel:
      return QMessageBox::Cancel;
  }
  return QMessageBox::NoButton;
}

class RealMessageBoxes final : public ui::MessageBoxes {
 public:
  ui::MessageAnswer Show(QWidget* parent, const QString& text, const QString& title,
                         ui::MessageButtons buttons, ui::MessageIcon icon,
                         ui::MessageAnswer defaultButton) override {
    QMessageBox box(parent);
    box.setTextFormat(Qt::PlainText);  // the texts are the program's words, never markup
    box.setText(text);
    box.setWindowTitle(title);
    box.setIcon(icon == ui::MessageIcon::Question ? QMessageBox::Question : QMessageBox::NoIcon);

    // The answer that closing the box without a button (Escape, the close box) gives.
    ui::MessageAnswer escape = ui::MessageAnswer::Ok;
    QMessageBox::StandardButtons offered = QMessageBox::Ok;
    switch (buttons) {
      case ui::MessageButtons::Ok:
        offered = QMessageBox::Ok;
        escape = ui::MessageAnswer::Ok;
        break;
      case ui::MessageButtons::YesNo:
        offered = QMessageBox::Yes | QMessageBox::No;
        escape = ui::MessageAnswer::No;
        break;
      case ui::MessageButtons::YesNoCancel:
        offered = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        escape = ui::MessageAnswer::Cancel;
        break;
    }
    box.setStandardButtons(offered);
    box.setEscapeButton(StandardButtonFor(escape));
    QMessageBox::StandardButton preferred = StandardButtonFor(defaultButton);
    if (!offered.testFlag(preferred)) {
      // A default that the box does not offer falls back to its first button.
      preferred = buttons == ui::MessageButtons::Ok ? QMessageBox::Ok : QMessageBox::Yes;
    }
    box.setDefaultButton(preferred);

    box.exec();
    switch (box.standardButton(box.clickedButton())) {
      case QMessageBox::Ok:
        return ui::MessageAnswer::Ok;
      case QMessageBox::Yes:
        return ui::MessageAnswer::Yes;
      case QMessageBox::No:
        return ui::MessageAnswer::No;
      case QMessageBox::Cancel:
        return ui::MessageAnswer::Cancel;
      default:
        return escape;
    }
  }
};

void OfferFileName(QFileDialog& dialog, const QString& fileName) {
  if (fileName.isEmpty()) return;
  const QFileInfo file(fileName);
  if (file.isAbsolute()) dialog.setDirectory(file.absolutePath());
  dialog.selectFile(file.fileName());
}

void PrepareFileDialog(QFileDialog& dialog, const ui::FileDialogRequest& request) {
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

class RealDialogs final : public ui::Dialogs {
  Q_DECLARE_TR_FUNCTIONS(numbrella::app::RealDialogs)

 public:
  explicit RealDialogs(ui::MessageBoxes& messages) : messages_(messages) {}

  std::optional<QString> ChooseOpenFile(QWidget* parent,
                                        const ui::FileDialogRequest& request) override {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    PrepareFileDialog(dialog, request);
    return ChosenFile(dialog);
  }

  std::optional<QString> ChooseSaveFile(QWidget* parent,
                                        const ui::FileDialogRequest& request) override {
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

  std::unique_ptr<ui::Printer> NewPrinter(QWidget* parent) override {
    // Tried again at each print until it loads: the package may have been mended since.
    if (printing_ == nullptr) {
      const LoadedPrintModule loaded = LoadPrintModule(PrintModuleFiles());
      printing_ = loaded.module;
      if (printing_ == nullptr) {
        //: %1 is the system's reason, in English: the printing module's file and why it
        //: did not load.
        messages_.Show(parent, tr("Printing is not available: %1").arg(loaded.error),
                       ui::Translated(kWindowTextsContext, kProgramTitle), ui::MessageButtons::Ok,
                       ui::MessageIcon::None, ui::MessageAnswer::Ok);
        return nullptr;
      }
    }
    return printing_->newPrinter();
  }

  // A printer comes only from the loaded module.
  bool ChoosePrinter(QWidget* parent, ui::Printer& printer,
                     const ui::PrintDialogRequest& request) override {
    return printing_->choose(parent, printer, request);
  }

 private:
  ui::MessageBoxes& messages_;
  const PrintModule* printing_ = nullptr;
};

// Each question goes to the print system afresh (nothing is cached within the
// process), so queues added or removed while the program runs are seen at once.
// Answers from the print system's latest answer, never waiting for it but at start-up.
class RealPrinters final : public ui::Printers {
 public:
  explicit RealPrinters(std::unique_ptr<PrinterAnswers> answers) : answers_(std::move(answers)) {
    answers_->TellChanges(this, [this] { emit Changed(); });
  }
  int PrinterCount() override { return Latest().count; }
  std::optional<QString> DefaultPrinterName() override { return Latest().defaultName; }
  // On this platform a printer prints with the fonts the screen has.
  std::optional<QStringList> DefaultPrinterFonts() override {
    if (!Latest().defaultName) return std::nullopt;
    return PrintableFamilies();
  }
  bool Answered(std::chrono::milliseconds grace) override { return answers_->WaitForFirst(grace); }
  void WhenAnswering(std::function<void(bool answering)> then) override {
    answers_->AskNow(std::move(then));
  }

  static QStringList PrintableFamilies() {
    std::vector<std::string> families;
    const QStringList all = QFontDatabase::families();
    for (const QString& family : all) {
      if (!QFontDatabase::isPrivateFamily(family)) families.push_back(ui::Utf8(family));
    }
    QStringList names;
    for (const std::string& name : PlainFamilyNames(families)) names.append(ui::Q(name));
    return names;
  }

 private:
  PrinterAnswers::Answer Latest() { return answers_->Latest().value_or(PrinterAnswers::Answer{}); }

  std::unique_ptr<PrinterAnswers> answers_;
};

class RealScreenFonts final : public ui::ScreenFonts {
 public:
  QStringList Families() override { return RealPrinters::PrintableFamilies(); }
};

class RealClipboard final : public ui::Clipboard {
 public:
  void Clear() override { QGuiApplication::clipboard()->clear(); }
  void SetText(const QString& text) override { QGuiApplication::clipboard()->setText(text); }
  QString Text() override { return QGuiApplication::clipboard()->text(); }
  QString SelectionText() override {
    return QGuiApplication::clipboard()->text(QClipboard::Selection);
  }
};

class RealBeeper final : public ui::Beeper {
 public:
  void Beep() override { QApplication::beep(); }
};

}  // namespace

struct RealServices::Parts {
  explicit Parts(std::unique_ptr<PrinterAnswers> answers) : printers(std::move(answers)) {}
  RealMessageBoxes messages;
  RealDialogs dialogs{messages};
  RealPrinters printers;
  RealScreenFonts screenFonts;
  RealClipboard clipboard;
  RealBeeper beeper;
};

RealServices::RealServices() : RealServices(std::make_unique<PrinterAnswers>()) {}

RealServices::RealServices(std::unique_ptr<PrinterAnswers> printerAnswers)
    : parts_(std::make_unique<Parts>(std::move(printerAnswers))), services_{&parts_->messages,
                                                                            &parts_->dialogs,
                                                                            &parts_->printers,
                                                                            &parts_->screenFonts,
                                                                            &parts_->clipboard,
                                                                            &parts_->beeper} {}

RealServices::~RealServices() = default;

}  // namespace numbrella::app
