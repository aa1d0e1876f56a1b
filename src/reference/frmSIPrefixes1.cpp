// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/frmSIPrefixes1.h"

#include "reference/frmSIBaseUnits1.h"
#include "reference/si_texts.h"
#include "ui/accessibility.h"
#include "ui/layout.h"

#include <QLabel>

namespace numbrella {
namespace {

constexpr int kClientWidth = 7605;  // twips
constexpr int kClientHeight = 7575;

}  // namespace

frmSIPrefixes1::frmSIPrefixes1() : QWidget(nullptr) {
  using W = frmSIPrefixes1;
  using ui::Keep;
  // The headings over the columns, then the rows by their index, each at its place from
  // yotta- at the top (index 17) to yocto- at the bottom (index 19).
  // clang-format off
  static constexpr ui::ControlRow kLabels[] = {
      {Keep<&W::Label2>, "Label2", {180, 300, 675, 255}, QT_TR_NOOP("Name")},
      {Keep<&W::Label5>, "Label5", {1020, 300, 855, 255}, QT_TR_NOOP("Symbol")},
      {Keep<&W::Label3>, "Label3", {2880, 300, 1875, 255}, QT_TR_NOOP("Multiplying Factor")},
      {Keep<&W::Label4>, "Label4", {5520, 300, 1935, 255}, QT_TR_NOOP("Scientific Notation")},
      {Keep<&W::Label1, 0>, "Label1(0)", {180, 1282, 7095, 255}},
      {Keep<&W::Label1, 1>, "Label1(1)", {180, 1623, 7095, 255}},
      {Keep<&W::Label1, 2>, "Label1(2)", {180, 1964, 7095, 255}},
      {Keep<&W::Label1, 3>, "Label1(3)", {180, 2305, 7095, 255}},
      {Keep<&W::Label1, 4>, "Label1(4)", {180, 2646, 7095, 255}},
      {Keep<&W::Label1, 5>, "Label1(5)", {180, 2987, 7095, 255}},
      {Keep<&W::Label1, 6>, "Label1(6)", {180, 3328, 7095, 255}},
      {Keep<&W::Label1, 7>, "Label1(7)", {180, 3669, 7095, 255}},
      {Keep<&W::Label1, 8>, "Label1(8)", {180, 4010, 7095, 255}},
      {Keep<&W::Label1, 9>, "Label1(9)", {180, 4351, 7095, 255}},
      {Keep<&W::Label1, 10>, "Label1(10)", {180, 4692, 7095, 255}},
      {Keep<&W::Label1, 11>, "Label1(11)", {180, 5033, 7095, 255}},
      {Keep<&W::Label1, 12>, "Label1(12)", {180, 5374, 7095, 255}},
      {Keep<&W::Label1, 13>, "Label1(13)", {180, 5715, 7095, 255}},
      {Keep<&W::Label1, 14>, "Label1(14)", {180, 6056, 7095, 255}},
      {Keep<&W::Label1, 15>, "Label1(15)", {180, 6397, 7095, 255}},
      {Keep<&W::Label1, 16>, "Label1(16)", {180, 941, 7095, 255}},
      {Keep<&W::Label1, 17>, "Label1(17)", {180, 600, 7095, 255}},
      {Keep<&W::Label1, 18>, "Label1(18)", {180, 6738, 7095, 255}},
      {Keep<&W::Label1, 19>, "Label1(19)", {180, 7080, 7095, 255}},
  };
  // clang-format on
  setObjectName("frmSIPrefixes1");
  setWindowTitle(tr(" SI Prefixes "));
  ui::AnnounceAsWindow(this);
  setWindowIcon(si_tables::RulersIcon());
  si_tables::FollowDesktop(*this, kClientWidth, kClientHeight);
  ui::Layout(*this).Create(this, kLabels);
  for (QLabel* heading : {Label2, Label5, Label3, Label4}) si_tables::ShowAsHeading(heading);
  for (int index = 0; index < static_cast<int>(Label1.size()); ++index) {
    si_tables::ShowAsRow(Label1[static_cast<std::size_t>(index)],
                         SIPrefixRowText(*SIPrefixAtIndex(index)));
  }
}

}  // namespace numbrella
