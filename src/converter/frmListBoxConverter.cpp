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
std::string S(const QString& text) { return ui::Utf8(text); }

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

namespace {

int CategoryIndex(std::string_view menuName) {
  auto categories = Categories();
  for (std::size_t i = 0; i < categories.size(); ++i) {
    if (categories[i].menuName == menuName) return static_cast<int>(i);
  }
  return 0;
}

}  // namespace

frmListBoxConverter::frmListBoxConverter(const ui::Services& services)
    : QMainWindow(nullptr), services_(services), menuKeys_(new ui::MenuKeys(this)) {
  setObjectName(QStringLiteral("frmListBoxConverter"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(Q(ConverterModel::kCaption));
  setWindowIcon(ConverterIcon());
  BuildControls();
  BuildMenus();
  MakeAccessible();
  ui::FitToScreen(*this, surface_->size());
  Form_Load();
}

frmListBoxConverter::~frmListBoxConverter() = default;

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

  shown_.label6 = S(Label6->text());
  shown_.label7 = S(Label7->text());

  connect(txtIn, &QLineEdit::textChanged, this, &frmListBoxConverter::txtIn_Change);
  connect(txtOut, &QLineEdit::textEdited, this, [this](const QString& text) {
    shown_.output = S(text);
    model_.OutputEdited(shown_.output);
  });
  connect(cmbDP->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
    shown_.decimals = S(text);
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

// ---- showing the model ----------------------------------------------------------------

void frmListBoxConverter::ShowModel() {
  const ConverterModel& m = model_;
  if (m.Title() != shown_.title) {
    shown_.title = m.Title();
    lblTitle->setText(Q(shown_.title));
  }
  if (m.TitleTip() != shown_.titleTip) {
    shown_.titleTip = m.TitleTip();
    lblTitle->setToolTip(Q(shown_.titleTip));
  }
  for (int c = 0; c < kCategoryCount; ++c) {
    if (leftLists_[c] == nullptr) continue;
    char left = m.LeftVisible(c) ? 1 : 0;
    char right = m.RightVisible(c) ? 1 : 0;
    if (left != shown_.leftVisible[c]) {
      shown_.leftVisible[c] = left;
      leftLists_[c]->setVisible(left != 0);
    }
    if (right != shown_.rightVisible[c]) {
      shown_.rightVisible[c] = right;
      rightLists_[c]->setVisible(right != 0);
    }
  }
  auto select = [](QListWidget* list, int index) {
    if (list == nullptr || list->currentRow() == index) return;
    const bool blocked = list->blockSignals(true);
    list->setCurrentRow(index);
    list->blockSignals(blocked);
  };
  select(leftLists_[m.Category()], m.LeftIndex());
  select(rightLists_[m.IntoCategory()], m.RightIndex());

  const bool forward = m.Direction() == ConversionDirection::Forward;
  if (forward != shown_.forward) {
    shown_.forward = forward;
    Image1->setVisible(forward);
    Image2->setVisible(!forward);
  }
  auto write = [](QLineEdit* field, std::string& shown, const std::string& text) {
    if (text == shown) return;
    shown = text;
    const bool blocked = field->blockSignals(true);
    field->setText(Q(text));
    field->blockSignals(blocked);
  };
  write(txtIn, shown_.input, m.Input());
  write(txtOut, shown_.output, m.Output());
  write(cmbDP->lineEdit(), shown_.decimals, m.DecimalText());
  auto caption = [](QLabel* label, std::string& shown, const std::string& text) {
    if (text == shown) return;
    shown = text;
    label->setText(Q(text));
  };
  caption(Label1, shown_.label1, m.Label1());
  caption(Label2, shown_.label2, m.Label2());
  caption(Label6, shown_.label6, m.Label6());
  caption(Label7, shown_.label7, m.Label7());
  NameLists();
}

// ---- start-up and the window background ----------------------------------------------

void frmListBoxConverter::Form_Load() {
  model_.Load();
  ShowModel();
}

void frmListBoxConverter::Form_Click() { Text1->setFocus(Qt::MouseFocusReason); }

void frmListBoxConverter::Form_MouseUp(Qt::MouseButton button, const QPoint& globalPosition) {
  if (button != Qt::RightButton) return;
  mnuLists->popup(globalPosition);
}

// ---- category commands ------------------------------------------------------------------

void frmListBoxConverter::ChooseCategory(int category) {
  model_.ChooseCategory(category);
  ShowModel();
}

void frmListBoxConverter::mnuArea_Click() { ChooseCategory(CategoryIndex("mnuArea")); }
void frmListBoxConverter::mnuMemory_Click() { ChooseCategory(CategoryIndex("mnuMemory")); }
void frmListBoxConverter::mnuDistance_Click() { ChooseCategory(CategoryIndex("mnuDistance")); }
void frmListBoxConverter::mnuEnergy_Click() { ChooseCategory(CategoryIndex("mnuEnergy")); }
void frmListBoxConverter::mnuFlowRate_Click() { ChooseCategory(CategoryIndex("mnuFlowRate")); }
void frmListBoxConverter::mnuForce_Click() { ChooseCategory(CategoryIndex("mnuForce")); }
void frmListBoxConverter::mnuLight_Click() { ChooseCategory(CategoryIndex("mnuLight")); }
void frmListBoxConverter::mnuMass_Click() { ChooseCategory(CategoryIndex("mnuMass")); }
void frmListBoxConverter::mnuPower_Click() { ChooseCategory(CategoryIndex("mnuPower")); }
void frmListBoxConverter::mnuPressure_Click() { ChooseCategory(CategoryIndex("mnuPressure")); }
void frmListBoxConverter::mnuTemp_Click() { ChooseCategory(CategoryIndex("mnuTemp")); }
void frmListBoxConverter::mnuTorque_Click() { ChooseCategory(CategoryIndex("mnuTorque")); }
void frmListBoxConverter::mnuSpeed_Click() { ChooseCategory(CategoryIndex("mnuSpeed")); }
void frmListBoxConverter::mnuVolume_Click() { ChooseCategory(CategoryIndex("mnuVolume")); }

// ---- list selections ---------------------------------------------------------------------

void frmListBoxConverter::LeftListClicked(int category) {
  model_.SelectLeftItem(category, leftLists_[category]->currentRow());
  ShowModel();
}

void frmListBoxConverter::RightListClicked(int category) {
  model_.SelectRightItem(category, rightLists_[category]->currentRow());
  ShowModel();
}

void frmListBoxConverter::lstArea1_Click() { LeftListClicked(CategoryIndex("mnuArea")); }
void frmListBoxConverter::lstMemory1_Click() { LeftListClicked(CategoryIndex("mnuMemory")); }
void frmListBoxConverter::lstDistance1_Click() { LeftListClicked(CategoryIndex("mnuDistance")); }
void frmListBoxConverter::lstEnergy1_Click() { LeftListClicked(CategoryIndex("mnuEnergy")); }
void frmListBoxConverter::lstFlow1_Click() { LeftListClicked(CategoryIndex("mnuFlowRate")); }
void frmListBoxConverter::lstForce1_Click() { LeftListClicked(CategoryIndex("mnuForce")); }
void frmListBoxConverter::lstLight1_Click() { LeftListClicked(CategoryIndex("mnuLight")); }
void frmListBoxConverter::lstMass1_Click() { LeftListClicked(CategoryIndex("mnuMass")); }
void frmListBoxConverter::lstPower1_Click() { LeftListClicked(CategoryIndex("mnuPower")); }
void frmListBoxConverter::lstPressure1_Click() { LeftListClicked(CategoryIndex("mnuPressure")); }
void frmListBoxConverter::lstTemps1_Click() { LeftListClicked(CategoryIndex("mnuTemp")); }
void frmListBoxConverter::lstTorque1_Click() { LeftListClicked(CategoryIndex("mnuTorque")); }
void frmListBoxConverter::lstSpeed1_Click() { LeftListClicked(CategoryIndex("mnuSpeed")); }
void frmListBoxConverter::lstVolume1_Click() { LeftListClicked(CategoryIndex("mnuVolume")); }

void frmListBoxConverter::lstArea2_Click() { RightListClicked(CategoryIndex("mnuArea")); }
void frmListBoxConverter::lstMemory2_Click() { RightListClicked(CategoryIndex("mnuMemory")); }
void frmListBoxConverter::lstDistance2_Click() { RightListClicked(CategoryIndex("mnuDistance")); }
void frmListBoxConverter::lstEnergy2_Click() { RightListClicked(CategoryIndex("mnuEnergy")); }
void frmListBoxConverter::lstFlow2_Click() { RightListClicked(CategoryIndex("mnuFlowRate")); }
void frmListBoxConverter::lstForce2_Click() { RightListClicked(CategoryIndex("mnuForce")); }
void frmListBoxConverter::lstLight2_Click() { RightListClicked(CategoryIndex("mnuLight")); }
void frmListBoxConverter::lstMass2_Click() { RightListClicked(CategoryIndex("mnuMass")); }
void frmListBoxConverter::lstPower2_Click() { RightListClicked(CategoryIndex("mnuPower")); }
void frmListBoxConverter::lstPressure2_Click() { RightListClicked(CategoryIndex("mnuPressure")); }
void frmListBoxConverter::lstTemps2_Click() { RightListClicked(CategoryIndex("mnuTemp")); }
void frmListBoxConverter::lstTorque2_Click() { RightListClicked(CategoryIndex("mnuTorque")); }
void frmListBoxConverter::lstSpeed2_Click() { RightListClicked(CategoryIndex("mnuSpeed")); }
void frmListBoxConverter::lstVolume2_Click() { RightListClicked(CategoryIndex("mnuVolume")); }

// ---- direction, input, decimal places ------------------------------------------------------

void frmListBoxConverter::Image1_Click() {
  model_.ClickImage1();
  ShowModel();
}

void frmListBoxConverter::Image2_Click() {
  model_.ClickImage2();
  ShowModel();
}

void frmListBoxConverter::txtIn_Change() {
  shown_.input = S(txtIn->text());
  model_.InputChanged(shown_.input);
  ShowModel();
}

void frmListBoxConverter::txtIn_GotFocus() { TextSelected(); }

void frmListBoxConverter::txtOut_GotFocus() { TextSelected(); }

void frmListBoxConverter::TextSelected() {
  QWidget* focused = QApplication::focusWidget();
  if (focused == nullptr || focused->window() != this) focused = focusWidget();
  if (auto* field = qobject_cast<QLineEdit*>(focused)) {
    field->setSelection(0, static_cast<int>(field->text().size()));
  }
}

void frmListBoxConverter::cmbDP_Click() {
  shown_.decimals = S(cmbDP->currentText());
  model_.ChooseDecimalPlaces(shown_.decimals);
  ShowModel();
}

// ---- swap and copy ----------------------------------------------------------------------------

void frmListBoxConverter::cmdSwap1_Click() { mnuSwap_Click(); }

void frmListBoxConverter::mnuSwap_Click() {
  model_.Swap();
  ShowModel();
}

void frmListBoxConverter::mnuSave_Click() { cmdCopy_Click(); }

void frmListBoxConverter::cmdCopy_Click() {
  services_.clipboard->Clear();
  if (std::optional<std::string> text = model_.CopyText()) {
    services_.clipboard->SetText(Q(*text));
  }
}

// ---- hidden reset and credit --------------------------------------------------------------

void frmListBoxConverter::Label1_DblClick() {
  model_.HiddenReset();
  ShowModel();
}

void frmListBoxConverter::Label2_Click() {
  const bool reset = model_.HiddenReset();
  ShowModel();
  if (reset) {
    services_.messages->Show(this, Q(ConverterModel::kCreditText),
                             Q(ConverterModel::kCreditTitle), ui::MessageButtons::Ok,
                             ui::MessageIcon::None, ui::MessageAnswer::Ok);
  }
}

// ---- the reference windows ----------------------------------------------------------------

void frmListBoxConverter::mnuShowInfo_Click() { ShowSIInfoWindow(); }
void frmListBoxConverter::mnuSIBaseUnits_Click() { ShowSIBaseUnitsWindow(); }
void frmListBoxConverter::mnuPrefixes_Click() { ShowSIPrefixesWindow(); }

// ---- events --------------------------------------------------------------------------------

bool frmListBoxConverter::eventFilter(QObject* watched, QEvent* event) {
  if (cmbDP != nullptr && watched == cmbDP->view() && event->type() == QEvent::Show) {
    // The box shows the number of places without choosing an item; its list opens
    // at that number all the same.
    const int shown = cmbDP->findText(cmbDP->currentText());
    if (shown >= 0) {
      const QModelIndex item = cmbDP->model()->index(shown, 0);
      cmbDP->view()->setCurrentIndex(item);
      cmbDP->view()->scrollTo(item, QAbstractItemView::PositionAtCenter);
    }
    return false;
  }
  if (cmbDP != nullptr && (watched == cmbDP || watched == cmbDP->lineEdit())) {
    // Typing into the text part of the decimal-places box chooses nothing: neither
    // Enter nor leaving the box takes a typed item text as the choice.
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
    } else if (event->type() == QEvent::FocusOut) {
      QSignalBlocker quiet(cmbDP->lineEdit());
      watched->event(event);
      return true;
    }
  }
  switch (event->type()) {
    case QEvent::FocusIn: {
      auto* focus = static_cast<QFocusEvent*>(event);
      if (watched == txtIn || watched == txtOut) {
        auto handler = watched == txtIn ? &frmListBoxConverter::txtIn_GotFocus
                                        : &frmListBoxConverter::txtOut_GotFocus;
        (this->*handler)();
        // A click places the caret after the focus arrives: select once it has.
        if (focus->reason() == Qt::MouseFocusReason) {
          QTimer::singleShot(0, this, [this, handler] { (this->*handler)(); });
        }
      }
      break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (watched == surface_) {
        // Presses that reach the client area from a caption fall through here too.
        pressed_ = surface_->childAt(mouse->position().toPoint()) == nullptr ? surface_ : nullptr;
        return false;
      }
      if (watched == Image1 || watched == Image2 || watched == Label1 || watched == Label2) {
        if (mouse->button() != Qt::LeftButton) return true;
        if (event->type() == QEvent::MouseButtonDblClick) {
          pressed_ = nullptr;
          if (watched == Label1) Label1_DblClick();
          return true;
        }
        pressed_ = watched;
        return true;
      }
      break;
    }
    case QEvent::MouseButtonRelease: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (watched == surface_) {
        const bool background = surface_->childAt(mouse->position().toPoint()) == nullptr;
        const bool clicked = pressed_ == surface_;
        pressed_ = nullptr;
        if (!background) return false;
        Form_MouseUp(mouse->button(), mouse->globalPosition().toPoint());
        if (clicked && mouse->button() == Qt::LeftButton) Form_Click();
        return true;
      }
      if (watched == Image1 || watched == Image2 || watched == Label1 || watched == Label2) {
        auto* widget = static_cast<QWidget*>(watched);
        const bool clicked = mouse->button() == Qt::LeftButton && pressed_ == watched &&
                             widget->rect().contains(mouse->position().toPoint());
        pressed_ = nullptr;
        if (!clicked) return true;
        if (watched == Image1) Image1_Click();
        if (watched == Image2) Image2_Click();
        if (watched == Label2) Label2_Click();
        return true;
      }
      break;
    }
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

// ---- the one window ------------------------------------------------------------------------

void ShowConversionCalculator(const ui::Services& services) {
  static QPointer<frmListBoxConverter> window;
  if (window == nullptr) window = new frmListBoxConverter(services);
  if (window->isMinimized()) window->showNormal();
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace numbrella
