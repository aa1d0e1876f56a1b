// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialog object of a window: one object that shows the Open, Save, Colour and
// Print dialogs and keeps its properties between uses.
//
// Properties (public, read and written directly by the window):
//   Filter      file types as "description|pattern|description|pattern...", patterns
//               separated by ";" inside one pair; the first pair is preselected.
//   Flags       option bits, named below; each dialog reads its own, so one bit
//               means different things to different dialogs.
//   FileName    the chosen full path after Open or Save; offered again next time.
//   Color       the chosen colour as 0x00BBGGRR after the colour dialog.
// Every Show reports Cancel by returning false.
//
// The dialogs themselves are shown by the window's services.
#include "ui/color_number.h"
#include "ui/services.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace numbrella::ui {

// The option bits of CommonDialog::Flags.
namespace dialog_flags {
// File dialogs.
inline constexpr int kAskBeforeOverwriting = 2;
// Colour dialog.
inline constexpr int kPreselectColor = 1;
inline constexpr int kCustomColorsOpen = 2;  // the colour chooser always has them
// Print dialog.
inline constexpr int kSelectionPreselected = 1;
inline constexpr int kNoSelectionChoice = 4;
inline constexpr int kNoPageRange = 8;
inline constexpr int kReturnDrawingTarget = 256;  // ShowPrinter always returns it
}  // namespace dialog_flags

// "desc|pattern|desc|pattern" as Qt name filters, one per pair, in order. A pattern
// list "*.txt;*.text" becomes "*.txt *.text"; "*.*" matches every file, also those
// without a dot; a missing or empty pattern matches every file.
QStringList FileDialogNameFilters(const QString& filter);

class CommonDialog : public QObject {
  Q_OBJECT
 public:
  explicit CommonDialog(Dialogs& dialogs, QObject* parent = nullptr);
  ~CommonDialog() override;

  QString Filter;
  int Flags = 0;
  QString FileName;
  quint32 Color = 0;

  // Open: FileName holds an existing file's full path afterwards. false on Cancel.
  bool ShowOpen(QWidget* parent = nullptr);
  // Save: asks before overwriting when flag 2 is set; no extension is added to a
  // typed name. false on Cancel.
  bool ShowSave(QWidget* parent = nullptr);
  // Colour: Color holds the chosen colour afterwards. false on Cancel.
  bool ShowColor(QWidget* parent = nullptr);
  // Print: the drawing target of the chosen printer (owned by this object and kept
  // with its settings for the next time), or null on Cancel.
  QPrinter* ShowPrinter(QWidget* parent = nullptr);

 private:
  FileDialogRequest FileRequest(bool confirmOverwrite) const;

  Dialogs& dialogs_;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace numbrella::ui
