#pragma once

#include <functional>

class QWidget;

// Runs `work` once, from the event loop, as soon as the first frame of the window
// that `widget` is shown in is on the screen. Work the first frame does not need
// (the machine's serial ports, the window icon) waits until then, so that the
// window appears nearly as fast as an empty one. Nothing runs if the widget is
// destroyed first or never shown.
void afterFirstFrame(QWidget *widget, std::function<void()> work);
