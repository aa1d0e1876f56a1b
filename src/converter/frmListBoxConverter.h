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
#include <string_view>

class QAction;
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
  // Category commands.
  void mnuArea_Click();
  void mnuMemory_Click();
  void mnuDistance_Click();
  void mnuEnergy_Click();
  void mnuFlowRate_Click();
  void mnuForce_Click();
  void mnuLight_Click();
  void mnuMass_Click();
  void mnuPower_Click();
  void mnuPressure_Click();
  void mnuTemp_Click();
  void mnuTorque_Click();
  void mnuSpeed_Click();
  void mnuVolume_Click();
  // Selections in the left lists.
  void lstArea1_Click();
  void lstMemory1_Click();
  void lstDistance1_Click();
  void lstEnergy1_Click();
  void lstFlow1_Click();
  void lstForce1_Click();
  void lstLight1_Click();
  void lstMass1_Click();
  void lstPower1_Click();
  void lstPressure1_Click();
  void lstTemps1_Click();
  void lstTorque1_Click();
  void lstSpeed1_Click();
  void lstVolume1_Click();
  // Selections in the right lists.
  void lstArea2_Click();
  void lstMemory2_Click();
  void lstDistance2_Click();
  void lstEnergy2_Click();
  void lstFlow2_Click();
  void lstForce2_Click();
  void lstLight2_Click();
  void lstMass2_Click();
  void lstPower2_Click();
  void lstPressure2_Click();
  void lstTemps2_Click();
  void lstTorque2_Click();
  void lstSpeed2_Click();
  void lstVolume2_Click();
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
  void ChooseCategory(int category);
  void LeftListClicked(int category);
  void RightListClicked(int category);
  // Writes what the model holds into the controls that show something else. Controls
  // set here raise no handler: the model has run them already.
  void ShowModel();

  // The layout: the controls placed from the window's table, the unit lists, the menus.
  struct ControlRow;
  struct CategoryRow;
  static const ControlRow kControls[];
  static const CategoryRow kCategoryRows[];
  void BuildControls();
  void BuildLists();
  void ConnectControls();
  void BuildMenus();
  // Names for screen readers, the Tab chain, the focus marks.
  void MakeAccessible();
  // The unit lists are named after the captions above them and their categories.
  void NameLists();
  using Handler = void (frmListBoxConverter::*)();
  QAction* AddMenuEntry(QMenu* menu, std::string_view name, const QString& caption, Qt::Key key,
                        Handler handler);

  const ui::Services& services_;
  const std::function<void(SIWindow)> showSIWindow_;
  ConverterModel model_;

  QWidget* surface_ = nullptr;  // the client area below the menu bar
  QLabel* lblTitle = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label7 = nullptr;
  std::array<QListWidget*, kCategoryCount> leftLists_{};   // lstArea1 ... lstVolume1
  std::array<QListWidget*, kCategoryCount> rightLists_{};  // lstArea2 ... lstVolume2
  QLabel* Image1 = nullptr;
  QLabel* Image2 = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* txtIn = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* txtOut = nullptr;
  QLabel* Label2 = nullptr;
  QComboBox* cmbDP = nullptr;
  QLabel* Label5 = nullptr;
  QPushButton* cmdSwap1 = nullptr;
  QPushButton* cmdCopy = nullptr;
  QLineEdit* Text1 = nullptr;

  QMenu* mnuLists = nullptr;
  QMenu* mnuOptions = nullptr;
  QMenu* mnuInfo = nullptr;
  std::array<QAction*, kCategoryCount> categoryActions_{};  // mnuArea ... mnuVolume
  QAction* mnuSave = nullptr;
  QAction* mnuSwap = nullptr;
  QAction* mnuShowInfo = nullptr;
  QAction* mnuSIBaseUnits = nullptr;
  QAction* mnuPrefixes = nullptr;
  ui::MenuKeys* menuKeys_;

  QObject* pressed_ = nullptr;  // the control a left button went down on
};

}  // namespace numbrella
