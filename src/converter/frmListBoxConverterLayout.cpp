// SPDX-License-Identifier: GPL-3.0-or-later
// The converter's controls and menus, placed from the window's table, and the handlers
// each one calls.
#include "converter/frmListBoxConverter.h"

#include "converter/frmConverterArt.h"
#include "ui/layout.h"
#include "ui/menu_keys.h"
#include "ui/menus.h"
#include "ui/readable_colours.h"
#include "ui/screen_fit.h"
#include "ui/text.h"
#include "ui/translations.h"
#include "ui/window_font.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QtGlobal>

#include <initializer_list>
#include <iterator>
#include <vector>

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

QFont Of(Font font) { return ui::WindowFont(font.points, font.bold); }

constexpr int kClientWidth = 8115;  // twips
constexpr int kClientHeight = 4980;
// All left lists lie in one place, all right lists in another: only one pair shows.
constexpr ui::TwipsRect kLeftLists{660, 900, 3015, 1425};
constexpr ui::TwipsRect kRightLists{4440, 900, 3015, 1425};
// The list of decimal places shows "0" to "7" before it scrolls.
constexpr int kPlacesShownAtOnce = 8;

}  // namespace

// The shortcut of each category's command, by its index in the catalogue.
struct frmListBoxConverter::CategoryRow {
  int category;
  Qt::Key key;
};

constexpr frmListBoxConverter::CategoryRow frmListBoxConverter::kCategoryRows[] = {
    {category::kArea, Qt::Key_A},        {category::kMemory, Qt::Key_C},
    {category::kDistance, Qt::Key_D},    {category::kEnergy, Qt::Key_G},
    {category::kFlowRate, Qt::Key_F},    {category::kForce, Qt::Key_O},
    {category::kLight, Qt::Key_L},       {category::kMass, Qt::Key_M},
    {category::kPower, Qt::Key_W},       {category::kPressure, Qt::Key_P},
    {category::kTemperature, Qt::Key_E}, {category::kTorque, Qt::Key_T},
    {category::kVelocity, Qt::Key_Y},    {category::kVolume, Qt::Key_V},
};

// ---- the window's controls ---------------------------------------------------------

void frmListBoxConverter::BuildControls() {
  using W = frmListBoxConverter;
  using ui::Keep;
  // The fields come first: the input field is first in the focus order. The focus sink
  // Text1 lies under the copy button, where it takes the focus unseen. The drop-down is
  // one line high, the height of its own text.
  // clang-format off
  static constexpr ui::ControlRow kControls[] = {
      {Keep<&W::txtIn>, "txtIn", {900, 2940, 4935, 435}, nullptr,
       QT_TR_NOOP("Input your data here")},
      {Keep<&W::txtOut>, "txtOut", {900, 3600, 4935, 435}, nullptr,
       QT_TR_NOOP("Your conversion appears here")},
      {Keep<&W::cmbDP>, "cmbDP", {240, 4335, 675, 0}, nullptr,
       QT_TR_NOOP("Select number of decimal points")},
      {Keep<&W::lblTitle>, "lblTitle", {1380, 120, 5355, 435}},
      {Keep<&W::Label6>, "Label6", {660, 660, 615, 195}},
      {Keep<&W::Label7>, "Label7", {4440, 660, 615, 195}},
      {Keep<&W::Image1>, "Image1", {3840, 1380, 480, 480}, nullptr,
       QT_TR_NOOP("Click here to reverse conversion"), QT_TR_NOOP("Reverse conversion")},
      {Keep<&W::Image2>, "Image2", {3840, 1380, 480, 480}, nullptr,
       QT_TR_NOOP("Click here to reverse conversion"), QT_TR_NOOP("Reverse conversion")},
      {Keep<&W::Label3>, "Label3", {300, 3060, 555, 315}, QT_TR_NOOP("Input:")},
      {Keep<&W::Label1>, "Label1", {5940, 3120, 2175, 435}},
      {Keep<&W::Label4>, "Label4", {120, 3720, 735, 315}, QT_TR_NOOP("Output:")},
      {Keep<&W::Label2>, "Label2", {5940, 3780, 2175, 435}},
      {Keep<&W::Label5>, "Label5", {1020, 4380, 1635, 315}, QT_TR_NOOP("Decimal points"),
       QT_TR_NOOP("Select number of decimal points")},
      {Keep<&W::cmdSwap1>, "cmdSwap1", {4920, 4320, 1395, 375}, QT_TR_NOOP("&Swap Units"),
       QT_TR_NOOP("Invert selected units")},
      {Keep<&W::Text1>, "Text1", {6900, 4380, 435, 285}},
      {Keep<&W::cmdCopy>, "cmdCopy", {6480, 4320, 1395, 375}, QT_TR_NOOP("&Clipboard"),
       QT_TR_NOOP("Copy output to clipboard")},
  };
  // clang-format on

  surface_ = new QWidget(this);
  surface_->setObjectName(QStringLiteral("frmListBoxConverterClient"));
  surface_->setFont(Of(kWindowFont));
  surface_->installEventFilter(this);
  setCentralWidget(surface_);

  ui::Layout(*this).Create(surface_, kControls);
  lblTitle->setFont(Of(kTitleFont));
  for (QLabel* caption : {Label6, Label7}) caption->setFont(Of(kCaptionFont));
  for (QLineEdit* field : {txtIn, txtOut}) field->setFont(Of(kLargeFont));
  for (QWidget* control :
       std::initializer_list<QWidget*>{Label3, Label4, Label5, cmbDP, cmdSwap1, cmdCopy}) {
    control->setFont(Of(kMediumFont));
  }
  // Captions and pictures stand at the top left of their places.
  for (QLabel* label : surface_->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }
  Text1->lower();
  lblTitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  // The longest unit names take a second line.
  Label1->setWordWrap(true);
  Label2->setWordWrap(true);
  Image1->setPixmap(HandPicture(true));
  Image2->setPixmap(HandPicture(false));
  ui::FixBackground(txtOut, QColor(255, 192, 192));

  cmbDP->setEditable(true);
  cmbDP->setInsertPolicy(QComboBox::NoInsert);
  cmbDP->setCompleter(nullptr);
  for (const DecimalPlacesItem& item : DecimalPlacesItems()) {
    cmbDP->addItem(ui::Q(item.text), item.data);
  }
  cmbDP->setMaxVisibleItems(kPlacesShownAtOnce);
  cmbDP->setCurrentIndex(-1);
  cmbDP->setEditText(QString());

  BuildLists();
  FitToDesktop();
  ui::FollowDesktop(*this, [this] { DesktopChanged(); });
  ConnectControls();
  txtIn->setFocus(Qt::OtherFocusReason);
}

// What the table leaves to the desktop's font, style and palette, at start-up and after
// each change of theirs: the window's size, a drop-down as high as its text and wide
// enough for its values, and units as readable as the window's other texts.
void frmListBoxConverter::FitToDesktop() {
  surface_->setFixedSize(ui::Layout(*this).Pixels(kClientWidth, kClientHeight));
  cmbDP->resize(cmbDP->width(), cmbDP->sizeHint().height());
  // Styles with a wide arrow (Adwaita) leave the drop-down no room for "14": it grows
  // to show its widest value, and its caption moves along.
  if (const int grow = ui::WidthToShow(cmbDP) - cmbDP->width(); grow > 0) {
    cmbDP->resize(cmbDP->width() + grow, cmbDP->height());
    Label5->move(Label5->x() + grow, Label5->y());
  }
  // Some styles (Adwaita) grey the units out while another control has the focus,
  // too faintly to read; the units stay as readable as the window's other texts.
  for (auto* lists : {&leftLists_, &rightLists_}) {
    for (QListWidget* list : *lists) {
      QPalette colours = list->palette();
      colours.setColor(QPalette::Inactive, QPalette::Text,
                       colours.color(QPalette::Active, QPalette::Text));
      list->setPalette(colours);
    }
  }
}

// A new desktop font, palette or style: the window takes the size and places a start
// at that font gives it, where it stands; what it shows stays.
void frmListBoxConverter::DesktopChanged() {
  ui::Layout(*this).PlaceAgain(*this);
  FitToDesktop();
  ui::FitToScreen(*this, surface_->size());
}

void frmListBoxConverter::BuildLists() {
  static_assert(std::size(kCategoryRows) == kCategoryCount);
  static_assert(
      [] {
        for (int i = 0; i < kCategoryCount; ++i) {
          if (kCategoryRows[i].category != i) return false;
        }
        return true;
      }(),
      "the rows follow the catalogue");
  const QFont font = Of(kWindowFont);
  const ui::Layout layout(*this);
  auto makeList = [&](const UnitCategory& category, std::string_view name, ui::TwipsRect place,
                      void (frmListBoxConverter::*handler)(int), int index) {
    auto* list = new QListWidget(surface_);
    list->setObjectName(ui::Q(name));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    layout.Place(list, place);
    list->setFont(font);
    for (const Unit& unit : category.units) {
      auto* item = new QListWidgetItem(ui::Translated(kUnitCatalogueContext, unit.text), list);
      item->setData(Qt::UserRole, static_cast<int>(unit.code));
    }
    connect(list, &QListWidget::currentRowChanged, this,
            [this, handler, index] { (this->*handler)(index); });
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
    leftLists_[row.category] = makeList(category, category.leftList, kLeftLists,
                                        &frmListBoxConverter::lstFrom_Click, row.category);
    rightLists_[row.category] = makeList(category, category.rightList, kRightLists,
                                         &frmListBoxConverter::lstInto_Click, row.category);
  }
}

void frmListBoxConverter::ConnectControls() {
  connect(txtIn, &QLineEdit::textChanged, this, &frmListBoxConverter::txtIn_Change);
  // Enter in the input goes to the output: one key from a number to its conversion.
  connect(txtIn, &QLineEdit::returnPressed, this,
          [this] { txtOut->setFocus(Qt::OtherFocusReason); });
  connect(txtOut, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.OutputEdited(ui::Utf8(text)); });
  connect(cmbDP->lineEdit(), &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.DecimalTextEdited(ui::Utf8(text)); });
  connect(cmbDP, &QComboBox::activated, this, &frmListBoxConverter::cmbDP_Click);
  connect(cmdSwap1, &QPushButton::clicked, this, &frmListBoxConverter::cmdSwap1_Click);
  connect(cmdCopy, &QPushButton::clicked, this, &frmListBoxConverter::cmdCopy_Click);

  for (QObject* watched :
       {static_cast<QObject*>(Image1), static_cast<QObject*>(Image2), static_cast<QObject*>(Label1),
        static_cast<QObject*>(Label2), static_cast<QObject*>(txtIn), static_cast<QObject*>(txtOut),
        static_cast<QObject*>(cmbDP), static_cast<QObject*>(cmbDP->lineEdit()),
        static_cast<QObject*>(cmbDP->view())}) {
    watched->installEventFilter(this);
  }
  menuKeys_->WatchControlsOf(surface_);
  menuKeys_->Watch(cmbDP->lineEdit());
}

// ---- the menus -----------------------------------------------------------------------

void frmListBoxConverter::BuildMenus() {
  using W = frmListBoxConverter;
  using enum ui::MenuPlace;
  static constexpr ui::MenuRow<W> kLists = {Menu, "mnuLists", QT_TR_NOOP("&Lists"),
                                            0,    nullptr,    &W::mnuLists};
  // clang-format off
  static constexpr ui::MenuRow<W> kOptionsAndInfo[] = {
      {Menu, "mnuOptions", QT_TR_NOOP("&Options")},
      {Entry, "mnuSave", QT_TR_NOOP("&Save to Clipboard"), Qt::Key_S, &W::mnuSave_Click},
      {Entry, "mnuSwap", QT_TR_NOOP("Swap Selected &Units"), Qt::Key_U, &W::mnuSwap_Click},
      {Menu, "mnuInfo", QT_TR_NOOP("&Info")},
      {Entry, "mnuShowInfo", QT_TR_NOOP("The S&I System"), Qt::Key_I, &W::mnuShowInfo_Click},
      {Entry, "mnuSIBaseUnits", QT_TR_NOOP("SI &Base Units"), Qt::Key_B, &W::mnuSIBaseUnits_Click},
      {Entry, "mnuPrefixes", QT_TR_NOOP("SI Prefi&xes"), Qt::Key_X, &W::mnuPrefixes_Click},
  };
  // clang-format on
  // The "&Lists" menu holds the catalogue's categories with their own names and
  // captions, and the window's keys and handlers.
  std::vector<ui::MenuRow<W>> rows = {kLists};
  for (const CategoryRow& row : kCategoryRows) {
    const UnitCategory& category = Categories()[row.category];
    rows.push_back(
        {Entry, category.menuName, category.caption, row.key, nullptr, {}, kUnitCatalogueContext});
  }
  rows.insert(rows.end(), std::begin(kOptionsAndInfo), std::end(kOptionsAndInfo));
  menuBar()->setObjectName(QStringLiteral("menuBar"));
  ui::BuildMenus<W>(*this, *menuKeys_, rows);
  for (const CategoryRow& row : kCategoryRows) {
    const int index = row.category;
    connect(findChild<QAction*>(ui::Q(Categories()[index].menuName)), &QAction::triggered, this,
            [this, index] { mnuCategory_Click(index); });
  }
}

}  // namespace numbrella
