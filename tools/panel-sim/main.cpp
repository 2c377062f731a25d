// panel-sim: plays the 10-button switch panel on a Linux pseudo-terminal so the
// configuration tool can be run and tested without the hardware.
//
// The program owns the master side of a pty and keeps one descriptor on the
// slave side open for its whole life; the host opens the slave device as if it
// were the panel's serial port. Everything happens in one poll() loop over the
// master and a signalfd, so the simulator is idle (no CPU) while nothing is
// sent and answers as soon as a message is complete.
//
// With --tcp or --rfc2217 it plays the panel behind a device server instead: it
// listens on 127.0.0.1 only and serves one client at a time, the line's bytes
// as they are (raw TCP) or in Telnet with Com Port Control.
//
// The parts: options.cpp (the command line), fault_switches.cpp (the faults to
// inject), simulator.cpp (the pty and the serving loop), simulator_network.cpp
// (the TCP and Telnet side), panel_model.cpp and panel_protocol.cpp (what the
// panel answers).

#include "options.h"
#include "simulator.h"

#include <cstdio>
#include <optional>
#include <string>

#ifdef __linux__
#include <sys/prctl.h>
#endif
#include <csignal>
#include <unistd.h>

using namespace panelsim;

int main(int argc, char **argv)
{
    const auto start = Clock::now();
    const pid_t parent = ::getppid();
    const Options opts = parseOptions(argc, argv);
#ifdef __linux__
    // The kernel sends SIGTERM when the parent ends, so a test suite that aborts
    // leaves no simulator behind; a parent already gone before the request is
    // seen in the parent's process id.
    if (opts.exitWithParent && (::prctl(PR_SET_PDEATHSIG, SIGTERM) != 0 || ::getppid() != parent))
        return kExitOk;
#else
    (void)parent;
#endif

    Cells cells;
    cells.fill(kUnassigned);
    if (!opts.cellsFile.empty()) {
        std::string error;
        const std::optional<std::string> text = readFile(opts.cellsFile, error);
        std::optional<Cells> loaded;
        if (text)
            loaded = parseCells(*text, error);
        if (!loaded) {
            std::fprintf(stderr, "panel-sim: --cells %s: %s\n", opts.cellsFile.c_str(),
                         error.c_str());
            return kExitUsage;
        }
        cells = *loaded;
    }

    Log log(start);
    if (!opts.logFile.empty()) {
        std::string error;
        if (!log.openFile(opts.logFile, error)) {
            std::fprintf(stderr, "panel-sim: --log %s: %s\n", opts.logFile.c_str(), error.c_str());
            return kExitUsage;
        }
    }

    Simulator sim(opts, cells, log);
    if (const std::optional<int> failed = sim.setUp())
        return *failed;

    // The device path (or the address) is the first line on stdout: whoever
    // started us reads it to know what to open.
    std::printf("%s\n", sim.device().c_str());
    std::fflush(stdout);

    return sim.run();
}
