// SPDX-License-Identifier: GPL-3.0-or-later
// Looking at and handling the workboard: expand, collapse, hide and show; the Edit
// menu; the background colour; printing; the conversion calculator.
#include "calculator/frmNewCalculator1.h"

#include "common/window_texts.h"
#include "ui/CommonDialog.h"
#include "ui/RichTextBox.h"
#include "ui/layout.h"
#include "ui/screen_fit.h"
#include "ui/text.h"
#include "workboard/document_file.h"

#include <QAction>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <chrono>

namespace numbrella {

using ui::Q;
using ui::Utf8;

namespace {

// How long Print Workboard waits for the print system at most.
constexpr std::chrono::seconds kPrintAnswerLimit{6};

// The window's heights include its title bar, menu bar and borders, which took this
// many twips on the desktop the window was laid out for; the client area is the rest.
constexpr int kFrameTwips =
    frmNewCalculator1::kShownHeightTwips - frmNewCalculator1::kClientHeightTwips;

// The workboard's top and height in twips as the arrows set them; its left edge and
// width stay as laid out.
struct WorkboardSpan {
  double top;
  double height;
};
// Over the whole client area, in front of the worksheet.
constexpr WorkboardSpan kExpandedWorkboard{0, 10470};
// Back in the lower half, but not where it was laid out (top 4980, height 5325): a
// little higher and taller, at the single-precision values nearest to 4967.04 and
// 5497.06.
constexpr WorkboardSpan kCollapsedWorkboard{static_cast<double>(4967.04f),
                                            static_cast<double>(5497.06f)};

}  // namespace

void frmNewCalculator1::Command2_Click() {
  PlaceWorkboard(kExpandedWorkboard.top, kExpandedWorkboard.height);
}

void frmNewCalculator1::Command3_Click() {
  PlaceWorkboard(kCollapsedWorkboard.top, kCollapsedWorkboard.height);
}

void frmNewCalculator1::Command5_Click() { mnuDisplayWork_Click(); }

void frmNewCalculator1::mnuDisplayWork_Click() {
  const bool show = !mnuDisplayWork->isChecked();
  SetWindowHeight(show ? kShownHeightTwips : kHiddenHeightTwips);
  ui::CentreAcrossScreen(*this);
  mnuDisplayWork->setChecked(show);
  txtArchive1->setVisible(show);
  Command5->setText(show ? tr("&Hide Workboard") : tr("Show W&orkboard"));
  Command5->setToolTip(show ? tr(" Workboard disappears  ") : tr(" Workboard reappears "));
}

void frmNewCalculator1::PlaceWorkboard(double topTwips, double heightTwips) {
  ui::TwipsRect place = ui::Layout::PlaceOf(txtArchive1).value_or(ui::TwipsRect{});
  place.top = topTwips;
  place.height = heightTwips;
  ui::Layout(*this).Place(txtArchive1, place);
  txtArchive1->raise();
}

void frmNewCalculator1::SetWindowHeight(int twips) {
  ui::FitToScreen(*this, ui::Layout(*this).Pixels(kClientWidthTwips, twips - kFrameTwips));
}

// ---------------------------------------------------------------------------------
// Editing: always the workboard, whichever control has the focus

void frmNewCalculator1::mnuEdit_Click() {
  mnuEditPaste->setEnabled(!services_.clipboard->Text().isEmpty());
  const bool selected = txtArchive1->SelectionLength() > 0;
  mnuEditCopy->setEnabled(selected);
  mnuEditCut->setEnabled(selected);
}

void frmNewCalculator1::mnuEditCut_Click() {
  if (txtArchive1->SelectionLength() == 0) {
    services_.beeper->Beep();
    return;
  }
  services_.clipboard->SetText(txtArchive1->SelectedText());
  txtArchive1->ReplaceSelection(QString());
}

void frmNewCalculator1::mnuEditCopy_Click() {
  if (txtArchive1->SelectionLength() == 0) {
    services_.beeper->Beep();
    return;
  }
  services_.clipboard->SetText(txtArchive1->SelectedText());
}

void frmNewCalculator1::mnuEditPaste_Click() {
  txtArchive1->ReplaceSelection(services_.clipboard->Text());
}

// ---------------------------------------------------------------------------------
// Colour and printing

void frmNewCalculator1::mnuTextBack_Click() {
  if (!CommonDialog1->ShowColor(this)) return;
  txtArchive1->SetBackColor(CommonDialog1->Color);
}

void frmNewCalculator1::mnuPrintDisplay_Click() {
  if (printRequest_.Pending()) return;
  // The print dialog opens only on a print system that has just answered: on one that
  // takes requests and never answers, it would wait for minutes.
  const int request = printRequest_.Start();
  // The answer comes within a few seconds whatever the server does; should it not
  // (a server name that never resolves), the request ends here as unanswered.
  QTimer::singleShot(kPrintAnswerLimit, this, [this, request] { PrintWorkboard(request, false); });
  services_.printers->WhenAnswering([window = QPointer(this), request](bool answering) {
    if (window) window->PrintWorkboard(request, answering);
  });
}

void frmNewCalculator1::PrintWorkboard(int request, bool printSystemAnswering) {
  // Ended already: by its answer, by the time limit, or by the window closing.
  if (!printRequest_.End(request)) return;
  if (!printSystemAnswering) {
    ShowFailure(kPrintSystemSilentText, kProgramTitle);
    return;
  }
  // The whole workboard prints, with its footer: no page range to choose.
  ui::Printer* target = CommonDialog1->ShowPrinter(
      this,
      {.selectionPreselected = txtArchive1->SelectionLength() > 0, .pageRangeOffered = false});
  if (target == nullptr) return;
  // The page is printed from a copy: the workboard never shows the footer, whatever
  // happens while printing.
  const QString page = Q(PrintedPage(txtArchive1->Utf8Text()));
  const bool printed = ui::PrintText(page, txtArchive1->TextFont(), *target);
  // Printing counts as a change to the workboard: closing it afterwards asks whether
  // to save it, and its Clear button shows. The text itself did not change, so unsaved
  // work keeps the time of its last change, which its recovery copy holds.
  if (!document_.Changed()) document_.TextChanged();
  Command4->setVisible(true);
  if (printed) return;
  // Printing into a file keeps the printer's name too: the file is what failed.
  TellFailure(PrintFailureText(Utf8(target->Destination())));
}

void frmNewCalculator1::mnuConvCalc_Click() { showConverter_(); }

}  // namespace numbrella
