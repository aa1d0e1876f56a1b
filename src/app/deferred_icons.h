// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pictures made without asking every installed image plugin. Qt's image reader, when
// not told the format, loads each image-format plugin there is (with its libraries)
// to ask whether it reads the file, before it tries its own PNG reader; a menu bar,
// for the picture of a button it hardly ever shows, makes the first such read.
#include <QProxyStyle>

namespace numbrella::app {

// The application's style, unchanged but for the pictures of the extension buttons of
// menu and tool bars, which are read only when first drawn.
class DeferredIconStyle final : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace numbrella::app
