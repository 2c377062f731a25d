#pragma once

#include <QFont>

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

// Reading the system's font configuration is most of what the window's first
// frame waits for beyond building its controls. The program starts it on another
// thread before the application object exists (where Qt reads fonts through
// fontconfig); Qt's own reading, when the window first measures text, then finds
// it done. Elsewhere, or without fontconfig at build time, this does nothing.
class ConfigurationRead
{
public:
    ConfigurationRead();
    ~ConfigurationRead(); // waits for the reading to end
    ConfigurationRead(const ConfigurationRead &) = delete;
    ConfigurationRead &operator=(const ConfigurationRead &) = delete;

    // Waits for a reading started in this thread, if any, to end. Called before
    // the first text is measured, so that Qt does not read the configuration a
    // second time beside it.
    static void wait();
};

} // namespace windowfonts
