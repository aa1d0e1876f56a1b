// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversion calculator window. The window logic lives in ConverterModel; the
// window passes the user's actions to it and shows what it holds.
#include "converter/converter_model.h"
#include "reference/frmInfo1.h"
#include "ui/services.h"

#include <QMainWindow>

#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

namespace numbrella {

namespace ui {
class MenuKeys;
}  // namespace ui

class frmListBoxConverter : public QMainWindow {
  Q_OBJECT

 public:
  // Builds the window with the services it uses (they must outlive it) and the way to
  // show a reference window, and loads it (Form_Load); not shown yet.
  frmListBoxConverter(const ui::Services& services, std::function<void(SIWindow)> showSIWindow);
  frmListBoxConverter(ui::Services&& services, std::function<void(SIWindow)> showSIWindow) = delete;
  ~frmListBoxConverter() override;

  // The "&Lists" menu, also shown as the pop-up on the window background.
  QMenu* ListsMenu() const { return mnuLists; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Window events.
  void Form_Load();
  void Form_Click();
  void Form_MouseUp(Qt::MouseButton button, const QPoint& globalPosition);
  // The category commands, one for each quantity of the "&Lists" menu (mnuArea ...
  // mnuVolume), and the selections in its left lists (lstArea1 ... lstVolume1) and
  // right lists (lstArea2 ... lstVolume2), each given the category's index.
  void mnuCategory_Click(int category);
  void lstFrom_Click(int category);
  void lstInto_Click(int category);
  // The other controls.
  void Image1_Click();
  void Image2_Click();
  void txtIn_Change();
  void txtIn_GotFocus();
  void txtOut_GotFocus();
  void cmbDP_Click();
  void cmdSwap1_Click();
  void mnuSwap_Click();
  void cmdCopy_Click();
  void mnuSave_Click();
  void Label1_DblClick();
  void Label2_Click();
  void mnuShowInfo_Click();
  void mnuSIBaseUnits_Click();
  void mnuPrefixes_Click();

  // Procedures.
  void TextSelected();
  // Writes what the model holds into the controls that show something else. Controls
  // set here raise no handler: the model has run them already.
  void ShowModel();

  // The layout: the controls placed from the window's table, the unit lists, the menus.
  struct CategoryRow;
  static const CategoryRow kCategoryRows[];
  void BuildControls();
  void BuildLists();
  void FitToDesktop();
  void DesktopChanged();
  void ConnectControls();
  void BuildMenus();
  // Names for screen readers, the Tab chain, the focus marks.
  void NameOutput();
  void MakeAccessible();
  // The unit lists are named after the captions above them and their categories.
  void NameLists();

  const ui::Services& services_;
  const std::function<void(SIWindow)> showSIWindow_;
  ConverterModel model_;

  // The controls, by role.
  QWidget* surface_ = nullptr;      // the client area below the menu bar
  QLabel* lblTitle = nullptr;       // the category's title; its tooltip describes it
  QLabel* Label6 = nullptr;         // caption over the left lists: "Convert:" or "Into:"
  QLabel* Label7 = nullptr;         // caption over the right lists: the other one
  QLabel* Image1 = nullptr;         // hand pointing right: converting left to right
  QLabel* Image2 = nullptr;         // hand pointing left: converting right to left
  QLabel* Label3 = nullptr;         // caption "Input:"
  QLineEdit* txtIn = nullptr;       // the number to convert
  QLabel* Label1 = nullptr;         // the unit of the input
  QLabel* Label4 = nullptr;         // caption "Output:"
  QLineEdit* txtOut = nullptr;      // the converted number
  QLabel* Label2 = nullptr;         // the unit of the output
  QComboBox* cmbDP = nullptr;       // decimal places of the output
  QLabel* Label5 = nullptr;         // caption "Decimal points"
  QPushButton* cmdSwap1 = nullptr;  // swaps the units
  QPushButton* cmdCopy = nullptr;   // copies the output to the clipboard
  QLineEdit* Text1 = nullptr;       // takes the focus from a click on the background
  // The unit lists of each category by its catalogue index: lstArea1 ... lstVolume1 on
  // the left, lstArea2 ... lstVolume2 on the right.
  std::array<QListWidget*, kCategoryCount> leftLists_{};
  std::array<QListWidget*, kCategoryCount> rightLists_{};

  // The menus: the one the window shows as its pop-up too.
  QMenu* mnuLists = nullptr;
  ui::MenuKeys* menuKeys_;

  QObject* pressed_ = nullptr;  // the control a left button went down on
};

}  // namespace numbrella
