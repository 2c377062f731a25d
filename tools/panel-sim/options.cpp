#include "options.h"

#include "fault_switches.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include <getopt.h>

namespace panelsim {

namespace {

const char kUsage[] =
    "Usage: panel-sim [OPTION]...\n"
    "Play the 10-button switch panel on a pseudo-terminal. The first line on\n"
    "standard output is the device to open (9600 baud, 8N1, raw).\n"
    "\n"
    "  --tcp PORT                play the panel behind a device server in raw TCP mode\n"
    "                            instead, on 127.0.0.1 only; PORT 0 takes a free port.\n"
    "                            The first line is then the address, tcp://127.0.0.1:N\n"
    "  --rfc2217 PORT            the same in Telnet RFC 2217 mode (Com Port Control):\n"
    "                            the first line is rfc2217://127.0.0.1:N, and the panel\n"
    "                            hears nothing until the client has set 9600 8N1.\n"
    "                            One client at a time; each connection is a new\n"
    "                            session with the same panel. --hangup-at closes the\n"
    "                            connection and the server.\n"
    "  --link PATH               also make PATH a symlink to the device (an existing\n"
    "                            symlink is replaced; removed again on exit)\n"
    "  --cells FILE              start values: 21 integers 0..255 separated by\n"
    "                            whitespace or commas (default: all 160)\n"
    "  --dump FILE               write the 21 values to FILE at start and after every\n"
    "                            change (atomically, one line, blank-separated)\n"
    "  --log FILE                log traffic to FILE instead of standard error\n"
    "  --exit-after-idle SECS    exit when nothing was received for SECS seconds\n"
    "                            (fractions allowed)\n"
    "  --exit-with-parent        end as on SIGTERM when the process that started the\n"
    "                            simulator ends (Linux; for test suites that abort)\n"
    "  -h, --help                show this help and exit\n"
    "\n"
    "Fault injection (faults change replies only; writes are stored regardless):\n"
    "  --silent                  never answer anything\n"
    "  --mute-from ADDR          no answer to write/read frames with address >= ADDR\n"
    "  --readback-mismatch ADDR  a read of ADDR answers the stored value + 1\n"
    "  --out-of-range ADDR       a read of ADDR answers \"1610\\r\" (value 161)\n"
    "  --short-reply ADDR        a read of ADDR answers only three characters\n"
    "  --late-reply ADDR         answers to frames for ADDR are sent late\n"
    "  --late-ms N               delay for --late-reply in ms (default 150)\n"
    "  --noise-reply ADDR        a read of ADDR answers line noise: 00 FF 'X' 00 CR\n"
    "  --stray-after ADDR        a stray '7' follows each read answer for ADDR 30 ms later\n"
    "  --late-attention N        the first attention byte is answered N ms late; answers\n"
    "                            queued behind it follow 30 ms after it\n"
    "  --split-ack               send acknowledgements as \"D0\", then \"00D\" 20 ms later\n"
    "  --double-ack              send every acknowledgement twice in one write\n"
    "  --hangup-at ADDR          on the first frame for ADDR close the device (as if\n"
    "                            the cable was pulled) and exit with status 0\n"
    "  --damage-once ADDR        the first read answer for ADDR is damaged, later ones\n"
    "                            are right\n"
    "  --damage-always ADDR      every read answer for ADDR is damaged the same way\n"
    "  --damage-kind KIND        how: digit (first digit changed: a wrong value in the\n"
    "                            right form, the default), unit (last digit changed,\n"
    "                            \"1022\"), letter (\"1u00\"), blank (\"16 0\"), extra (a\n"
    "                            digit added), drop (a digit dropped), formfeed (a form\n"
    "                            feed for the CR)\n"
    "  --connect-schedule PHASES panels connected and disconnected on a schedule:\n"
    "                            on:MS and off:MS phases separated by commas, e.g.\n"
    "                            off:2000,on:6000,off:5000; the last may be 'on' or\n"
    "                            'off' alone, for good, else the schedule starts over.\n"
    "                            While disconnected nothing is answered (the device\n"
    "                            stays); each connection is a new panel holding the\n"
    "                            start values. SIGUSR2 connects or disconnects by hand.\n"
    "\n"
    "ADDR is 0..20 (SW1..SW10 = 0..9, LED1..LED10 = 10..19, backlight = 20).\n"
    "--readback-mismatch, --out-of-range, --short-reply, --late-reply, --noise-reply,\n"
    "--stray-after, --damage-once and --damage-always may be given several times. Answers are sent "
    "in order: a held-back answer "
    "delays\n"
    "the ones after it.\n"
    "\n"
    "Log lines: '<seconds.ms since start> <TAG> <text>' with TAG one of\n"
    "RX (message received, hex), TX (bytes sent, hex), IGN (ignored input),\n"
    "FAULT (injected fault), DUMP (cell values), INFO, ERR.\n"
    "SIGUSR1 writes a DUMP line to standard error; SIGUSR2 connects or disconnects\n"
    "the panel (ending any --connect-schedule); SIGTERM/SIGINT/SIGHUP end the run.\n"
    "\n"
    "Exit status: 0 normal end (also after --hangup-at), 1 system error,\n"
    "2 bad command line, bad cells file or unusable --link/--dump/--log path.\n";

} // namespace

[[noreturn]] void usageError(const std::string &message)
{
    std::fprintf(stderr, "panel-sim: %s\nTry 'panel-sim --help' for more information.\n",
                 message.c_str());
    std::exit(kExitUsage);
}

// A whole decimal number in [low, high], or a usage error naming `option`.
int parseInt(const char *text, const char *option, int low, int high, const char *what)
{
    errno = 0;
    char *end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*text == '\0' || *end != '\0' || errno != 0 || value < low || value > high)
        usageError(std::string("--") + option + ": '" + text + "' is not " + what);
    return static_cast<int>(value);
}

int parseAddress(const char *text, const char *option)
{
    return parseInt(text, option, 0, kCellCount - 1, "an address from 0 to 20");
}

Options parseOptions(int argc, char **argv)
{
    enum {
        OptLink = 256,
        OptCells,
        OptDump,
        OptLog,
        OptIdle,
        OptExitWithParent,
        OptTcp,
        OptRfc2217,
    };
    static const option generalOptions[] = {
        {"link", required_argument, nullptr, OptLink},
        {"cells", required_argument, nullptr, OptCells},
        {"dump", required_argument, nullptr, OptDump},
        {"log", required_argument, nullptr, OptLog},
        {"exit-after-idle", required_argument, nullptr, OptIdle},
        {"exit-with-parent", no_argument, nullptr, OptExitWithParent},
        {"tcp", required_argument, nullptr, OptTcp},
        {"rfc2217", required_argument, nullptr, OptRfc2217},
        {"help", no_argument, nullptr, 'h'},
    };
    // The fault switches after them, with the end of the table.
    std::vector<option> longOptions(std::begin(generalOptions), std::end(generalOptions));
    for (const option *o = kFaultSwitches; o->name; ++o)
        longOptions.push_back(*o);
    longOptions.push_back({nullptr, 0, nullptr, 0});

    Options opts;
    int c;
    while ((c = getopt_long(argc, argv, "h", longOptions.data(), nullptr)) != -1) {
        switch (c) {
        case OptLink:
            opts.link = optarg;
            break;
        case OptCells:
            opts.cellsFile = optarg;
            break;
        case OptDump:
            opts.dumpFile = optarg;
            break;
        case OptLog:
            opts.logFile = optarg;
            break;
        case OptIdle: {
            char *end = nullptr;
            errno = 0;
            const double seconds = std::strtod(optarg, &end);
            if (*optarg == '\0' || *end != '\0' || errno != 0 || !std::isfinite(seconds) ||
                seconds <= 0 || seconds > 1e6)
                usageError(std::string("--exit-after-idle: '") + optarg +
                           "' is not a number of seconds above 0");
            opts.exitAfterIdle = seconds;
            break;
        }
        case OptExitWithParent:
            opts.exitWithParent = true;
            break;
        case OptTcp:
        case OptRfc2217: {
            const Serve serve = c == OptTcp ? Serve::Tcp : Serve::Rfc2217;
            if (opts.serve != Serve::Pty)
                usageError("only one of --tcp and --rfc2217 can be given, once");
            opts.serve = serve;
            opts.listenPort = parseInt(optarg, c == OptTcp ? "tcp" : "rfc2217", 0, 65535,
                                       "a port number from 0 to 65535");
            break;
        }
        case 'h':
            std::fputs(kUsage, stdout);
            std::exit(kExitOk);
        default:
            if (takeFaultSwitch(c, optarg, opts.faults))
                break;
            // getopt_long has already named the problem
            std::fputs("Try 'panel-sim --help' for more information.\n", stderr);
            std::exit(kExitUsage);
        }
    }
    if (optind < argc)
        usageError(std::string("unexpected argument '") + argv[optind] + "'");
    if (opts.serve != Serve::Pty && !opts.link.empty())
        usageError("--link goes with the pseudo-terminal, not with --tcp or --rfc2217");
    return opts;
}

} // namespace panelsim
