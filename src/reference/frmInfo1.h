#pragma once
// The SI reference windows, each shown once, without modality and without an owner.

namespace numbrella {

void ShowSIInfoWindow();       // frmInfo1
void ShowSIBaseUnitsWindow();  // frmSIBaseUnits1
void ShowSIPrefixesWindow();   // frmSIPrefixes1

}  // namespace numbrella
