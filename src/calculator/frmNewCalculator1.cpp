// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window: construction, the menus, start-up and the repaint check.
#include "calculator/frmNewCalculator1.h"

#include "common/number_text.h"
#include "common/window_texts.h"
#include "ui/CommonDialog.h"
#include "ui/RichTextBox.h"
#include "ui/accessibility.h"
#include "ui/menu_keys.h"
#include "ui/menus.h"
#include "ui/screen_fit.h"
#include "ui/text.h"
#include "ui/translations.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

#include <chrono>
#include <string>

namespace numbrella {

using ui::Q;
using ui::Utf8;

namespace {

constexpr quint32 kYellow = 65535;  // 0x00BBGGRR
// How long start-up waits for the print system past its first request. It is asked as
// the program starts, and a local scheduler has answered before the window is made; a
// slower one's answer is applied when it comes. A server that never answers costs
// the start-up nothing more than this, most of which has passed by then.
constexpr std::chrono::milliseconds kPrinterGrace{20};

}  // namespace

QString frmNewCalculator1::OwnText(std::string_view text) {
  return ui::Translated(kWindowTextsContext, text);
}

frmNewCalculator1::frmNewCalculator1(const ui::Services& services,
                                     std::function<void()> showConverter)
    : services_(services), showConverter_(std::move(showConverter)), document_(*this) {
  ui::InstallAccessibleInterfaces();
  setObjectName(QStringLiteral("frmNewCalculator1"));
  SetTitle(UntitledWindowTitle(), SpokenWindowTitle({}));
  CreateControls();
  WireKeys();
  MakeAccessible();
  WireRegions();
  CreateMenus();
  SetWindowHeight(kShownHeightTwips);
  WatchSessionEnd();
  Form_Load();
  // The first control in the tab order has the focus when the window is first shown.
  txtOperand[0]->setFocus(Qt::OtherFocusReason);
}

void frmNewCalculator1::CreateMenus() {
  using W = frmNewCalculator1;
  using enum ui::MenuPlace;
  // clang-format off
  static constexpr ui::MenuRow<W> kMenus[] = {
      {Menu, "mnuFile", QT_TR_NOOP("&File")},
      {Entry, "mnuFileNew", QT_TR_NOOP("&New"), Qt::Key_N, &W::mnuFileNew_Click},
      {Entry, "mnuFileOpen", QT_TR_NOOP("&Open"), Qt::Key_O, &W::mnuFileOpen_Click},
      {Entry, "mnuFileSave", QT_TR_NOOP("S&ave"), Qt::Key_A, &W::mnuFileSave_Click},
      {Entry, "mnuFileSaveFileAs", QT_TR_NOOP("&Save As"), Qt::Key_S, &W::mnuFileSaveFileAs_Click},
      {EntryAfterLine, "mnuPrintDisplay", QT_TR_NOOP("&Print Workboard"), Qt::Key_B,
       &W::mnuPrintDisplay_Click},
      {EntryAfterLine, "mnuFileExit", QT_TR_NOOP("E&Xit"), Qt::Key_X, &W::mnuFileExit_Click},
      {Menu, "mnuEdit", QT_TR_NOOP("&Edit"), 0, &W::mnuEdit_Click, &W::mnuEdit},
      {Entry, "mnuEditCut", QT_TR_NOOP("Cu&t"), Qt::Key_T, &W::mnuEditCut_Click, &W::mnuEditCut},
      {Entry, "mnuEditCopy", QT_TR_NOOP("&Copy"), Qt::Key_C, &W::mnuEditCopy_Click,
       &W::mnuEditCopy},
      {Entry, "mnuEditPaste", QT_TR_NOOP("&Paste"), Qt::Key_P, &W::mnuEditPaste_Click,
       &W::mnuEditPaste},
      {Menu, "mnuView", QT_TR_NOOP("&View")},
      {Entry, "mnuTextBack", QT_TR_NOOP("Text &Background"), Qt::Key_E, &W::mnuTextBack_Click},
      {Menu, "mnuWorkboard", QT_TR_NOOP("&Workboard")},
      {CheckedEntry, "mnuDisplayWork", QT_TR_NOOP("&Display Workboard"), Qt::Key_D,
       &W::mnuDisplayWork_Click, &W::mnuDisplayWork},
      {Entry, "mnuClearWhiteboad", QT_TR_NOOP("Clear &Workboard"), Qt::Key_W,
       &W::mnuClearWhiteboad_Click},
      {Command, "mnuConvCalc", QT_TR_NOOP("&Conversion Calculator"), 0, &W::mnuConvCalc_Click},
  };
  // clang-format on
  menuKeys_ = new ui::MenuKeys(this);
  ui::BuildMenus<W>(*this, *menuKeys_, kMenus);

  menuKeys_->WatchControlsOf(centralWidget());
  // The workboard's own pop-up menu would offer keys that do other things here: it
  // offers the Edit menu instead, keys and all.
  for (QAction* action : mnuEdit->actions()) action->setShortcutVisibleInContextMenu(true);
  txtArchive1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(txtArchive1, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { mnuEdit->popup(txtArchive1->viewport()->mapToGlobal(at)); });
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
      Combo4->addItem(item, places);
    }
  }
  // Chosen as the user chooses them, so that their handlers set the workboard's font
  // size and the answer's decimal places.
  SetComboText(Combo1, QStringLiteral("14"), &frmNewCalculator1::Combo1_Click);
  SetComboText(Combo4, QStringLiteral("5"), &frmNewCalculator1::Combo4_Click);

  // A print system that has not answered within a short grace has the window start
  // with the screen's fonts, quietly; its answer, when it comes, is applied as the
  // repaint check applies a new default printer.
  if (!services_.printers->Answered(kPrinterGrace)) {
    printerWatch_.Remember(std::nullopt);
    ScreenFontsOnly();
    FillLineSpacing();
    FinishStartup();
    return;
  }
  // The printer's fonts and name, the line spacing, the workboard's colour. A failure
  // shows its message and falls back to the screen's fonts; the steps that do not need
  // the printer then still run, so that the workboard keeps its record.
  printerWatch_.Remember([this]() -> std::optional<std::string> {
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
  if (!SetComboText(Combo2, QStringLiteral("Arial Narrow"), &frmNewCalculator1::Combo2_Click)) {
    return false;
  }
  std::optional<QString> name = services_.printers->DefaultPrinterName();
  if (!name) return false;
  Text3->setText(*name);
  Text2->setText(Q(std::to_string(fonts->size())));
  FinishStartup();
  return true;
}

void frmNewCalculator1::FillLineSpacing() {
  for (int spacing = 1; spacing <= 3; ++spacing) {
    const QString item = Q(std::to_string(spacing));
    if (spacing <= Combo3->count()) {
      Combo3->setItemText(spacing - 1, item);
    } else {
      Combo3->addItem(item, spacing);
    }
  }
}

void frmNewCalculator1::FinishStartup() {
  // The line-spacing box has no handler of its own: Archive reads it.
  SetComboText(Combo3, QStringLiteral("2"), nullptr);
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

bool frmNewCalculator1::SetComboText(QComboBox* box, const QString& text, Handler click) {
  const int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index < 0) return false;
  box->setCurrentIndex(index);
  if (click != nullptr) (this->*click)();
  return true;
}

std::optional<int> frmNewCalculator1::ItemNumber(const QComboBox* box) {
  bool isNumber = false;
  const int number = box->currentData().toInt(&isNumber);
  if (!isNumber) return std::nullopt;
  return number;
}

}  // namespace numbrella
