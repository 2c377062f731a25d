#pragma once

#include <QFont>

#include <thread>

// The fonts of the window's controls, made in one place from the designed
// families and sizes.
namespace windowfonts {

enum class Role {
    Window,  // the window's own and its captions and designation boxes: bold
    Entry,   // the assignment lists and the panel name box
    Heading, // the heading: larger, bold and underlined
    Button,  // the command buttons
    Status,  // the status box: its weight is the window's
};

QFont font(Role role);

// Families the desktop may lack fall back to metric-compatible ones. Called
// before any of the window's fonts is looked up.
void substituteMissingFamilies();

// Reads the system's fonts and matches the window's families against them on
// another thread while the window's own thread builds the controls that need no
// font (the assignment lists), so that the first control that measures text finds
// most of the work done: Qt keeps the font list and each family's fallbacks for
// every thread, only the faces a thread loads stay its own. Once per process: the
// first window's preload is the one that helps. The thread is joined on
// destruction. Does nothing on Windows, whose font database is quick and where a
// thread that ends while the program runs misbehaved under Wine
// (picture_decoder.h).
class Preload
{
public:
    Preload(); // substitutes the missing families first
    ~Preload();
    Preload(const Preload &) = delete;
    Preload &operator=(const Preload &) = delete;

private:
    std::thread m_thread;
};

} // namespace windowfonts
