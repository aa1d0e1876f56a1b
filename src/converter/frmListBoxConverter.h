#pragma once
// The conversion calculator window.
#include "ui/services.h"

namespace numbrella {

// Shows the one conversion calculator window: creates and loads it when none is open,
// brings it forward when it is. Not modal, no owner.
void ShowConversionCalculator(const ui::Services& services);

}  // namespace numbrella
