#pragma once
// The dialog object of a window: one object that shows the Open, Save, Colour and
// Print dialogs and keeps its properties between uses.
//
// Properties (public, read and written directly by the window):
//   Filter      file types as "description|pattern|description|pattern...", patterns
//               separated by ";" inside one pair; the first pair is preselected.
//   Flags       option bits: for the file dialogs 2 = ask before overwriting; for the
//               colour dialog 1 = preselect Color (2 = custom colours open: the colour
//               chooser always has them); for the print dialog 1 = "Selection"
//               preselected, 4 = no "Selection" choice, 8 = no page range, 256 = return
//               the drawing target (always done).
//   CancelError kept for the caller: every Show reports Cancel by returning false.
//   FileName    the chosen full path after Open or Save; offered again next time.
//   Color       the chosen colour as 0x00BBGGRR after the colour dialog.
//
// The dialogs themselves are shown by a DialogChoosers object: the real Qt dialogs
// by default; tests hand the object their own (findChild<CommonDialog*>(name)).
#include "ui/color_number.h"

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

// What a file dialog is asked to show.
struct FileDialogRequest {
  QStringList nameFilters;     // Qt name filters, "Text Files(*.txt)" and the like
  QString selectedNameFilter;  // the first of them, or "" when there are none
  QString fileName;            // the name offered, "" for none
  bool confirmOverwrite = false;
};

// What the print dialog is asked to show.
struct PrintDialogRequest {
  bool selectionPreselected = false;
  bool selectionOffered = true;
  bool pageRangeOffered = true;
};

class DialogChoosers {
 public:
  virtual ~DialogChoosers() = default;
  // Each returns the user's choice, or nullopt / false when the user cancelled.
  virtual std::optional<QString> ChooseOpenFile(QWidget* parent, const FileDialogRequest& request) = 0;
  virtual std::optional<QString> ChooseSaveFile(QWidget* parent, const FileDialogRequest& request) = 0;
  virtual std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) = 0;
  // Lets the user set up the printer; true when the user chose to print.
  virtual bool ChoosePrinter(QWidget* parent, QPrinter& printer, const PrintDialogRequest& request) = 0;
};

// The Qt dialogs (QFileDialog, QColorDialog, QPrintDialog), shown modally.
DialogChoosers& RealDialogChoosers();

// "desc|pattern|desc|pattern" as Qt name filters, one per pair, in order. A pattern
// list "*.txt;*.text" becomes "*.txt *.text"; "*.*" matches every file, also those
// without a dot; a missing or empty pattern matches every file.
QStringList FileDialogNameFilters(const QString& filter);

class CommonDialog : public QObject {
  Q_OBJECT
 public:
  explicit CommonDialog(QObject* parent = nullptr);
  ~CommonDialog() override;

  QString Filter;
  int Flags = 0;
  bool CancelError = false;
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

  void SetChoosers(DialogChoosers* choosers);  // null: the real dialogs again

 private:
  FileDialogRequest FileRequest(bool confirmOverwrite) const;

  DialogChoosers* choosers_;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace numbrella::ui
