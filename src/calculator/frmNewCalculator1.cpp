// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window: construction, the menus, start-up and the repaint check.
#include "calculator/frmNewCalculator1.h"

#include "common/number_text.h"
#include "common/window_texts.h"
#include "ui/CommonDialog.h"
#include "ui/RichTextBox.h"
#include "ui/accessibility.h"
#include "ui/screen_fit.h"
#include "ui/menu_keys.h"
#include "ui/text.h"
#include "ui/translations.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

#include <array>
#include <cstddef>
#include <string>
#include <utility>

namespace numbrella {

using ui::Q;
using ui::Utf8;

namespace {

constexpr quint32 kYellow = 65535;  // 0x00BBGGRR

}  // namespace

QString frmNewCalculator1::OwnText(std::string_view text) {
  return ui::Translated(kWindowTextsContext, text);
}

frmNewCalculator1::frmNewCalculator1() : frmNewCalculator1(ui::RealServices()) {}

frmNewCalculator1::frmNewCalculator1(const ui::Services& services, QWidget* parent)
    : QMainWindow(parent), services_(services), document_(*this) {
  ui::InstallAccessibleInterfaces();
  setObjectName(QStringLiteral("frmNewCalculator1"));
  SetTitle(UntitledWindowTitle());
  CreateControls();
  WireKeys();
  MakeAccessible();
  CreateMenus();
  SetWindowHeight(kShownHeightTwips);
  WatchSessionEnd();
  Form_Load();
  // The first control in the tab order has the focus when the window is first shown.
  txtOperand[0]->setFocus(Qt::OtherFocusReason);
}

// The controls' event filters end before the controls go: what the controls send
// while they are destroyed would reach a window that is no longer whole.
frmNewCalculator1::~frmNewCalculator1() { delete inputFilters_; }

void frmNewCalculator1::CreateMenus() {
  using W = frmNewCalculator1;
  // The menus in order, then each entry on one row with its menu, Ctrl key and
  // handler; Display Workboard, a check mark, is wired below.
  enum { kFile, kEdit, kView, kWorkboard };
  static constexpr std::array<std::pair<const char*, const char*>, 4> kMenus = {{
      {"mnuFile", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "&File")},
      {"mnuEdit", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "&Edit")},
      {"mnuView", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "&View")},
      {"mnuWorkboard", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "&Workboard")},
  }};
  struct Entry {
    int menu;
    const char* name;
    const char* caption;
    int key;
    QAction* W::*action;
    void (W::*handler)();
    bool separatorBefore = false;
  };
  static constexpr Entry kEntries[] = {
      {kFile, "mnuFileNew", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "&New"), Qt::Key_N, &W::mnuFileNew, &W::mnuFileNew_Click},
      {kFile, "mnuFileOpen", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "&Open"), Qt::Key_O, &W::mnuFileOpen, &W::mnuFileOpen_Click},
      {kFile, "mnuFileSave", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "S&ave"), Qt::Key_A, &W::mnuFileSave, &W::mnuFileSave_Click},
      {kFile, "mnuFileSaveFileAs", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "&Save As"), Qt::Key_S, &W::mnuFileSaveFileAs, &W::mnuFileSaveFileAs_Click},
      {kFile, "mnuPrintDisplay", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "&Print Workboard"), Qt::Key_B, &W::mnuPrintDisplay, &W::mnuPrintDisplay_Click, true},
      {kFile, "mnuFileExit", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "E&Xit"), Qt::Key_X, &W::mnuFileExit, &W::mnuFileExit_Click, true},
      {kEdit, "mnuEditCut", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "Cu&t"), Qt::Key_T, &W::mnuEditCut, &W::mnuEditCut_Click},
      {kEdit, "mnuEditCopy", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "&Copy"), Qt::Key_C, &W::mnuEditCopy, &W::mnuEditCopy_Click},
      {kEdit, "mnuEditPaste", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "&Paste"), Qt::Key_P, &W::mnuEditPaste, &W::mnuEditPaste_Click},
      {kView, "mnuTextBack", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "Text &Background"), Qt::Key_E, &W::mnuTextBack, &W::mnuTextBack_Click},
      {kWorkboard, "mnuDisplayWork", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "&Display Workboard"), Qt::Key_D, &W::mnuDisplayWork, nullptr},
      {kWorkboard, "mnuClearWhiteboad", QT_TRANSLATE_NOOP("numbrella::frmNewCalculator1", "Clear &Workboard"), Qt::Key_W, &W::mnuClearWhiteboad, &W::mnuClearWhiteboad_Click},
  };

  menuKeys_ = new ui::MenuKeys(this);
  QMenuBar* bar = menuBar();
  std::array<QMenu*, kMenus.size()> menus{};
  for (std::size_t i = 0; i < kMenus.size(); ++i) {
    menus[i] = bar->addMenu(tr(kMenus[i].second));
    menus[i]->setObjectName(QString::fromLatin1(kMenus[i].first));
  }
  mnuEdit = menus[kEdit];
  for (const Entry& entry : kEntries) {
    QMenu* menu = menus[entry.menu];
    if (entry.separatorBefore) menu->addSeparator();
    QAction* action = menuKeys_->AddEntry(menu, entry.name, tr(entry.caption), entry.key);
    this->*entry.action = action;
    if (entry.handler) {
      connect(action, &QAction::triggered, this, [this, handler = entry.handler] { (this->*handler)(); });
    }
  }
  connect(mnuEdit, &QMenu::aboutToShow, this, [this] { mnuEdit_Click(); });
  mnuDisplayWork->setCheckable(true);
  mnuDisplayWork->setChecked(true);
  connect(mnuDisplayWork, &QAction::triggered, this, [this](bool checked) {
    // The handler reads the check mark as it was before the choice and sets it itself.
    mnuDisplayWork->setChecked(!checked);
    mnuDisplayWork_Click();
  });

  mnuConvCalc = bar->addAction(tr("&Conversion Calculator"));
  mnuConvCalc->setObjectName(QStringLiteral("mnuConvCalc"));
  connect(mnuConvCalc, &QAction::triggered, this, [this] { mnuConvCalc_Click(); });

  menuKeys_->WatchControlsOf(centralWidget());
  // The workboard's own pop-up menu would offer keys that do other things here: it
  // offers the Edit menu instead, keys and all.
  for (QAction* action : mnuEdit->actions()) action->setShortcutVisibleInContextMenu(true);
  txtArchive1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(txtArchive1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    mnuEdit->popup(txtArchive1->viewport()->mapToGlobal(at));
  });
}

// ---------------------------------------------------------------------------------
// Start-up and the repaint check

void frmNewCalculator1::Form_Load() {
  // This runs again when the default printer changes (Form_Paint): it writes over what
  // an earlier run set, so that no list holds its items twice.
  ui::PlaceAtTopCentre(*this);
  sheet_.ResetFlags();
  CommonDialog1->Filter = OwnText(kFileFilter);
  for (int places = 0; places <= kMaxDecimalPlaces; ++places) {
    const QString item = Q(std::to_string(places));
    if (places < Combo4->count()) {
      Combo4->setItemText(places, item);
    } else {
      Combo4->addItem(item);
    }
  }
  // Chosen as the user chooses them, so that their handlers set the workboard's font
  // size and the answer's decimal places.
  SetComboText(Combo1, QStringLiteral("14"));
  SetComboText(Combo4, QStringLiteral("5"));

  // The printer's fonts and name, the line spacing, the workboard's colour. A failure
  // shows its message and falls back to the screen's fonts; the steps that do not need
  // the printer then still run, so that the workboard keeps its record.
  printerWatch_.Remember(
      [this]() -> std::optional<std::string> {
        std::optional<QString> printer = PrinterSituation();
        if (!printer) return std::nullopt;
        return Utf8(*printer);
      }());
  bool lineSpacingFilled = false;
  if (!LoadPrinterFonts(lineSpacingFilled)) {
    ShowFailure(kNoPrinterFontsText, kProgramTitle);
    ScreenFontsOnly();
    if (!lineSpacingFilled) FillLineSpacing();
    FinishStartup();
  }
}

bool frmNewCalculator1::LoadPrinterFonts(bool& lineSpacingFilled) {
  std::optional<QStringList> fonts = services_.printers->DefaultPrinterFonts();
  if (!fonts) return false;
  FillFaceList(*fonts);
  FillLineSpacing();
  lineSpacingFilled = true;
  // A printer without the workboard's face counts as one without fonts.
  if (!SetComboText(Combo2, QStringLiteral("Arial Narrow"))) return false;
  std::optional<QString> name = services_.printers->DefaultPrinterName();
  if (!name) return false;
  Text3->setText(*name);
  Text2->setText(Q(std::to_string(fonts->size())));
  FinishStartup();
  return true;
}

void frmNewCalculator1::FillLineSpacing() {
  const QString spacings[3] = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
  for (int i = 0; i < 3; ++i) {
    if (i < Combo3->count()) {
      Combo3->setItemText(i, spacings[i]);
    } else {
      Combo3->addItem(spacings[i]);
    }
  }
}

void frmNewCalculator1::FinishStartup() {
  SetComboText(Combo3, QStringLiteral("2"));
  document_.SetChanged(false);
  txtArchive1->SetBackColor(kYellow);
}

std::optional<QString> frmNewCalculator1::PrinterSituation() {
  if (services_.printers->PrinterCount() == 0) return std::nullopt;
  return services_.printers->DefaultPrinterName();
}

void frmNewCalculator1::Form_Paint() {
  std::optional<QString> printer = PrinterSituation();
  std::optional<std::string> situation;
  if (printer) situation = Utf8(*printer);
  const PrinterChange change = printerWatch_.Check(situation);
  if (change == PrinterChange::None) return;

  const QString copy = txtArchive1->Text();
  const bool changed = document_.Changed();
  const bool clearShown = !Command4->isHidden();
  if (change == PrinterChange::NewDefaultPrinter) {
    Form_Load();
  } else {
    ScreenFontsOnly();
  }
  {
    // Putting the text back is no change of the user's.
    const QSignalBlocker quiet(txtArchive1);
    txtArchive1->SetText(copy);
  }
  // Start-up may have written an entry and cleared the flag: the text is what it was
  // before, and so is whether it holds unsaved work.
  document_.SetChanged(changed);
  Command4->setVisible(clearShown);
}

void frmNewCalculator1::paintEvent(QPaintEvent* event) {
  QMainWindow::paintEvent(event);
  // The check runs after the paint, once for all paints of one pass of the event loop.
  if (paintCheckPending_) return;
  paintCheckPending_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        Form_Paint();
        paintCheckPending_ = false;
      },
      Qt::QueuedConnection);
}

// ---------------------------------------------------------------------------------
// Helpers

void frmNewCalculator1::ShowFailure(std::string_view text, std::string_view title) {
  ShowMessage(OwnText(text), OwnText(title));
}

void frmNewCalculator1::ShowMessage(const QString& text, const QString& title) {
  services_.messages->Show(this, text, title, ui::MessageButtons::Ok, ui::MessageIcon::None,
                           ui::MessageAnswer::Ok);
}

ui::MessageAnswer frmNewCalculator1::Ask(std::string_view text, ui::MessageAnswer defaultButton) {
  return services_.messages->Show(this, OwnText(text), OwnText(kAreYouSureTitle),
                                  ui::MessageButtons::YesNo, ui::MessageIcon::Question,
                                  defaultButton);
}

bool frmNewCalculator1::SetComboText(QComboBox* box, const QString& text) {
  const int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index < 0) return false;
  box->setCurrentIndex(index);
  if (box == Combo1) {
    Combo1_Click();
  } else if (box == Combo2) {
    Combo2_Click();
  } else if (box == Combo4) {
    Combo4_Click();
  }
  return true;
}

}  // namespace numbrella
