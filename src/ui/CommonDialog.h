// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialog object of a window: one object that shows the Open, Save, Colour and
// Print dialogs and keeps what the user chose between uses.
//
// Properties (public, read and written directly by the window):
//   Filter      file types as "description|pattern|description|pattern...", patterns
//               separated by ";" inside one pair; the first pair is preselected.
//   FileName    the chosen full path after Open or Save; offered again next time.
//   Color       the chosen colour as 0x00BBGGRR after the colour dialog; preselected
//               the next time.
// Every Show reports Cancel by returning false. Each dialog is asked for with a
// request of its own, so nothing one dialog was asked for carries over to the next.
//
// The dialogs themselves are shown by the window's services.
#include "ui/services.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <memory>

class QWidget;

namespace numbrella::ui {

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
  QString FileName;
  quint32 Color = 0;

  // Open: FileName holds an existing file's full path afterwards. false on Cancel.
  bool ShowOpen(QWidget* parent = nullptr);
  // Save: always asks before overwriting a file; no extension is added to a typed
  // name. false on Cancel.
  bool ShowSave(QWidget* parent = nullptr);
  // Colour: Color holds the chosen colour afterwards. false on Cancel.
  bool ShowColor(QWidget* parent = nullptr);
  // Print: the chosen printer (owned by this object and kept with its settings for the
  // next time), or null on Cancel or where printing is not available.
  Printer* ShowPrinter(QWidget* parent, const PrintDialogRequest& request);

 private:
  FileDialogRequest FileRequest(bool confirmOverwrite) const;

  Dialogs& dialogs_;
  std::unique_ptr<Printer> printer_;
};

}  // namespace numbrella::ui
