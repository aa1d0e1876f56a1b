// SPDX-License-Identifier: GPL-3.0-or-later
// The converter's controls and menus, placed from the window's table, and the handlers
// each one calls.
#include "converter/frmListBoxConverter.h"

#include "converter/frmConverterArt.h"
#include "ui/menu_keys.h"
#include "ui/text.h"
#include "ui/text_field.h"
#include "ui/translations.h"
#include "ui/twips.h"
#include "ui/window_font.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtGlobal>

#include <iterator>

namespace numbrella {

namespace {

struct Font {
  double points;
  bool bold;
};

constexpr Font kWindowFont{8.25, true};
constexpr Font kCaptionFont{8.25, false};
constexpr Font kMediumFont{9.75, true};
constexpr Font kLargeFont{12, true};
constexpr Font kTitleFont{13.5, true};

constexpr int kClientWidth = 8115;  // twips
constexpr int kClientHeight = 4980;
// All left lists lie in one place, all right lists in another: only one pair shows.
constexpr ui::TwipsRect kLeftLists{660, 900, 3015, 1425};
constexpr ui::TwipsRect kRightLists{4440, 900, 3015, 1425};

QLabel* NewControl(QLabel*, QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QLineEdit* NewControl(QLineEdit*, QWidget* parent, const QString&) { return ui::TextField(parent); }

QComboBox* NewControl(QComboBox*, QWidget* parent, const QString&) { return new QComboBox(parent); }

QPushButton* NewControl(QPushButton*, QWidget* parent, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setAutoDefault(false);
  return button;
}

// Creates the control that `member` of the window holds, of that member's type.
template <auto member>
QWidget* Make(frmListBoxConverter& window, QWidget* parent, const QString& text) {
  auto*& control = window.*member;
  control = NewControl(control, parent, text);
  return control;
}

}  // namespace

// One control of the window: its name, the member that holds it, its place in twips,
// its font, its caption and its tooltip.
struct frmListBoxConverter::ControlRow {
  const char* name;
  QWidget* (*make)(frmListBoxConverter& window, QWidget* parent, const QString& text);
  ui::TwipsRect place;
  Font font;
  const char* text;  // nullptr: none, or the one the window writes
  const char* tip;   // nullptr: none
};

// The fields come first: the input field is first in the focus order. The focus sink
// Text1 lies under the copy button, where it takes the focus unseen. The drop-down is
// one line high, the height of its own text.
constexpr frmListBoxConverter::ControlRow frmListBoxConverter::kControls[] = {
    {"txtIn", Make<&frmListBoxConverter::txtIn>, {900, 2940, 4935, 435}, kLargeFont, nullptr,
     QT_TRANSLATE_NOOP("numbrella::frmListBoxConverter", "Input your data here")},
    {"txtOut", Make<&frmListBoxConverter::txtOut>, {900, 3600, 4935, 435}, kLargeFont, nullptr,
     QT_TRANSLATE_NOOP("numbrella::frmListBoxConverter", "Your conversion appears here")},
    {"cmbDP", Make<&frmListBoxConverter::cmbDP>, {240, 4335, 675, 0}, kMediumFont, nullptr,
     QT_TRANSLATE_NOOP("numbrella::frmListBoxConverter", "Select number of decimal points")},
    {"lblTitle", Make<&frmListBoxConverter::lblTitle>, {1380, 120, 5355, 435}, kTitleFont,
     nullptr, nullptr},
    {"Label6", Make<&frmListBoxConverter::Label6>, {660, 660, 615, 195}, kCaptionFont, nullptr,
     nullptr},
    {"Label7", Make<&frmListBoxConverter::Label7>, {4440, 660, 615, 195}, kCaptionFont, nullptr,
     nullptr},
    {"Image1", Make<&frmListBoxConverter::Image1>, {3840, 1380, 480, 480}, kWindowFont, nullptr,
     QT_TRANSLATE_NOOP("numbrella::frmListBoxConverter", "Click here to reverse conversion")},
    {"Image2", Make<&frmListBoxConverter::Image2>, {3840, 1380, 480, 480}, kWindowFont, nullptr,
     QT_TRANSLATE_NOOP("numbrella::frmListBoxConverter", "Click here to reverse conversion")},
    {"Label3", Make<&frmListBoxConverter::Label3>, {300, 3060, 555, 315}, kMediumFont,
     QT_TRANSLATE_NOOP("numbrella::frmListBoxConverter", "Input:"), nullptr},
    {"Label1", Make<&frmListBoxConverter::Label1>, {5940, 3120, 2175, 435}, kWindowFont, nullptr,
     nullptr},
    {"Label4", Make<&frmListBoxConverter::Label4>, {120, 3720, 735, 315}, kMediumFont,
     QT_TRANSLATE_NOOP("numbrella::frmListBoxConverter", "Output:"), nullptr},
    {"Label2", Make<&frmListBoxConverter::Label2>, {5940, 3780, 2175, 435}, kWindowFont, nullptr,
     nullptr},
    {"Label5", Make<&frmListBoxConverter::Label5>, {1020, 4380, 1635, 315}, kMediumFont,
     QT_TRANSLATE_NOOP("numbrella::frmListBoxConverter", "Decimal points"),
     QT_TRANSLATE_NOOP("numbrella::frmListBoxConverter", "Select number of decimal points")},
    {"cmdSwap1", Make<&frmListBoxConverter::cmdSwap1>, {4920, 4320, 1395, 375}, kMediumFont,
     QT_TRANSLATE_NOOP("numbrella::frmListBoxConverter", "&Swap Units"),
     QT_TRANSLATE_NOOP("numbrella::frmListBoxConverter", "Invert selected units")},
    {"Text1", Make<&frmListBoxConverter::Text1>, {6900, 4380, 435, 285}, kWindowFont, nullptr,
     nullptr},
    {"cmdCopy", Make<&frmListBoxConverter::cmdCopy>, {6480, 4320, 1395, 375}, kMediumFont,
     QT_TRANSLATE_NOOP("numbrella::frmListBoxConverter", "&Clipboard"),
     QT_TRANSLATE_NOOP("numbrella::frmListBoxConverter", "Copy output to clipboard")},
};

// The handlers of one category, by its index in the catalogue: its command, its
// shortcut and its two lists.
struct frmListBoxConverter::CategoryRow {
  int category;
  Qt::Key key;
  Handler command;
  Handler left;
  Handler right;
};

constexpr frmListBoxConverter::CategoryRow frmListBoxConverter::kCategoryRows[] = {
    {category::kArea, Qt::Key_A, &frmListBoxConverter::mnuArea_Click,
     &frmListBoxConverter::lstArea1_Click, &frmListBoxConverter::lstArea2_Click},
    {category::kMemory, Qt::Key_C, &frmListBoxConverter::mnuMemory_Click,
     &frmListBoxConverter::lstMemory1_Click, &frmListBoxConverter::lstMemory2_Click},
    {category::kDistance, Qt::Key_D, &frmListBoxConverter::mnuDistance_Click,
     &frmListBoxConverter::lstDistance1_Click, &frmListBoxConverter::lstDistance2_Click},
    {category::kEnergy, Qt::Key_G, &frmListBoxConverter::mnuEnergy_Click,
     &frmListBoxConverter::lstEnergy1_Click, &frmListBoxConverter::lstEnergy2_Click},
    {category::kFlowRate, Qt::Key_F, &frmListBoxConverter::mnuFlowRate_Click,
     &frmListBoxConverter::lstFlow1_Click, &frmListBoxConverter::lstFlow2_Click},
    {category::kForce, Qt::Key_O, &frmListBoxConverter::mnuForce_Click,
     &frmListBoxConverter::lstForce1_Click, &frmListBoxConverter::lstForce2_Click},
    {category::kLight, Qt::Key_L, &frmListBoxConverter::mnuLight_Click,
     &frmListBoxConverter::lstLight1_Click, &frmListBoxConverter::lstLight2_Click},
    {category::kMass, Qt::Key_M, &frmListBoxConverter::mnuMass_Click,
     &frmListBoxConverter::lstMass1_Click, &frmListBoxConverter::lstMass2_Click},
    {category::kPower, Qt::Key_W, &frmListBoxConverter::mnuPower_Click,
     &frmListBoxConverter::lstPower1_Click, &frmListBoxConverter::lstPower2_Click},
    {category::kPressure, Qt::Key_P, &frmListBoxConverter::mnuPressure_Click,
     &frmListBoxConverter::lstPressure1_Click, &frmListBoxConverter::lstPressure2_Click},
    {category::kTemperature, Qt::Key_E, &frmListBoxConverter::mnuTemp_Click,
     &frmListBoxConverter::lstTemps1_Click, &frmListBoxConverter::lstTemps2_Click},
    {category::kTorque, Qt::Key_T, &frmListBoxConverter::mnuTorque_Click,
     &frmListBoxConverter::lstTorque1_Click, &frmListBoxConverter::lstTorque2_Click},
    {category::kVelocity, Qt::Key_Y, &frmListBoxConverter::mnuSpeed_Click,
     &frmListBoxConverter::lstSpeed1_Click, &frmListBoxConverter::lstSpeed2_Click},
    {category::kVolume, Qt::Key_V, &frmListBoxConverter::mnuVolume_Click,
     &frmListBoxConverter::lstVolume1_Click, &frmListBoxConverter::lstVolume2_Click},
};

// ---- the window's controls ---------------------------------------------------------

void frmListBoxConverter::BuildControls() {
  surface_ = new QWidget(this);
  surface_->setObjectName(QStringLiteral("frmListBoxConverterClient"));
  surface_->setFixedSize(ui::Px(kClientWidth), ui::Px(kClientHeight));
  surface_->setFont(ui::WindowFont(kWindowFont.points, kWindowFont.bold));
  surface_->installEventFilter(this);
  setCentralWidget(surface_);

  for (const ControlRow& row : kControls) {
    QWidget* control = row.make(*this, surface_, row.text != nullptr ? tr(row.text) : QString());
    control->setObjectName(QLatin1String(row.name));
    control->setGeometry(ui::Px(row.place));
    control->setFont(ui::WindowFont(row.font.points, row.font.bold));
    if (row.tip != nullptr) control->setToolTip(tr(row.tip));
  }
  Text1->lower();
  lblTitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  // The longest unit names take a second line.
  Label1->setWordWrap(true);
  Label2->setWordWrap(true);
  Image1->setPixmap(HandPicture(true));
  Image2->setPixmap(HandPicture(false));
  QPalette outPalette = txtOut->palette();
  outPalette.setColor(QPalette::Base, QColor(255, 192, 192));
  txtOut->setPalette(outPalette);

  cmbDP->setEditable(true);
  cmbDP->setInsertPolicy(QComboBox::NoInsert);
  cmbDP->setCompleter(nullptr);
  for (const DecimalPlacesItem& item : DecimalPlacesItems()) {
    cmbDP->addItem(ui::Q(item.text), item.data);
  }
  cmbDP->setMaxVisibleItems(8);
  cmbDP->resize(cmbDP->width(), cmbDP->sizeHint().height());
  cmbDP->setCurrentIndex(-1);
  cmbDP->setEditText(QString());

  BuildLists();
  ConnectControls();
  txtIn->setFocus(Qt::OtherFocusReason);
}

void frmListBoxConverter::BuildLists() {
  static_assert(std::size(kCategoryRows) == kCategoryCount);
  static_assert([] {
    for (int i = 0; i < kCategoryCount; ++i) {
      if (kCategoryRows[i].category != i) return false;
    }
    return true;
  }(), "the rows follow the catalogue");
  const QFont font = ui::WindowFont(kWindowFont.points, kWindowFont.bold);
  auto makeList = [&](const UnitCategory& category, std::string_view name, ui::TwipsRect place,
                      Handler handler) {
    auto* list = new QListWidget(surface_);
    list->setObjectName(ui::Q(name));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setGeometry(ui::Px(place));
    list->setFont(font);
    for (const Unit& unit : category.units) {
      auto* item = new QListWidgetItem(ui::Translated(kUnitCatalogueContext, unit.text), list);
      item->setData(Qt::UserRole, static_cast<int>(unit.code));
    }
    connect(list, &QListWidget::currentRowChanged, this, [this, handler] { (this->*handler)(); });
    connect(list, &QListWidget::itemSelectionChanged, list, [list] {
      const QList<QListWidgetItem*> selected = list->selectedItems();
      // A list always shows its unit: Ctrl+click on it does not take the selection away.
      if (selected.isEmpty()) {
        if (list->currentItem() != nullptr) list->currentItem()->setSelected(true);
        return;
      }
      // A screen reader picks a unit by selecting it beside the one selected: it becomes
      // the list's unit, as a click makes it.
      for (QListWidgetItem* item : selected) {
        if (item != list->currentItem()) {
          list->setCurrentItem(item);
          return;
        }
      }
    });
    return list;
  };
  for (const CategoryRow& row : kCategoryRows) {
    const UnitCategory& category = Categories()[row.category];
    leftLists_[row.category] = makeList(category, category.leftList, kLeftLists, row.left);
    rightLists_[row.category] = makeList(category, category.rightList, kRightLists, row.right);
  }
}

void frmListBoxConverter::ConnectControls() {
  connect(txtIn, &QLineEdit::textChanged, this, &frmListBoxConverter::txtIn_Change);
  connect(txtOut, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.OutputEdited(ui::Utf8(text)); });
  connect(cmbDP->lineEdit(), &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.DecimalTextEdited(ui::Utf8(text)); });
  connect(cmbDP, &QComboBox::activated, this, &frmListBoxConverter::cmbDP_Click);
  connect(cmdSwap1, &QPushButton::clicked, this, &frmListBoxConverter::cmdSwap1_Click);
  connect(cmdCopy, &QPushButton::clicked, this, &frmListBoxConverter::cmdCopy_Click);

  for (QObject* watched : {static_cast<QObject*>(Image1), static_cast<QObject*>(Image2),
                           static_cast<QObject*>(Label1), static_cast<QObject*>(Label2),
                           static_cast<QObject*>(txtIn), static_cast<QObject*>(txtOut),
                           static_cast<QObject*>(cmbDP), static_cast<QObject*>(cmbDP->lineEdit()),
                           static_cast<QObject*>(cmbDP->view())}) {
    watched->installEventFilter(this);
  }
  menuKeys_->WatchControlsOf(surface_);
  menuKeys_->Watch(cmbDP->lineEdit());
}

// ---- the menus -----------------------------------------------------------------------

QAction* frmListBoxConverter::AddMenuEntry(QMenu* menu, std::string_view name,
                                           const QString& caption, Qt::Key key, Handler handler) {
  QAction* action = menuKeys_->AddEntry(menu, name, caption, key);
  connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
  return action;
}

void frmListBoxConverter::BuildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("menuBar"));
  mnuLists = bar->addMenu(tr("&Lists"));
  mnuLists->setObjectName(QStringLiteral("mnuLists"));
  for (const CategoryRow& row : kCategoryRows) {
    const UnitCategory& category = Categories()[row.category];
    categoryActions_[row.category] =
        AddMenuEntry(mnuLists, category.menuName,
                     ui::Translated(kUnitCatalogueContext, category.caption), row.key, row.command);
  }
  mnuOptions = bar->addMenu(tr("&Options"));
  mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
  mnuSave = AddMenuEntry(mnuOptions, "mnuSave", tr("&Save to Clipboard"), Qt::Key_S,
                         &frmListBoxConverter::mnuSave_Click);
  mnuSwap = AddMenuEntry(mnuOptions, "mnuSwap", tr("Swap Selected &Units"), Qt::Key_U,
                         &frmListBoxConverter::mnuSwap_Click);
  mnuInfo = bar->addMenu(tr("&Info"));
  mnuInfo->setObjectName(QStringLiteral("mnuInfo"));
  mnuShowInfo = AddMenuEntry(mnuInfo, "mnuShowInfo", tr("The S&I System"), Qt::Key_I,
                             &frmListBoxConverter::mnuShowInfo_Click);
  mnuSIBaseUnits = AddMenuEntry(mnuInfo, "mnuSIBaseUnits", tr("SI &Base Units"), Qt::Key_B,
                                &frmListBoxConverter::mnuSIBaseUnits_Click);
  mnuPrefixes = AddMenuEntry(mnuInfo, "mnuPrefixes", tr("SI Prefi&xes"), Qt::Key_X,
                             &frmListBoxConverter::mnuPrefixes_Click);
}

}  // namespace numbrella
