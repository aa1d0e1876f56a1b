// SPDX-License-Identifier: GPL-3.0-or-later
// The workboard's record: the entry after each evaluation, the change handler, the
// font controls and the face list.
#include "calculator/frmNewCalculator1.h"

#include "common/number_text.h"
#include "common/window_texts.h"
#include "ui/RichTextBox.h"
#include "ui/text.h"
#include "workboard/archive.h"
#include "workboard/face_list.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <string>
#include <vector>

namespace numbrella {

using ui::Q;
using ui::Utf8;

// ---------------------------------------------------------------------------------
// The workboard record and fonts

bool frmNewCalculator1::Archive() {
  const std::string operand1 = sheet_.Operand(0);
  const std::string operand2 = sheet_.Operand(1);
  const ArchivePlan plan =
      PlanArchive(ItemNumber(Combo3), {operand1, sheet_.Operator(), operand2, sheet_.Answer()});
  if (plan.step == ArchiveStep::NoLineSpacing) return false;
  if (plan.step == ArchiveStep::NothingWritten) return true;
  txtArchive1->AppendText(Q(plan.entry));
  if (mnuDisplayWork->isChecked()) {
    txtArchive1->setFocus(Qt::OtherFocusReason);
    txtArchive1->MoveCaretToEnd();
  }
  return true;
}

void frmNewCalculator1::txtArchive1_Change() {
  document_.TextChanged();
  Command4->setVisible(true);
}

void frmNewCalculator1::Check1_Click() {
  txtArchive1->SetFontBold(Check1->checkState() == Qt::Checked);
}

void frmNewCalculator1::Check2_Click() {
  txtArchive1->SetFontItalic(Check2->checkState() == Qt::Checked);
}

void frmNewCalculator1::Combo1_Click() {
  if (const std::optional<int> points = ItemNumber(Combo1)) txtArchive1->SetFontSize(*points);
}

void frmNewCalculator1::Combo2_Click() {
  if (txtArchive1->SetFontName(Combo2->currentText())) return;
  ShowFailure(kUnknownFaceText, kProgramTitle);
  Combo2->setFocus(Qt::OtherFocusReason);
}

void frmNewCalculator1::Combo2_LostFocus() {
  // Nothing chosen in the box: there is no face to give the selection.
  if (Combo2->currentIndex() < 0) return;
  if (txtArchive1->SetSelectionFontName(Combo2->currentText())) return;
  ShowFailure(kUnknownFaceText, kProgramTitle);
  // Back to the face box once the focus change that is under way has ended.
  QTimer::singleShot(0, Combo2, [box = Combo2] { box->setFocus(Qt::OtherFocusReason); });
}

void frmNewCalculator1::FillFaceList(const QStringList& names) {
  std::vector<std::string> current;
  current.reserve(static_cast<std::size_t>(Combo2->count()));
  for (int i = 0; i < Combo2->count(); ++i) current.push_back(Utf8(Combo2->itemText(i)));
  std::vector<std::string> fresh;
  fresh.reserve(static_cast<std::size_t>(names.size()));
  for (const QString& name : names) fresh.push_back(Utf8(name));
  const std::vector<std::string> list = RefilledFaceList(current, fresh);
  QStringList items;
  items.reserve(static_cast<qsizetype>(list.size()));
  for (const std::string& name : list) items.append(Q(name));
  Combo2->clear();
  Combo2->addItems(items);
  Combo2->setCurrentIndex(-1);
}

void frmNewCalculator1::ScreenFontsOnly() {
  const QStringList fonts = services_.screenFonts->Families();
  FillFaceList(fonts);
  // Without that face on the screen the box is left without a choice and the
  // workboard keeps its face.
  SetComboText(Combo2, QStringLiteral("Arial Rounded MT Bold"), &frmNewCalculator1::Combo2_Click);
  Text3->setText(tr("Screen Fonts"));
  Text2->setText(Q(std::to_string(fonts.size())));
}

}  // namespace numbrella
