#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window of `frameSize` (its frame included) goes: centred on the
// screen's `available` area, but never left of or above that area's top left, so
// that the title bar stays reachable when the window is larger than the area (a
// small or strongly scaled screen).
QPoint centredTopLeft(const QRect &available, const QSize &frameSize);

// Moves the window there on its screen. Before the window is first shown its
// frame is not known yet and is counted as nothing; the frame's top left still
// lands inside the available area.
void placeOnScreen(QWidget &window);
