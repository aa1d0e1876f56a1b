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
// chain, the focus mark).
#include "calculator/worksheet.h"
#include "calculator/worksheet_keys.h"
#include "ui/services.h"
#include "workboard/document.h"
#include "workboard/printer_watch.h"

#include <QMainWindow>
#include <QString>

#include <array>
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
class QTimer;

namespace numbrella {

namespace ui {
class CommonDialog;
class HeldButtons;
class MenuKeys;
class RichTextBox;
class TypedKeys;
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

  // The window with the real platform services.
  frmNewCalculator1();
  // The window with the given services (they must outlive it). The start-up sequence
  // has run when the constructor returns.
  explicit frmNewCalculator1(const ui::Services& services, QWidget* parent = nullptr);
  ~frmNewCalculator1() override;

  // What the window holds behind its controls, read-only, for checks after user actions.
  const Worksheet& Sheet() const { return sheet_; }
  const WorkboardDocument& Document() const { return document_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  // Layout.
  void CreateControls();
  void CreateWorksheet(QWidget* area);
  void CreateWorkboard(QWidget* area);
  void CreateMenus();
  template <typename Control>
  struct Placed;
  template <typename Control>
  Control* Place(QWidget* area, const Placed<Control>& row);
  void MakeAccessible();

  // Start-up and the repaint check.
  void Form_Load();
  bool LoadPrinterFonts(bool& lineSpacingFilled);
  void FillLineSpacing();
  void FinishStartup();
  void Form_Paint();
  std::optional<QString> PrinterSituation();

  // The worksheet's keys: a click, a typed key, Space and a screen reader's press all
  // come down to a key going down and up.
  void WireKeys();
  void KeyDown(WorksheetKey key);
  void KeyUp(WorksheetKey key);
  void KeyTyped(WorksheetKey key, bool down);
  void OperandFocus(int index, bool in, Qt::FocusReason reason);

  // Operand entry.
  void txtOperand_GotFocus(int index);
  void Command1_MouseDown(int index, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                          int x, int y);
  void Command1_MouseUp(int index, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                        int y);
  void tmrNumbers_Timer();
  void cmdDecimal_Click();
  void cmdPlusMinus_Click();
  void cmdBackspace_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void cmdBackspace_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void tmrBackspace_Timer();
  void StopRepeating();
  void cmdClearAll_Click();

  // Operators and evaluation.
  void cmdOperatorX_Click();
  void cmdOperatorDivide_Click();
  void cmdOperatorPlus_Click();
  void cmdOperatorMinus_Click();
  void cmdPowers_Click();
  void cmdOperatorSR_Click();
  void cmdCubeRoot_Click();
  void cmdInverse_Click();
  void TwoOperandKey(numbrella::Operator op);
  void OneOperandKey(numbrella::Operator op);
  void cmdEqualSign_Click();
  void Combo4_Click();

  // Answer transfer and constants.
  void cmdCopy_Click();
  void cmdPaste_Click();
  void cmdCopyA_Click(int index);
  void cmdPasteA_Click(int index);
  void Command7_Click();

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
  void mnuConvCalc_Click();
  void PlaceWorkboard(double topTwips, double heightTwips);
  void SetWindowHeight(int twips);

  // What the document asks of the window.
  SaveAnswer AskToSave(std::string_view question) override;
  std::optional<std::string> ChooseFileToOpen() override;
  std::optional<std::string> ChooseFileToSave() override;
  void ForgetDialogFileName() override;
  std::string WorkboardText() override;
  bool SetWorkboardText(std::string_view text) override;
  void SetTitle(std::string_view title) override;
  void ShowClearButton(bool shown) override;
  void ShowModified(bool modified) override;
  void TellFailure(std::string_view text) override;
  FileContent ReadFile(const std::string& path) override;
  std::optional<std::string> WriteFile(const std::string& path, std::string_view bytes) override;

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
  bool SetComboText(QComboBox* box, const QString& text);

  ui::Services services_;
  Worksheet sheet_;
  WorkboardDocument document_;

  // Worksheet controls.
  std::array<QLineEdit*, 2> txtOperand{};
  QLabel* lblOperator = nullptr;
  QLabel* lblAnswer = nullptr;
  std::array<QPushButton*, 11> Command1{};
  QPushButton* cmdDecimal = nullptr;
  QPushButton* cmdPlusMinus = nullptr;
  QPushButton* cmdBackspace = nullptr;
  QPushButton* cmdClearAll = nullptr;
  QPushButton* cmdOperatorX = nullptr;
  QPushButton* cmdOperatorDivide = nullptr;
  QPushButton* cmdOperatorPlus = nullptr;
  QPushButton* cmdOperatorMinus = nullptr;
  QPushButton* cmdOperatorSR = nullptr;
  QPushButton* cmdCubeRoot = nullptr;
  QPushButton* cmdInverse = nullptr;
  QPushButton* cmdPowers = nullptr;
  QPushButton* cmdEqualSign = nullptr;
  QComboBox* Combo4 = nullptr;
  QPushButton* cmdCopy = nullptr;
  QPushButton* cmdPaste = nullptr;
  std::array<QPushButton*, 5> cmdCopyA{};
  std::array<QPushButton*, 5> cmdPasteA{};
  std::array<QLineEdit*, 5> txtPaste{};
  QPushButton* Command7 = nullptr;
  QTimer* tmrNumbers = nullptr;
  QTimer* tmrBackspace = nullptr;
  // The keys above by their identities.
  std::array<QPushButton*, kWorksheetKeyCount> keys_{};
  // The filters below watch the controls for the window, and go first when it goes.
  QObject* inputFilters_ = nullptr;
  ui::HeldButtons* heldKeys_ = nullptr;
  ui::TypedKeys* typedKeys_ = nullptr;

  // The captions that name the controls beside them.
  struct Captions {
    QLabel* operand1 = nullptr;
    QLabel* op = nullptr;
    QLabel* operand2 = nullptr;
    QLabel* answer = nullptr;
    QLabel* places = nullptr;
    QLabel* face = nullptr;
    QLabel* size = nullptr;
    QLabel* lineSpacing = nullptr;
    QLabel* printer = nullptr;
    QLabel* fontCount = nullptr;
  } captions_;

  // Workboard controls.
  ui::RichTextBox* txtArchive1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
  QPushButton* Command4 = nullptr;
  QPushButton* Command5 = nullptr;
  QCheckBox* Check1 = nullptr;
  QCheckBox* Check2 = nullptr;
  QComboBox* Combo1 = nullptr;
  QComboBox* Combo2 = nullptr;
  QComboBox* Combo3 = nullptr;
  QLineEdit* Text2 = nullptr;
  QLineEdit* Text3 = nullptr;
  ui::CommonDialog* CommonDialog1 = nullptr;

  // Menus.
  ui::MenuKeys* menuKeys_ = nullptr;
  QMenu* mnuEdit = nullptr;
  QAction* mnuFileNew = nullptr;
  QAction* mnuFileOpen = nullptr;
  QAction* mnuFileSave = nullptr;
  QAction* mnuFileSaveFileAs = nullptr;
  QAction* mnuPrintDisplay = nullptr;
  QAction* mnuFileExit = nullptr;
  QAction* mnuEditCut = nullptr;
  QAction* mnuEditCopy = nullptr;
  QAction* mnuEditPaste = nullptr;
  QAction* mnuTextBack = nullptr;
  QAction* mnuDisplayWork = nullptr;
  QAction* mnuClearWhiteboad = nullptr;
  QAction* mnuConvCalc = nullptr;


  // The printer situation the last start-up or repaint check dealt with.
  PrinterWatch printerWatch_;
  bool paintCheckPending_ = false;
  // Set while an operand field keeps the focus over a deactivation of the window or a
  // pop-up: getting it back then is no new focus change.
  std::array<bool, 2> operandKeptFocus_{};
};

}  // namespace numbrella
