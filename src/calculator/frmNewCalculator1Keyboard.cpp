// The calculator window for screen-reader users: the names of its controls.
#include "calculator/frmNewCalculator1.h"

#include "common/window_texts.h"
#include "ui/accessibility.h"
#include "ui/text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace numbrella {

void frmNewCalculator1::MakeAccessible() {
  QWidget* area = centralWidget();
  auto caption = [area](const char* text) -> QLabel* {
    for (QLabel* label : area->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
      if (label->text() == QLatin1String(text)) return label;
    }
    return nullptr;
  };
  auto nameAfter = [&caption](const char* text, QWidget* control) {
    if (QLabel* label = caption(text)) ui::NameAfter(label, control);
  };
  nameAfter("Operand 1", txtOperand[0]);
  nameAfter("Operand 2", txtOperand[1]);
  nameAfter("Decimal Places In Answer", Combo4);
  nameAfter("Font face:", Combo2);
  nameAfter("Size:", Combo1);
  nameAfter("Line Spacing", Combo3);
  nameAfter("Default printer/fax program:", Text3);
  nameAfter("Font count:", Text2);
  if (QLabel* label = caption("Operator")) ui::LabelDisplay(label, lblOperator);
  if (QLabel* label = caption("Answer")) ui::LabelDisplay(label, lblAnswer);
  for (const SpokenName& spoken : kSpokenNames) {
    if (auto* control = area->findChild<QWidget*>(ui::Q(spoken.control))) {
      control->setAccessibleName(ui::Q(spoken.name));
    }
  }
}

}  // namespace numbrella
