// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator window: the two-operand worksheet in its upper half, the workboard
// with its font controls in its lower half, and the menus that keep, view, edit and
// print the workboard.
//
// Its definitions are split by concern: frmNewCalculator1.cpp (start-up, the repaint
// check, menus), frmNewCalculator1Layout.cpp (the controls), ...Worksheet.cpp (entry,
// operators, answers, constants), ...Workboard.cpp (the record and its fonts),
// ...View.cpp (view, editing, colour, printing), ...Documents.cpp (the document
// commands and what the document asks of the window), ...Keys.cpp (every way a
// worksheet key is pressed), ...Keyboard.cpp (names for screen readers, the Tab
// chain, the focus mark), ...Paste.cpp (numbers pasted in or taken from the workboard).
#include "calculator/worksheet.h"
#include "calculator/worksheet_keys.h"
#include "ui/fitting_label.h"
#include "ui/key_input.h"
#include "ui/pending_request.h"
#include "ui/services.h"
#include "workboard/document.h"
#include "workboard/printer_watch.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTextDocument;
class QTimer;

namespace numbrella {

struct NumberSettings;
struct PastedNumber;
enum class PasteRefusal;

namespace ui {
class Announcer;
class CommonDialog;
class MenuKeys;
class RichTextBox;
}  // namespace ui

class frmNewCalculator1 : public QMainWindow, private DocumentWindow {
  Q_OBJECT
 public:
  // The window's client area and its heights with and without the workboard, as
  // laid out, in twips.
  static constexpr int kClientWidthTwips = 15315;
  static constexpr int kClientHeightTwips = 10335;
  static constexpr int kShownHeightTwips = 11115;
  static constexpr int kHiddenHeightTwips = 5700;

  // The window with the services it uses (they must outlive it) and the way to show the
  // conversion calculator. The start-up sequence has run when the constructor returns.
  frmNewCalculator1(const ui::Services& services, std::function<void()> showConverter);
  frmNewCalculator1(ui::Services&& services, std::function<void()> showConverter) = delete;

  // What the window holds behind its controls, read-only, for checks after user actions.
  const Worksheet& Sheet() const { return sheet_; }
  const WorkboardDocument& Document() const { return document_; }
  // The workboard's text document: its text, whether it holds unsaved work (its
  // modified state) and the file it belongs to (its base URL).
  const QTextDocument* Record() const;

  // Opens the record at `path` as File > Open opens the file chosen in its dialog,
  // with the save question first when the workboard holds unsaved work.
  void OpenFile(const QString& path);

  // Offers back the recovery copy at `path` that a calculator left when it ended
  // without a clean close (`copy` is nullopt when it cannot be read).
  CopyFate OfferRecovery(const std::optional<RecoveryRecord>& copy, const QString& path);

 signals:
  // The window closed after the save question, if there was one: what it held is done.
  void ClosedCleanly();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Layout.
  void CreateControls();
  void CreateWorksheet(QWidget* area);
  void CreateWorkboard(QWidget* area);
  void DesktopChanged();
  void DrawArrows();
  void CreateMenus();
  void MakeAccessible();
  void WireRegions();
  void GoToRegion(bool forward);

  // Start-up, the repaint check and the printer's answers.
  void Form_Load();
  // The printer's fonts, name and font count; the screen's after the message when the
  // printer has none to offer.
  void ShowPrinterFonts();
  bool LoadPrinterFonts();
  void FillLineSpacing();
  void FinishStartup();
  void Form_Paint();
  void FollowDefaultPrinter();
  // The default printer's name; none without a printer.
  std::optional<std::string> PrinterSituation();

  // The worksheet's keys: a click, a typed key, Space and a screen reader's press all
  // come down to a key going down and up, which PressKey hands to the key's handler.
  void WireKeys();
  void PressKey(WorksheetKey key, bool down);
  void KeyTyped(WorksheetKey key, bool down);
  static std::optional<WorksheetKey> KeyOfTyped(const QKeyEvent& event);
  bool RefuseTyped(const QKeyEvent& event);
  QPushButton*& KeyButton(WorksheetKey key);
  void OperandFocus(int index, bool in, Qt::FocusReason reason);

  // Operand entry.
  void txtOperand_GotFocus(int index);
  void Command1_MouseDown(int index);
  void Command1_MouseUp();
  void tmrNumbers_Timer();
  void cmdDecimal_Click();
  void cmdPlusMinus_Click();
  void cmdBackspace_MouseDown();
  void cmdBackspace_MouseUp();
  void tmrBackspace_Timer();
  void StopRepeating();
  void cmdClearAll_Click();

  // Operators and evaluation. The eight operator keys share one handler, which is
  // given the key's operator.
  void cmdOperator_Click(numbrella::Operator op);
  void cmdEqualSign_Click();
  void Combo4_Click();

  // Answer transfer and constants.
  void cmdCopy_Click();
  void cmdPaste_Click();
  void cmdCopyA_Click(int index);
  void cmdPasteA_Click(int index);
  void Command7_Click();

  // Numbers coming in whole: pasted, or taken back from the workboard.
  void WireNumbersComingIn();
  void mnuPasteNumber_Click();
  void txtOperand_MiddleClick(int index);
  void mnuUseInOperand_Click();
  void txtArchive1_CtrlDblClick(const QPoint& at);
  void UseWorkboardNumber(const QString& selection, const QString& line);
  void EnterNumber(const PastedNumber& number, bool focusField);
  static QString RefusalNote(PasteRefusal refusal);
  static NumberSettings UserNumberSettings();

  // The workboard record and fonts.
  bool Archive();
  void txtArchive1_Change();
  void Check1_Click();
  void Check2_Click();
  void Combo1_Click();
  void Combo2_Click();
  void Combo2_LostFocus();
  void ScreenFontsOnly();
  void FillFaceList(const QStringList& names);

  // Documents.
  void mnuFileNew_Click();
  void mnuFileOpen_Click();
  void mnuFileSave_Click();
  void mnuFileSaveFileAs_Click();
  void mnuFileExit_Click();
  void mnuClearWhiteboad_Click();
  void Command4_Click();
  void Form_QueryUnload(bool& cancel, int unloadMode);
  void WatchSessionEnd();
  void WatchDrops();
  static constexpr int kClosedByUser = 0;
  static constexpr int kSessionEnding = 2;

  // View, editing, colour and printing.
  void Command2_Click();
  void Command3_Click();
  void Command5_Click();
  void mnuDisplayWork_Click();
  void mnuEdit_Click();
  void mnuEditCut_Click();
  void mnuEditCopy_Click();
  void mnuEditPaste_Click();
  void mnuTextBack_Click();
  void mnuPrintDisplay_Click();
  void PrintWorkboard(int request, bool printSystemAnswering);
  void mnuConvCalc_Click();
  void PlaceWorkboard(double topTwips, double heightTwips);
  void SetWindowHeight(int twips);

  // What the document asks of the window.
  SaveAnswer AskToSave(std::string_view question) override;
  std::optional<std::string> ChooseFileToOpen() override;
  std::optional<std::string> ChooseFileToSave() override;
  void ForgetDialogFileName() override;
  std::string WorkboardText() override;
  std::uint64_t WorkboardRevision() override;
  bool SetWorkboardText(std::string_view text) override;
  void SetTitle(std::string_view title, std::string_view spoken) override;
  void ShowClearButton(bool shown) override;
  void ShowModified(bool modified) override;
  void ShowFileName(std::string_view path) override;
  SaveAnswer AskToRestore(std::string_view question) override;
  std::string TimeText(std::int64_t moment) override;
  void TellFailure(std::string_view text) override;
  FileContent ReadFile(const std::string& path) override;
  std::optional<std::string> WriteFile(const std::string& path, std::string_view bytes) override;
  std::optional<std::string> WriteWorkboardFile(const std::string& path) override;

  // Helpers.
  void ShowWorksheet();
  void Focus(FocusRequest request);
  // One of the window's own texts (window_texts.h) in the user's language.
  static QString OwnText(std::string_view text);
  // A failure message from the window's own texts; ShowMessage shows one the core has
  // put into the user's language already.
  void ShowFailure(std::string_view text, std::string_view title);
  void ShowMessage(const QString& text, const QString& title);
  ui::MessageAnswer Ask(std::string_view text, ui::MessageAnswer defaultButton);
  // Chooses the entry `text` as the user does, running the box's click handler; false
  // when the box has no such entry.
  using Handler = void (frmNewCalculator1::*)();
  bool SetComboText(QComboBox* box, const QString& text, Handler click);
  // The number that the chosen entry of a list of numbers stands for; none when
  // nothing is chosen.
  static std::optional<int> ItemNumber(const QComboBox* box);

  const ui::Services& services_;
  const std::function<void()> showConverter_;
  Worksheet sheet_;
  WorkboardDocument document_;

  // Worksheet controls, by role.
  QLabel* Label1 = nullptr;                 // caption "Operand 1"
  QLabel* Label2 = nullptr;                 // caption "Operator"
  QLabel* Label3 = nullptr;                 // caption "Operand 2"
  std::array<QLineEdit*, 2> txtOperand{};   // the two operands, on the display strip
  QLabel* lblOperator = nullptr;            // the chosen operator, on the display strip
  QLabel* Label4 = nullptr;                 // caption "Answer"
  ui::FittingLabel* lblAnswer = nullptr;    // the answer, on the display strip
  ui::Announcer* announcer = nullptr;       // says new answers and regions to screen readers
  std::array<QPushButton*, 11> Command1{};  // keypad: the digit keys by digit, then Pi
  QPushButton* cmdDecimal = nullptr;        // decimal point
  QPushButton* cmdEqualSign = nullptr;      // evaluates
  QPushButton* cmdOperatorX = nullptr;      // multiply
  QPushButton* cmdOperatorDivide = nullptr;
  QPushButton* cmdOperatorPlus = nullptr;
  QPushButton* cmdOperatorMinus = nullptr;
  QPushButton* cmdOperatorSR = nullptr;  // square root
  QPushButton* cmdCubeRoot = nullptr;
  QPushButton* cmdInverse = nullptr;    // reciprocal
  QPushButton* cmdPowers = nullptr;     // operand 1 to the power of operand 2
  QPushButton* cmdPlusMinus = nullptr;  // change sign
  QPushButton* cmdCopy = nullptr;       // keeps the answer
  QPushButton* cmdPaste = nullptr;      // pastes the kept answer
  QPushButton* cmdBackspace = nullptr;  // backspace, or clears the answer
  QPushButton* cmdClearAll = nullptr;
  QLabel* Label5 = nullptr;                 // caption "Decimal Places In Answer"
  QComboBox* Combo4 = nullptr;              // decimal places in the answer
  QPushButton* Command7 = nullptr;          // clears the constants
  std::array<QPushButton*, 5> cmdCopyA{};   // constant slots: copy the answer into the slot
  std::array<QPushButton*, 5> cmdPasteA{};  // paste the slot's value
  std::array<QLineEdit*, 5> txtPaste{};     // the slot's value
  QTimer* tmrNumbers = nullptr;             // repeats a held keypad key
  QTimer* tmrBackspace = nullptr;           // repeats the held backspace key
  // The keys above by their identities.
  std::array<QPushButton*, kWorksheetKeyCount> keys_{};

  // Workboard controls, by role.
  QPushButton* Command5 = nullptr;            // hides and shows the workboard
  QPushButton* Command4 = nullptr;            // clears the workboard
  ui::RichTextBox* txtArchive1 = nullptr;     // the workboard
  QPushButton* Command2 = nullptr;            // expands the workboard over the worksheet
  QPushButton* Command3 = nullptr;            // collapses it to its own half again
  QCheckBox* Check1 = nullptr;                // bold
  QCheckBox* Check2 = nullptr;                // italic
  QLabel* Label9 = nullptr;                   // caption "Font face:"
  QComboBox* Combo2 = nullptr;                // font face, from the printer's fonts
  QLabel* Label10 = nullptr;                  // caption "Size:"
  QComboBox* Combo1 = nullptr;                // font size
  QLabel* Label11 = nullptr;                  // caption "Line Spacing"
  QComboBox* Combo3 = nullptr;                // line spacing: line breaks before each entry
  QLabel* Label12 = nullptr;                  // caption "Default printer/fax program:"
  QLineEdit* Text3 = nullptr;                 // the default printer's name
  QLabel* Label13 = nullptr;                  // caption "Font count:"
  QLineEdit* Text2 = nullptr;                 // the number of the printer's fonts
  ui::CommonDialog* CommonDialog1 = nullptr;  // the file, colour and print dialogs

  // Menus: the entries the window reads back.
  ui::MenuKeys* menuKeys_ = nullptr;
  QMenu* mnuEdit = nullptr;
  QAction* mnuEditCut = nullptr;
  QAction* mnuEditCopy = nullptr;
  QAction* mnuEditPaste = nullptr;
  QAction* mnuPasteNumber = nullptr;  // pastes a number into the current operand
  QAction* mnuDisplayWork = nullptr;  // checked while the workboard shows

  // The printer situation the last start-up or repaint check dealt with.
  PrinterWatch printerWatch_;
  bool paintCheckPending_ = false;
  // Print Workboard's question to the print system, from the command to the answer: a
  // second command meanwhile waits with it.
  ui::PendingRequest printRequest_;
  // Set while an operand field keeps the focus over a deactivation of the window or a
  // pop-up: getting it back then is no new focus change.
  std::array<bool, 2> operandKeptFocus_{};

  // What watches the controls for the window. Declared last, these go first, before
  // the controls: what the controls send while they are destroyed must not reach a
  // window that is no longer whole.
  ui::HeldButtons<WorksheetKey> heldKeys_{
      [this](WorksheetKey key, bool down) { PressKey(key, down); }};
  ui::TypedKeys<WorksheetKey> typedKeys_{
      &KeyOfTyped, [this](WorksheetKey key, bool down) { KeyTyped(key, down); },
      [this](const QKeyEvent& event) { return RefuseTyped(event); }};
  ui::FocusWatch focusWatch_;
};

}  // namespace numbrella
