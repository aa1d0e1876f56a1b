#pragma once
// Scripted platform services for window tests: message boxes answered from a queue
// and recorded, a printer situation set by the test, a fixed screen font list and an
// in-memory clipboard.
#include "ui/services.h"

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
  QString text;
  int clears = 0;
};

class FakeBeeper : public ui::Beeper {
 public:
  void Beep() override { ++beeps; }
  int beeps = 0;
};

struct FakeServices {
  FakeMessageBoxes messages;
  FakePrinters printers;
  FakeScreenFonts screenFonts;
  FakeClipboard clipboard;
  FakeBeeper beeper;
  ui::Services services() {
    return {&messages, &printers, &screenFonts, &clipboard, &beeper};
  }
};

}  // namespace numbrella::testing
