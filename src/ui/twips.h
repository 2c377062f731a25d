#pragma once

#include "panel_geometry.h"

#include <QPoint>
#include <QRect>

// Window geometry is fixed in twips; 15 twips make one device-independent pixel,
// so Qt scales the layout on high-DPI screens.
constexpr int twips(int t) { return t / 15; }
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
constexpr QPoint twipsPoint(int x, int y) { return QPoint(twips(x), twips(y)); }
constexpr QRect twipsRect(const panelgeometry::Twips &t)
{
    return twipsRect(t.left, t.top, t.width, t.height);
}
