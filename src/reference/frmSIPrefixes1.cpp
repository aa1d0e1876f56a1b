// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/frmSIPrefixes1.h"

#include "reference/frmSIBaseUnits1.h"
#include "reference/si_texts.h"
#include "ui/accessibility.h"
#include "ui/twips.h"

#include <QLabel>

namespace numbrella {
namespace {

constexpr int kClientWidth = 7605;  // twips
constexpr int kClientHeight = 7575;

}  // namespace

frmSIPrefixes1::frmSIPrefixes1() : QWidget(nullptr) {
  setObjectName("frmSIPrefixes1");
  setWindowTitle(tr(" SI Prefixes "));
  ui::AnnounceAsWindow(this);
  setWindowIcon(si_tables::RulersIcon());
  setFixedSize(ui::Px(kClientWidth), ui::Px(kClientHeight));

  const std::vector<SILabel> labels = SIPrefixesLabels();
  Label2 = si_tables::MakeLabel(this, labels[0]);
  Label5 = si_tables::MakeLabel(this, labels[1]);
  Label3 = si_tables::MakeLabel(this, labels[2]);
  Label4 = si_tables::MakeLabel(this, labels[3]);
  for (std::size_t i = 0; i < Label1.size(); ++i) {
    Label1[i] = si_tables::MakeLabel(this, labels[4 + i]);
  }
}

}  // namespace numbrella
