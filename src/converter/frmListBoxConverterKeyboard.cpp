// SPDX-License-Identifier: GPL-3.0-or-later
// The conversion calculator for keyboard and screen-reader users: the names of its
// controls, the Tab chain, and the focus mark on the unit lists.
#include "converter/frmListBoxConverter.h"

#include "ui/accessibility.h"
#include "ui/focus_frame.h"
#include "ui/menu_keys.h"
#include "ui/translations.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace numbrella {

namespace {

constexpr int kListFrameWidth = 2;

}  // namespace

void frmListBoxConverter::MakeAccessible() {
  ui::NameAfter(Label3, txtIn);
  ui::NameAfter(Label4, txtOut);
  NameOutput();
  ui::NameAfter(Label5, cmbDP);
  NameLists();

  // The focus sink lies under the copy button, unseen: no Tab stop. It still takes the
  // focus from a click on the window background, and the menu keys still act there.
  Text1->setFocusPolicy(Qt::NoFocus);
  menuKeys_->Watch(Text1);

  // Which list has the focus shows on its frame, whatever the style draws.
  for (auto* lists : {&leftLists_, &rightLists_}) {
    for (QListWidget* list : *lists) {
      ui::MarkFocus(list, QPalette::Mid, QPalette::Highlight, kListFrameWidth);
    }
  }

  // The input first, then the units from left to right, then the output and the
  // controls under it. Only the shown pair of lists is on the way.
  QWidget* before = txtIn;
  for (auto* lists : {&leftLists_, &rightLists_}) {
    for (QListWidget* list : *lists) {
      QWidget::setTabOrder(before, list);
      before = list;
    }
  }
  ui::SetTabOrder({before, txtOut, cmbDP, cmdSwap1, cmdCopy});
}

void frmListBoxConverter::NameLists() {
  auto categories = Categories();
  auto name = [](QListWidget* list, const QLabel* caption, std::string_view category) {
    //: What a screen reader says for a unit list: %1 is the caption over it ("Convert:"
    //: or "Into:"), %2 the category's title ("Area").
    const QString spoken =
        tr("%1 %2 units").arg(caption->text(), ui::Translated(kUnitCatalogueContext, category));
    if (list->accessibleName() != spoken) list->setAccessibleName(spoken);
  };
  for (std::size_t i = 0; i < categories.size() && i < leftLists_.size(); ++i) {
    name(leftLists_[i], Label6, categories[i].title);
    name(rightLists_[i], Label7, categories[i].title);
  }
}

}  // namespace numbrella
