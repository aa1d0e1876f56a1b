#include "converter/frmListBoxConverter.h"

namespace numbrella {

void ShowConversionCalculator(const ui::Services&) {}

}  // namespace numbrella
