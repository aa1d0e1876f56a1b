// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of the conversion calculator window, drawn in code.
#include <QIcon>
#include <QPixmap>

namespace numbrella {

// A white hand, 32 by 32 pixels, pointing right (or left), with a short cyan bar
// behind the wrist.
QPixmap HandPicture(bool pointingRight);

// The window icon, 32 by 32 and 16 by 16: on grey, a white arrow pointing left above
// a dashed yellow line and a white arrow pointing right below it.
QIcon ConverterIcon();

}  // namespace numbrella
