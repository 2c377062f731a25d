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

// Reading the system's font configuration is most of what the window's first
// frame waits for beyond building its controls. The program starts it on another
// thread before the application object exists (where Qt reads fonts through
// fontconfig); Qt's own reading then finds it done. Elsewhere, or without
// fontconfig at build time, this does nothing.
class ConfigurationRead
{
public:
    ConfigurationRead();
    ~ConfigurationRead(); // waits for the reading to end
    ConfigurationRead(const ConfigurationRead &) = delete;
    ConfigurationRead &operator=(const ConfigurationRead &) = delete;
};

// Qt's list of the system's fonts, read on another thread (after the reading of
// the configuration above, when the program started one) while the window builds
// the controls that measure no text. wait() before the first text is measured:
// Qt would otherwise read the list, and the configuration, a second time beside
// it. Joined on destruction at the latest. On Windows, whose font list is quick to
// read and where a thread that ends while the program runs misbehaved under Wine
// (picture_decoder.h), the list is read where it is first needed.
class FontListRead
{
public:
    FontListRead();
    ~FontListRead();
    FontListRead(const FontListRead &) = delete;
    FontListRead &operator=(const FontListRead &) = delete;

    void wait();

private:
    std::thread m_thread;
};

} // namespace windowfonts
