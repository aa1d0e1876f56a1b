// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up work that the window's first frame does not show waits until that frame is
// on the screen, so that the window shows as soon as a bare one would.
#include <QWidget>

#include <chrono>
#include <functional>

namespace numbrella::ui {

// A window that is not painted by then (started minimised, on another workspace) gets
// its deferred work all the same.
inline constexpr std::chrono::milliseconds kLatestAfterShowing{1000};

// Runs `then` once on the window's thread: after the first paint of `window`, once that
// paint has been put on the screen, or `kLatestAfterShowing` after this call, whichever
// comes first. Nothing runs when the window is gone by then.
void AfterFirstPaint(QWidget& window, std::function<void()> then);

}  // namespace numbrella::ui
