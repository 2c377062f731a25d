#pragma once

// What assistive technology reads of the window is what the window shows. Most
// of it is Qt's own: a label reads its caption, a button its caption, a control
// its tip as description. This adds the window's own kinds of widget: the marker
// rectangle is a graphic, and the two leader lines are decoration that a screen
// reader passes over. Called by the window before anything asks for it.
void installAccessibleInterfaces();
