#include "reference/frmInfo1.h"

namespace numbrella {

void ShowSIInfoWindow() {}
void ShowSIBaseUnitsWindow() {}
void ShowSIPrefixesWindow() {}

}  // namespace numbrella
