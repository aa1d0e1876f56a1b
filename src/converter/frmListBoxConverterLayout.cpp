// SPDX-License-Identifier: GPL-3.0-or-later
// The converter's controls and menus, and the handlers each one calls.
#include "converter/frmListBoxConverter.h"

#include "converter/frmConverterArt.h"
#include "reference/frmInfo1.h"
#include "ui/menu_keys.h"
#include "ui/screen_fit.h"
#include "ui/text.h"
#include "ui/text_field.h"
#include "ui/twips.h"
#include "ui/window_font.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

namespace numbrella {

namespace {

using Handler = void (frmListBoxConverter::*)();

using ui::Px;
using ui::Q;
using ui::Twips;
using ui::WindowFont;

constexpr QPoint kLeftListPlace{660, 900};
constexpr QPoint kRightListPlace{4440, 900};

}  // namespace

// The handlers of one category: its command, its shortcut and its two lists.
struct frmListBoxConverter::CategoryHandlers {
  std::string_view menuName;
  Qt::Key key;
  Handler command;
  Handler left;
  Handler right;
};

const frmListBoxConverter::CategoryHandlers& frmListBoxConverter::HandlersOf(
    std::string_view menuName) {
  static const CategoryHandlers kCategoryHandlers[] = {
    {"mnuArea", Qt::Key_A, &frmListBoxConverter::mnuArea_Click,
     &frmListBoxConverter::lstArea1_Click, &frmListBoxConverter::lstArea2_Click},
    {"mnuMemory", Qt::Key_C, &frmListBoxConverter::mnuMemory_Click,
     &frmListBoxConverter::lstMemory1_Click, &frmListBoxConverter::lstMemory2_Click},
    {"mnuDistance", Qt::Key_D, &frmListBoxConverter::mnuDistance_Click,
     &frmListBoxConverter::lstDistance1_Click, &frmListBoxConverter::lstDistance2_Click},
    {"mnuEnergy", Qt::Key_G, &frmListBoxConverter::mnuEnergy_Click,
     &frmListBoxConverter::lstEnergy1_Click, &frmListBoxConverter::lstEnergy2_Click},
    {"mnuFlowRate", Qt::Key_F, &frmListBoxConverter::mnuFlowRate_Click,
     &frmListBoxConverter::lstFlow1_Click, &frmListBoxConverter::lstFlow2_Click},
    {"mnuForce", Qt::Key_O, &frmListBoxConverter::mnuForce_Click,
     &frmListBoxConverter::lstForce1_Click, &frmListBoxConverter::lstForce2_Click},
    {"mnuLight", Qt::Key_L, &frmListBoxConverter::mnuLight_Click,
     &frmListBoxConverter::lstLight1_Click, &frmListBoxConverter::lstLight2_Click},
    {"mnuMass", Qt::Key_M, &frmListBoxConverter::mnuMass_Click,
     &frmListBoxConverter::lstMass1_Click, &frmListBoxConverter::lstMass2_Click},
    {"mnuPower", Qt::Key_W, &frmListBoxConverter::mnuPower_Click,
     &frmListBoxConverter::lstPower1_Click, &frmListBoxConverter::lstPower2_Click},
    {"mnuPressure", Qt::Key_P, &frmListBoxConverter::mnuPressure_Click,
     &frmListBoxConverter::lstPressure1_Click, &frmListBoxConverter::lstPressure2_Click},
    {"mnuTemp", Qt::Key_E, &frmListBoxConverter::mnuTemp_Click,
     &frmListBoxConverter::lstTemps1_Click, &frmListBoxConverter::lstTemps2_Click},
    {"mnuTorque", Qt::Key_T, &frmListBoxConverter::mnuTorque_Click,
     &frmListBoxConverter::lstTorque1_Click, &frmListBoxConverter::lstTorque2_Click},
    {"mnuSpeed", Qt::Key_Y, &frmListBoxConverter::mnuSpeed_Click,
     &frmListBoxConverter::lstSpeed1_Click, &frmListBoxConverter::lstSpeed2_Click},
    {"mnuVolume", Qt::Key_V, &frmListBoxConverter::mnuVolume_Click,
     &frmListBoxConverter::lstVolume1_Click, &frmListBoxConverter::lstVolume2_Click},
  };
  for (const CategoryHandlers& entry : kCategoryHandlers) {
    if (entry.menuName == menuName) return entry;
  }
  return kCategoryHandlers[0];
}

// ---- the window's controls ---------------------------------------------------------

void frmListBoxConverter::BuildControls() {
  surface_ = new QWidget(this);
  surface_->setObjectName(QStringLiteral("frmListBoxConverterClient"));
  surface_->setFixedSize(Px(8115), Px(4980));
  surface_->setFont(WindowFont(8.25, true));
  surface_->installEventFilter(this);
  setCentralWidget(surface_);

  auto label = [this](const char* name, QRect place, const QFont& font) {
    auto* widget = new QLabel(surface_);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(place);
    widget->setFont(font);
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    widget->setTextFormat(Qt::PlainText);
    return widget;
  };
  const QFont normal = WindowFont(8.25, true);
  const QFont medium = WindowFont(9.75, true);
  const QFont large = WindowFont(12, true);

  // Fields first: the input field is first in the focus order.
  txtIn = ui::TextField(surface_);
  txtIn->setObjectName(QStringLiteral("txtIn"));
  txtIn->setGeometry(Twips(900, 2940, 4935, 435));
  txtIn->setFont(large);
  txtIn->setToolTip(QStringLiteral("Input your data here"));

  txtOut = ui::TextField(surface_);
  txtOut->setObjectName(QStringLiteral("txtOut"));
  txtOut->setGeometry(Twips(900, 3600, 4935, 435));
  txtOut->setFont(large);
  txtOut->setToolTip(QStringLiteral("Your conversion appears here"));
  QPalette outPalette = txtOut->palette();
  outPalette.setColor(QPalette::Base, QColor(255, 192, 192));
  txtOut->setPalette(outPalette);

  cmbDP = new QComboBox(surface_);
  cmbDP->setObjectName(QStringLiteral("cmbDP"));
  cmbDP->setEditable(true);
  cmbDP->setInsertPolicy(QComboBox::NoInsert);
  cmbDP->setCompleter(nullptr);
  cmbDP->setFont(medium);
  cmbDP->setToolTip(QStringLiteral("Select number of decimal points"));
  for (const DecimalPlacesItem& item : DecimalPlacesItems()) {
    cmbDP->addItem(Q(item.text), item.data);
  }
  cmbDP->setMaxVisibleItems(8);
  cmbDP->setGeometry(Px(240), Px(4335), Px(675), cmbDP->sizeHint().height());
  cmbDP->setCurrentIndex(-1);
  cmbDP->setEditText(QString());

  lblTitle = label("lblTitle", Twips(1380, 120, 5355, 435), WindowFont(13.5, true));
  lblTitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label6 = label("Label6", Twips(660, 660, 615, 195), WindowFont(8.25, false));
  Label7 = label("Label7", Twips(4440, 660, 615, 195), WindowFont(8.25, false));

  auto categories = Categories();
  for (std::size_t i = 0; i < categories.size() && i < leftLists_.size(); ++i) {
    const UnitCategory& category = categories[i];
    const CategoryHandlers& handlers = HandlersOf(category.menuName);
    auto makeList = [&](std::string_view name, QPoint place, Handler handler) {
      auto* list = new QListWidget(surface_);
      list->setObjectName(Q(name));
      list->setSelectionMode(QAbstractItemView::SingleSelection);
      list->setGeometry(Twips(place.x(), place.y(), 3015, 1425));
      list->setFont(normal);
      for (const Unit& unit : category.units) {
        auto* item = new QListWidgetItem(Q(unit.text), list);
        item->setData(Qt::UserRole, static_cast<int>(unit.code));
      }
      list->setVisible(i == 0);
      connect(list, &QListWidget::currentRowChanged, this, [this, handler] { (this->*handler)(); });
      // A list always shows its unit: Ctrl+click on it does not take the selection away.
      connect(list, &QListWidget::itemSelectionChanged, list, [list] {
        if (list->selectedItems().isEmpty() && list->currentItem() != nullptr) {
          list->currentItem()->setSelected(true);
        }
      });
      return list;
    };
    leftLists_[i] = makeList(category.leftList, kLeftListPlace, handlers.left);
    rightLists_[i] = makeList(category.rightList, kRightListPlace, handlers.right);
    shown_.leftVisible[i] = shown_.rightVisible[i] = i == 0 ? 1 : 0;
  }

  const QString reverseTip = QStringLiteral("Click here to reverse conversion");
  Image1 = label("Image1", Twips(3840, 1380, 480, 480), normal);
  Image1->setPixmap(HandPicture(true));
  Image1->setToolTip(reverseTip);
  Image2 = label("Image2", Twips(3840, 1380, 480, 480), normal);
  Image2->setPixmap(HandPicture(false));
  Image2->setToolTip(reverseTip);
  Image2->setVisible(false);

  Label3 = label("Label3", Twips(300, 3060, 555, 315), medium);
  Label3->setText(QStringLiteral("Input:"));
  Label1 = label("Label1", Twips(5940, 3120, 2175, 435), normal);
  Label1->setWordWrap(true);  // the longest unit names take a second line
  Label4 = label("Label4", Twips(120, 3720, 735, 315), medium);
  Label4->setText(QStringLiteral("Output:"));
  Label2 = label("Label2", Twips(5940, 3780, 2175, 435), normal);
  Label2->setWordWrap(true);
  Label5 = label("Label5", Twips(1020, 4380, 1635, 315), medium);
  Label5->setText(QStringLiteral("Decimal points"));
  Label5->setToolTip(QStringLiteral("Select number of decimal points"));

  cmdSwap1 = new QPushButton(QStringLiteral("&Swap Units"), surface_);
  cmdSwap1->setObjectName(QStringLiteral("cmdSwap1"));
  cmdSwap1->setGeometry(Twips(4920, 4320, 1395, 375));
  cmdSwap1->setFont(medium);
  cmdSwap1->setToolTip(QStringLiteral("Invert selected units"));
  cmdSwap1->setAutoDefault(false);

  // The focus sink lies under the copy button: it takes the focus unseen.
  Text1 = ui::TextField(surface_);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setGeometry(Twips(6900, 4380, 435, 285));

  cmdCopy = new QPushButton(QStringLiteral("&Clipboard"), surface_);
  cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
  cmdCopy->setGeometry(Twips(6480, 4320, 1395, 375));
  cmdCopy->setFont(medium);
  cmdCopy->setToolTip(QStringLiteral("Copy output to clipboard"));
  cmdCopy->setAutoDefault(false);
  Text1->lower();

  shown_.label6 = ui::Utf8(Label6->text());
  shown_.label7 = ui::Utf8(Label7->text());

  connect(txtIn, &QLineEdit::textChanged, this, &frmListBoxConverter::txtIn_Change);
  connect(txtOut, &QLineEdit::textEdited, this, [this](const QString& text) {
    shown_.output = ui::Utf8(text);
    model_.OutputEdited(shown_.output);
  });
  connect(cmbDP->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
    shown_.decimals = ui::Utf8(text);
    model_.DecimalTextEdited(shown_.decimals);
  });
  connect(cmbDP, &QComboBox::activated, this, &frmListBoxConverter::cmbDP_Click);
  connect(cmdSwap1, &QPushButton::clicked, this, &frmListBoxConverter::cmdSwap1_Click);
  connect(cmdCopy, &QPushButton::clicked, this, &frmListBoxConverter::cmdCopy_Click);

  for (QObject* watched : {static_cast<QObject*>(Image1), static_cast<QObject*>(Image2),
                           static_cast<QObject*>(Label1), static_cast<QObject*>(Label2)}) {
    watched->installEventFilter(this);
  }
  for (QObject* watched : {static_cast<QObject*>(txtIn), static_cast<QObject*>(txtOut),
                           static_cast<QObject*>(cmbDP), static_cast<QObject*>(cmbDP->lineEdit())}) {
    watched->installEventFilter(this);
  }
  cmbDP->view()->installEventFilter(this);
  menuKeys_->WatchControlsOf(surface_);
  menuKeys_->Watch(cmbDP->lineEdit());
  txtIn->setFocus(Qt::OtherFocusReason);
}

QAction* frmListBoxConverter::AddMenuEntry(QMenu* menu, std::string_view name,
                                           std::string_view caption, Qt::Key key,
                                           Handler handler) {
  QAction* action = menuKeys_->AddEntry(menu, name, caption, key);
  connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
  return action;
}

void frmListBoxConverter::BuildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("menuBar"));
  mnuLists = bar->addMenu(QStringLiteral("&Lists"));
  mnuLists->setObjectName(QStringLiteral("mnuLists"));
  auto categories = Categories();
  for (std::size_t i = 0; i < categories.size() && i < categoryActions_.size(); ++i) {
    const CategoryHandlers& handlers = HandlersOf(categories[i].menuName);
    categoryActions_[i] = AddMenuEntry(mnuLists, categories[i].menuName, categories[i].caption,
                                       handlers.key, handlers.command);
  }
  mnuOptions = bar->addMenu(QStringLiteral("&Options"));
  mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
  mnuSave = AddMenuEntry(mnuOptions, "mnuSave", "&Save to Clipboard", Qt::Key_S,
                         &frmListBoxConverter::mnuSave_Click);
  mnuSwap = AddMenuEntry(mnuOptions, "mnuSwap", "Swap Selected &Units", Qt::Key_U,
                         &frmListBoxConverter::mnuSwap_Click);
  mnuInfo = bar->addMenu(QStringLiteral("&Info"));
  mnuInfo->setObjectName(QStringLiteral("mnuInfo"));
  mnuShowInfo = AddMenuEntry(mnuInfo, "mnuShowInfo", "The S&I System", Qt::Key_I,
                             &frmListBoxConverter::mnuShowInfo_Click);
  mnuSIBaseUnits = AddMenuEntry(mnuInfo, "mnuSIBaseUnits", "SI &Base Units", Qt::Key_B,
                                &frmListBoxConverter::mnuSIBaseUnits_Click);
  mnuPrefixes = AddMenuEntry(mnuInfo, "mnuPrefixes", "SI Prefi&xes", Qt::Key_X,
                             &frmListBoxConverter::mnuPrefixes_Click);
}

}  // namespace numbrella
