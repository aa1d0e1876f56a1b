// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the desktop knows the program: its icon and its desktop entry.

namespace numbrella::app {

// The id of the desktop entry, the metainfo and the icons: the maker's address
// reversed, then the program's name.
inline constexpr char kApplicationId[] = "example.numbrella.Numbrella";

// Gives the application the calculator icon, which every window without an icon of
// its own shows, and names the desktop entry, so that the taskbar groups the windows
// under it. Needs the QApplication.
void SetApplicationIdentity();

// The two halves of it. The entry is named before the first window is shown, which
// tells the desktop its name as it appears; the icon may follow when the window is on
// the screen.
void NameDesktopEntry();
void SetApplicationIcon();

}  // namespace numbrella::app
