// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts in failure messages as the user reads them, not as the bytes of a QString.
#include <QString>

#include <string>

namespace numbrella::testing {

inline std::string Str(const QString& text) { return text.toStdString(); }

}  // namespace numbrella::testing
