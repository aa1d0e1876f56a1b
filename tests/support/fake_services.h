// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scripted platform services for window tests: message boxes and dialogs answered
// from queues and recorded, a printer situation set by the test, a fixed screen font
// list and an in-memory clipboard.
#include "ui/printing.h"
#include "ui/services.h"

#include <QColor>
#include <QPrinter>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

namespace numbrella::testing {

struct ShownMessage {
  QString text;
  QString title;
  ui::MessageButtons buttons;
  ui::MessageIcon icon;
  ui::MessageAnswer defaultButton;
};

class FakeMessageBoxes : public ui::MessageBoxes {
 public:
  ui::MessageAnswer Show(QWidget*, const QString& text, const QString& title,
                         ui::MessageButtons buttons, ui::MessageIcon icon,
                         ui::MessageAnswer defaultButton) override {
    shown.push_back({text, title, buttons, icon, defaultButton});
    if (answers.empty()) {
      return buttons == ui::MessageButtons::Ok ? ui::MessageAnswer::Ok : defaultButton;
    }
    ui::MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::vector<ShownMessage> shown;
  std::deque<ui::MessageAnswer> answers;  // next answers; empty: the default button
};

// A dialog that the test did not script is cancelled and counted in `unscripted`.
class FakeDialogs : public ui::Dialogs {
 public:
  std::optional<QString> ChooseOpenFile(QWidget*, const ui::FileDialogRequest& request) override {
    fileRequests.push_back(request);
    return Next(openFiles);
  }
  std::optional<QString> ChooseSaveFile(QWidget*, const ui::FileDialogRequest& request) override {
    fileRequests.push_back(request);
    return Next(saveFiles);
  }
  std::optional<QColor> ChooseColor(QWidget*, const QColor& initial) override {
    colourInitials.push_back(initial);
    return Next(colours);
  }
  std::unique_ptr<ui::Printer> NewPrinter(QWidget*) override { return ui::NewDevicePrinter(); }
  // Prints to the PDF file that `printFiles` names next.
  bool ChoosePrinter(QWidget*, ui::Printer& printer,
                     const ui::PrintDialogRequest& request) override {
    printRequests.push_back(request);
    const std::optional<QString> file = Next(printFiles);
    if (!file) return false;
    printer.Device().setOutputFormat(QPrinter::PdfFormat);
    printer.Device().setOutputFileName(*file);
    return true;
  }

  // The next answers; nullopt is Cancel.
  std::deque<std::optional<QString>> openFiles;
  std::deque<std::optional<QString>> saveFiles;
  std::deque<std::optional<QColor>> colours;
  std::deque<std::optional<QString>> printFiles;
  std::vector<ui::FileDialogRequest> fileRequests;
  std::vector<QColor> colourInitials;
  std::vector<ui::PrintDialogRequest> printRequests;
  int unscripted = 0;

 private:
  template <typename T>
  std::optional<T> Next(std::deque<std::optional<T>>& answers) {
    if (answers.empty()) {
      ++unscripted;
      return std::nullopt;
    }
    const bool chosen = answers.front().has_value();
    T answer = chosen ? *answers.front() : T();
    answers.pop_front();
    if (!chosen) return std::nullopt;
    return answer;
  }
};

class FakePrinters : public ui::Printers {
 public:
  int PrinterCount() override {
    ++queries;
    return name ? 1 : 0;
  }
  std::optional<QString> DefaultPrinterName() override {
    ++queries;
    return name;
  }
  std::optional<QStringList> DefaultPrinterFonts() override {
    ++queries;
    if (!name) return std::nullopt;
    return fonts;
  }
  std::optional<QString> name;  // nullopt: no printer
  QStringList fonts;
  int queries = 0;
};

class FakeScreenFonts : public ui::ScreenFonts {
 public:
  QStringList Families() override { return families; }
  QStringList families{"Arial", "Arial Rounded MT Bold", "Courier New", "DejaVu Sans"};
};

class FakeClipboard : public ui::Clipboard {
 public:
  void Clear() override {
    text.clear();
    ++clears;
  }
  void SetText(const QString& t) override { text = t; }
  QString Text() override { return text; }
  QString SelectionText() override { return selection; }
  QString text;
  QString selection;
  int clears = 0;
};

class FakeBeeper : public ui::Beeper {
 public:
  void Beep() override { ++beeps; }
  int beeps = 0;
};

struct FakeServices {
  FakeMessageBoxes messages;
  FakeDialogs dialogs;
  FakePrinters printers;
  FakeScreenFonts screenFonts;
  FakeClipboard clipboard;
  FakeBeeper beeper;
  ui::Services services() {
    return {&messages, &dialogs, &printers, &screenFonts, &clipboard, &beeper};
  }
};

}  // namespace numbrella::testing
