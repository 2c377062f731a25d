// panel-sim's command line: where the panel is played, its files, and the fault
// switches (fault_switches.h), parsed into Options; --help's text.
#pragma once

#include "panel_model.h"

#include <string>

namespace panelsim {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1; // the system refused something (pty, files)
constexpr int kExitUsage = 2;   // bad command line or bad cells file

// Where the panel is played: on a pseudo-terminal, or behind a device server.
enum class Serve { Pty, Tcp, Rfc2217 };

struct Options {
    Serve serve = Serve::Pty;
    int listenPort = 0; // --tcp, --rfc2217; 0: a free port
    std::string link;
    std::string cellsFile;
    std::string dumpFile;
    std::string logFile;
    double exitAfterIdle = 0; // seconds; 0 = run until a signal
    bool exitWithParent = false;
    Faults faults;
};

// Prints the message and the hint to --help on standard error and exits with 2.
[[noreturn]] void usageError(const std::string &message);
// A whole decimal number in [low, high], or a usage error naming `option`.
int parseInt(const char *text, const char *option, int low, int high, const char *what);
int parseAddress(const char *text, const char *option);
// The options of the whole command line; --help and usage errors exit here.
Options parseOptions(int argc, char **argv);

} // namespace panelsim
