// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts the user sees are English in the code and marked for the translation
// catalogues; they are put into the user's language where they are shown. The core
// knows no toolkit: the windows' side installs the translator, and without one every
// text stays English.
#include <string>
#include <string_view>

// Marks a text for the catalogues and leaves it as it is, the English source. lupdate
// reads it as QT_TRANSLATE_NOOP (-tr-function-alias), so `context` must be a string
// literal: the name the catalogues file the text under.
#define NUMBRELLA_TRANSLATE(context, text) text

namespace numbrella {

// A marked text in the user's language, UTF-8; the text itself when no catalogue
// has it.
using TextTranslator = std::string (*)(const char* context, std::string_view text);

// Translate asks `translator` from now on; nullptr makes every text English again.
void SetTextTranslator(TextTranslator translator);

std::string Translate(const char* context, std::string_view text);

}  // namespace numbrella
