#pragma once

#include <functional>

class QWidget;

// Runs `work` once, from the event loop, as soon as the first frame of the
// top-level `window` is on the screen. Work the first frame does not need (the
// machine's serial ports, the window icon) waits until then, so that the window
// appears nearly as fast as an empty one. Nothing runs if the window is destroyed
// first or never shown.
void afterFirstFrame(QWidget *window, std::function<void()> work);
