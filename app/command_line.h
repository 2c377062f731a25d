#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do on its command line. Parsed before any
// application object exists, so that --help, --version and usage errors need no
// display.
struct CommandLine {
    enum class Mode { Window, WritePanel, ReadPanel, Compare, Help, Version, Error };
    Mode mode = Mode::Window;
    QString file;        // the .qcf file of a headless mode, or the one to open in the window
    QString port;        // --port, empty when not given
    QString log;         // --log, empty when not given
    bool backup = false; // --backup: keep what the panel held before writing
    QString message;     // Help: the help text; Version: the version line; Error: what is wrong
};

// `arguments` as in main's argv, the program name first.
CommandLine parseCommandLine(const QStringList &arguments);

inline bool isHeadless(CommandLine::Mode mode)
{
    return mode == CommandLine::Mode::WritePanel || mode == CommandLine::Mode::ReadPanel ||
           mode == CommandLine::Mode::Compare;
}
