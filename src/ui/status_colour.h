#pragma once

#include "config/status_texts.h"

#include <QColor>

// A ground of the status box (or the station's result) as the window paints it.
inline QColor statusColour(statustext::Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }
