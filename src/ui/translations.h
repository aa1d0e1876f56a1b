// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own texts in the user's language, as the application's catalogues
// (app/languages.h) give them.
#include <QString>

#include <string_view>

namespace numbrella::ui {

// A core text, marked NUMBRELLA_TRANSLATE(context, text), in the user's language.
QString Translated(const char* context, std::string_view text);

}  // namespace numbrella::ui
