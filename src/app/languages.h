// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user's language: the program's catalogue and Qt's own, chosen from the
// environment as every program on the desktop chooses its messages.

namespace numbrella::app {

// Installs the catalogues of the first language the user asks for that the program has
// one for, and Qt's catalogue of the same language, so that the standard dialogs and
// the text boxes' menus speak it too: from LANGUAGE (a list, "fr:de_CH:en"), else from
// the first set of LC_ALL, LC_MESSAGES and LANG; a locale of "C" or "POSIX" there
// asks for English whatever LANGUAGE says. English when nothing matches. The core's
// texts (NUMBRELLA_TRANSLATE) follow as well. Reads the environment at each call and
// replaces what an earlier call installed. Needs the application object.
//
// Numbers are not touched: the default QLocale stays as it was, and every number the
// program writes keeps "." in every language.
void InstallTranslations();

}  // namespace numbrella::app
