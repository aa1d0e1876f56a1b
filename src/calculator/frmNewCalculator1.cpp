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

#include <chrono>
#include <string>

namespace numbrella {

using ui::Q;
using ui::Utf8;

namespace {

constexpr quint32 kYellow = 65535;  // 0x00BBGGRR
// How long start-up waits for the print system past its first request. It is asked as
// the program starts, and a local scheduler has answered before the window is made, a
// server on the local network within this; a slower one's answer is applied when it
// comes. A server that never answers costs the start-up nothing more than this, which
// has mostly passed by the time the window is made.
constexpr std::chrono::milliseconds kPrinterGrace{10};

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
  WatchDrops();
  // A late answer of the print system, or a change of the default printer, reaches the
  // window directly, not through a repaint.
  connect(services_.printers, &ui::Printers::Changed, this,
          &frmNewCalculator1::FollowDefaultPrinter);
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
      {EntryAfterLine, "mnuPasteNumber", QT_TR_NOOP("Paste &Number"), 0, &W::mnuPasteNumber_Click,
       &W::mnuPasteNumber},
      {Entry, "mnuUseInOperand", QT_TR_NOOP("&Use in Operand"), Qt::Key_R,
       &W::mnuUseInOperand_Click},
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
  WireNumbersComingIn();
  txtArchive1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(txtArchive1, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { mnuEdit->popup(txtArchive1->viewport()->mapToGlobal(at)); });
}

// ---------------------------------------------------------------------------------
// Start-up, the repaint check and the printer's answers

void frmNewCalculator1::Form_Load() {
  ui::PlaceAtTopCentre(*this);
  sheet_.ResetFlags();
  CommonDialog1->Filter = OwnText(kFileFilter);
  for (int places = 0; places <= kMaxDecimalPlaces; ++places) {
    Combo4->addItem(Q(std::to_string(places)), places);
  }
  // Chosen as the user chooses them, so that their handlers set the workboard's font
  // size and the answer's decimal places.
  SetComboText(Combo1, QStringLiteral("14"), &frmNewCalculator1::Combo1_Click);
  SetComboText(Combo4, QStringLiteral("5"), &frmNewCalculator1::Combo4_Click);
  // The line spacing does not depend on the printer: it is there whatever the printer
  // gives, so that the workboard keeps its record.
  FillLineSpacing();

  // A print system that has not answered within a short grace has the window start
  // with the screen's fonts, quietly; its answer, when it comes, is followed as any
  // change of the default printer is (FollowDefaultPrinter).
  if (services_.printers->Answered(kPrinterGrace)) {
    printerWatch_.Remember(PrinterSituation());
    ShowPrinterFonts();
  } else {
    printerWatch_.Remember(std::nullopt);
    ScreenFontsOnly();
  }
  FinishStartup();
}

void frmNewCalculator1::ShowPrinterFonts() {
  if (LoadPrinterFonts()) return;
  ShowFailure(kNoPrinterFontsText, kProgramTitle);
  ScreenFontsOnly();
}

bool frmNewCalculator1::LoadPrinterFonts() {
  std::optional<QStringList> fonts = services_.printers->DefaultPrinterFonts();
  if (!fonts) return false;
  FillFaceList(*fonts);
  // A printer without the workboard's face counts as one without fonts.
  if (!SetComboText(Combo2, QStringLiteral("Arial Narrow"), &frmNewCalculator1::Combo2_Click)) {
    return false;
  }
  std::optional<QString> name = services_.printers->DefaultPrinterName();
  if (!name) return false;
  Text3->setText(*name);
  Text2->setText(Q(std::to_string(fonts->size())));
  return true;
}

void frmNewCalculator1::FillLineSpacing() {
  for (int spacing = 1; spacing <= 3; ++spacing)
    Combo3->addItem(Q(std::to_string(spacing)), spacing);
}

void frmNewCalculator1::FinishStartup() {
  // The line-spacing box has no handler of its own: Archive reads it.
  SetComboText(Combo3, QStringLiteral("2"), nullptr);
  document_.SetChanged(false);
  txtArchive1->SetBackColor(kYellow);
}

std::optional<std::string> frmNewCalculator1::PrinterSituation() {
  if (services_.printers->PrinterCount() == 0) return std::nullopt;
  std::optional<QString> name = services_.printers->DefaultPrinterName();
  if (!name) return std::nullopt;
  return Utf8(*name);
}

void frmNewCalculator1::Form_Paint() { FollowDefaultPrinter(); }

void frmNewCalculator1::FollowDefaultPrinter() {
  // Only what depends on the printer follows it: the face list and its choice, the
  // printer's name and the font count. The worksheet, the focus, the other boxes and
  // the workboard's text, colour and unsaved state stay as the user left them.
  switch (printerWatch_.Check(PrinterSituation())) {
    case PrinterChange::None:
      return;
    case PrinterChange::NewDefaultPrinter:
      ShowPrinterFonts();
      return;
    case PrinterChange::PrinterGone:
      ScreenFontsOnly();
      return;
  }
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
