// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform services the windows use: message boxes, the file, colour and print
// dialogs, the printer and font lists, the clipboard and the beep. The application owns
// the real ones (RealServices); tests may hand it their own where a real one cannot be
// driven.
#include <QColor>
#include <QObject>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QFont;
class QPrinter;
class QWidget;

namespace numbrella::ui {

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageIcon { None, Question };
enum class MessageAnswer { Ok, Yes, No, Cancel };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // A modal box; returns the button the user chose.
  virtual MessageAnswer Show(QWidget* parent, const QString& text, const QString& title,
                             MessageButtons buttons, MessageIcon icon,
                             MessageAnswer defaultButton) = 0;
};

// What a file dialog is asked to show.
struct FileDialogRequest {
  QStringList nameFilters;     // Qt name filters, "Text Files(*.txt)" and the like
  QString selectedNameFilter;  // the first of them, or "" when there are none
  QString fileName;            // the name offered, "" for none
  bool confirmOverwrite = false;
};

// What the print dialog is asked to show. It always offers to print the selection.
struct PrintDialogRequest {
  bool selectionPreselected = false;
  bool pageRangeOffered = true;
};

// A printer the print dialog sets up, kept with its settings from one print to the
// next.
class Printer {
 public:
  virtual ~Printer() = default;
  virtual QPrinter& Device() = 0;
  // Prints the plain `text` in `font` on pages of their own, without page numbers;
  // false when the printer reports an error.
  virtual bool Print(const QString& text, const QFont& font) = 0;
  // Where the pages went: the file printed into, or else the printer's name.
  virtual QString Destination() const = 0;
};

// Modal dialogs; each returns the user's choice, or nullopt / false on Cancel.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // The full path of an existing file.
  virtual std::optional<QString> ChooseOpenFile(QWidget* parent,
                                                const FileDialogRequest& request) = 0;
  // A full path; no extension is added to a typed name.
  virtual std::optional<QString> ChooseSaveFile(QWidget* parent,
                                                const FileDialogRequest& request) = 0;
  virtual std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) = 0;
  // A printer to set up in ChoosePrinter; null where printing is not available, which
  // the user has been told.
  virtual std::unique_ptr<Printer> NewPrinter(QWidget* parent) = 0;
  // Lets the user set up `printer`; true when the user chose to print.
  virtual bool ChoosePrinter(QWidget* parent, Printer& printer,
                             const PrintDialogRequest& request) = 0;
};

class Printers : public QObject {
  Q_OBJECT
 public:
  // Number of installed printers, 0 when there is none.
  virtual int PrinterCount() = 0;
  // The default printer's device name; nullopt when no printer information can be had.
  virtual std::optional<QString> DefaultPrinterName() = 0;
  // The font families the default printer can print with; nullopt as above.
  virtual std::optional<QStringList> DefaultPrinterFonts() = 0;
  // Whether the print system has answered yet, waiting for it up to `grace`. Until it
  // has, there is no printer; an answer that comes later is told by Changed().
  virtual bool Answered(std::chrono::milliseconds /*grace*/) { return true; }
  // Asks the print system afresh and runs `then` with whether it answered, later, on
  // the window's thread. Qt's print dialog waits on a print system that takes requests
  // and gives no answer, for minutes.
  virtual void WhenAnswering(std::function<void(bool answering)> then) { then(true); }

 signals:
  // The print system's answer differs from the one before: a first answer that came
  // late, a printer that came or went, another default printer.
  void Changed();
};

class ScreenFonts {
 public:
  virtual ~ScreenFonts() = default;
  virtual QStringList Families() = 0;
};

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void Clear() = 0;
  virtual void SetText(const QString& text) = 0;
  virtual QString Text() = 0;  // "" when it holds no text
  // The text last selected anywhere on the desktop (X11's PRIMARY selection), which a
  // middle click pastes; "" when there is none or the desktop keeps none.
  virtual QString SelectionText() = 0;
};

class Beeper {
 public:
  virtual ~Beeper() = default;
  virtual void Beep() = 0;
};

// The set of services one window works with. Every pointer is non-null.
struct Services {
  MessageBoxes* messages;
  Dialogs* dialogs;
  Printers* printers;
  ScreenFonts* screenFonts;
  Clipboard* clipboard;
  Beeper* beeper;
};

}  // namespace numbrella::ui
