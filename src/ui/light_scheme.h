#pragma once

#include <QPalette>

// The standard light colour scheme, the one the window's design is drawn for:
// black texts on light grey, white boxes, white text on a blue selection. The
// same on every desktop; Qt's own standard palette follows a dark desktop theme.
QPalette lightScheme();
