// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fixed-size windows on screens too small for them. A window laid out in twips is
// larger than the free area of a small or scaled screen (at a scale of 1.5 a 1080-line
// screen has 720 lines); there it takes the room there is, its client area scrolls so
// that every control can still be reached, and its title bar stays on the screen.
#include <QSize>

class QMainWindow;

namespace numbrella::ui {

// Gives the window the menu bar and a client area of `client` pixels, or as much of it
// as the free area of the window's screen holds; the client area is the window's central
// widget, put into a scroll area the first time it does not fit.
void FitToScreen(QMainWindow& window, QSize client);

// Moves the window's frame to the top of the screen's free area, centred across the
// screen as far as the free area allows. On Wayland, where the compositor places every
// window, it leaves the window where it is.
void PlaceAtTopCentre(QMainWindow& window);

// Centres the window across its screen, keeping its top and its frame's left edge in
// the free area. On Wayland it leaves the window where it is, as above.
void CentreAcrossScreen(QMainWindow& window);

}  // namespace numbrella::ui
