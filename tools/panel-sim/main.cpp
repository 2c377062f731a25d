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

#include "panel_model.h"
#include "panel_protocol.h"
#include "telnet_server.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <optional>
#include <string>

#include <arpa/inet.h>
#include <fcntl.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif
#include <getopt.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/signalfd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

using namespace panelsim;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1; // the system refused something (pty, files)
constexpr int kExitUsage = 2;   // bad command line or bad cells file

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
        OptSilent,
        OptMuteFrom,
        OptMismatch,
        OptOutOfRange,
        OptShort,
        OptLate,
        OptLateMs,
        OptNoise,
        OptStray,
        OptLateAttention,
        OptSplitAck,
        OptDoubleAck,
        OptHangupAt,
        OptDamageOnce,
        OptDamageAlways,
        OptDamageKind,
        OptConnectSchedule,
        OptTcp,
        OptRfc2217,
    };
    static const option longOptions[] = {
        {"link", required_argument, nullptr, OptLink},
        {"cells", required_argument, nullptr, OptCells},
        {"dump", required_argument, nullptr, OptDump},
        {"log", required_argument, nullptr, OptLog},
        {"exit-after-idle", required_argument, nullptr, OptIdle},
        {"exit-with-parent", no_argument, nullptr, OptExitWithParent},
        {"silent", no_argument, nullptr, OptSilent},
        {"mute-from", required_argument, nullptr, OptMuteFrom},
        {"readback-mismatch", required_argument, nullptr, OptMismatch},
        {"out-of-range", required_argument, nullptr, OptOutOfRange},
        {"short-reply", required_argument, nullptr, OptShort},
        {"late-reply", required_argument, nullptr, OptLate},
        {"late-ms", required_argument, nullptr, OptLateMs},
        {"noise-reply", required_argument, nullptr, OptNoise},
        {"stray-after", required_argument, nullptr, OptStray},
        {"late-attention", required_argument, nullptr, OptLateAttention},
        {"split-ack", no_argument, nullptr, OptSplitAck},
        {"double-ack", no_argument, nullptr, OptDoubleAck},
        {"hangup-at", required_argument, nullptr, OptHangupAt},
        {"damage-once", required_argument, nullptr, OptDamageOnce},
        {"damage-always", required_argument, nullptr, OptDamageAlways},
        {"damage-kind", required_argument, nullptr, OptDamageKind},
        {"connect-schedule", required_argument, nullptr, OptConnectSchedule},
        {"tcp", required_argument, nullptr, OptTcp},
        {"rfc2217", required_argument, nullptr, OptRfc2217},
        {"help", no_argument, nullptr, 'h'},
        {nullptr, 0, nullptr, 0},
    };

    Options opts;
    Faults &f = opts.faults;
    int c;
    while ((c = getopt_long(argc, argv, "h", longOptions, nullptr)) != -1) {
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
        case OptSilent:
            f.silent = true;
            break;
        case OptMuteFrom:
            f.muteFrom = parseAddress(optarg, "mute-from");
            break;
        case OptMismatch:
            f.readbackMismatch.set(parseAddress(optarg, "readback-mismatch"));
            break;
        case OptOutOfRange:
            f.outOfRange.set(parseAddress(optarg, "out-of-range"));
            break;
        case OptShort:
            f.shortReply.set(parseAddress(optarg, "short-reply"));
            break;
        case OptLate:
            f.lateReply.set(parseAddress(optarg, "late-reply"));
            break;
        case OptLateMs:
            f.lateMs = parseInt(optarg, "late-ms", 0, 600000, "a delay from 0 to 600000 ms");
            break;
        case OptNoise:
            f.noiseReply.set(parseAddress(optarg, "noise-reply"));
            break;
        case OptStray:
            f.strayAfter.set(parseAddress(optarg, "stray-after"));
            break;
        case OptLateAttention:
            f.lateAttentionMs =
                parseInt(optarg, "late-attention", 0, 600000, "a delay from 0 to 600000 ms");
            break;
        case OptSplitAck:
            f.splitAck = true;
            break;
        case OptDoubleAck:
            f.doubleAck = true;
            break;
        case OptHangupAt:
            f.hangupAt = parseAddress(optarg, "hangup-at");
            break;
        case OptDamageOnce:
            f.damageOnce.set(parseAddress(optarg, "damage-once"));
            break;
        case OptDamageAlways:
            f.damageAlways.set(parseAddress(optarg, "damage-always"));
            break;
        case OptDamageKind:
            if (const auto damage = parseDamage(optarg))
                f.damage = *damage;
            else
                usageError(std::string("--damage-kind: '") + optarg + "' is not a kind of damage");
            break;
        case OptConnectSchedule: {
            std::string error;
            const auto schedule = parseSchedule(optarg, error);
            if (!schedule)
                usageError(std::string("--connect-schedule: ") + error);
            f.connectSchedule = *schedule;
            break;
        }
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
        default: // getopt_long has already named the problem
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

// Describes the active faults for the start-up log line.
std::string faultSummary(const Faults &f)
{
    std::string text;
    auto add = [&text](const std::string &item) { text += (text.empty() ? "" : " ") + item; };
    auto addSet = [&add](const char *name, const std::bitset<kCellCount> &set) {
        for (int a = 0; a < kCellCount; ++a)
            if (set.test(static_cast<std::size_t>(a)))
                add(std::string("--") + name + " " + std::to_string(a));
    };
    if (f.silent)
        add("--silent");
    if (f.muteFrom >= 0)
        add("--mute-from " + std::to_string(f.muteFrom));
    addSet("readback-mismatch", f.readbackMismatch);
    addSet("out-of-range", f.outOfRange);
    addSet("short-reply", f.shortReply);
    addSet("late-reply", f.lateReply);
    if (f.lateReply.any())
        add("--late-ms " + std::to_string(f.lateMs));
    addSet("noise-reply", f.noiseReply);
    addSet("stray-after", f.strayAfter);
    if (f.lateAttentionMs >= 0)
        add("--late-attention " + std::to_string(f.lateAttentionMs));
    if (f.splitAck)
        add("--split-ack");
    if (f.doubleAck)
        add("--double-ack");
    if (f.hangupAt >= 0)
        add("--hangup-at " + std::to_string(f.hangupAt));
    addSet("damage-once", f.damageOnce);
    addSet("damage-always", f.damageAlways);
    if (f.damageOnce.any() || f.damageAlways.any())
        add("--damage-kind " + std::to_string(static_cast<int>(f.damage)));
    if (!f.connectSchedule.empty()) {
        std::string phases;
        for (const Phase &p : f.connectSchedule)
            phases += (phases.empty() ? "" : ",") + std::string(p.connected ? "on" : "off") +
                      (p.ms < 0 ? "" : ":" + std::to_string(p.ms));
        add("--connect-schedule " + phases);
    }
    return text.empty() ? "none" : text;
}

// Writes the whole buffer, retrying after signals and short writes.
bool writeAll(int fd, const std::string &text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::optional<std::string> readFile(const std::string &path, std::string &error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = std::strerror(errno);
        return std::nullopt;
    }
    std::string text;
    char buffer[4096];
    while (true) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = std::strerror(errno);
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return text;
}

// Replaces `path` by a file holding `text` in one step (temp file + rename), so
// a reader never sees a half-written file.
bool writeFileAtomically(const std::string &path, const std::string &text, std::string &error)
{
    const std::string temp = path + ".tmp." + std::to_string(::getpid());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = temp + ": " + std::strerror(errno);
        return false;
    }
    const bool written = writeAll(fd, text);
    const int savedErrno = errno;
    if (::close(fd) != 0 || !written) {
        error = temp + ": " + std::strerror(written ? errno : savedErrno);
        ::unlink(temp.c_str());
        return false;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        error = path + ": " + std::strerror(errno);
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

// Timestamped log lines, each written with one write() so nothing is held in
// a buffer when the process is killed.
class Log
{
public:
    explicit Log(Clock::time_point start) : start_(start) {}

    bool openFile(const std::string &path, std::string &error)
    {
        fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0644);
        if (fd_ < 0) {
            error = std::strerror(errno);
            fd_ = STDERR_FILENO;
            return false;
        }
        return true;
    }

    void line(const char *tag, const std::string &text) { writeTo(fd_, tag, text); }

    // The same line format, always to standard error (for DUMP lines).
    void toStderr(const char *tag, const std::string &text) { writeTo(STDERR_FILENO, tag, text); }

private:
    void writeTo(int fd, const char *tag, const std::string &text)
    {
        const auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_).count();
        char stamp[32];
        std::snprintf(stamp, sizeof stamp, "%5lld.%03lld ", static_cast<long long>(ms / 1000),
                      static_cast<long long>(ms % 1000));
        writeAll(fd, stamp + std::string(tag) + " " + text + "\n");
    }

    Clock::time_point start_;
    int fd_ = STDERR_FILENO;
};

// A reply piece waiting for its time. It goes out at `earliest`, but never
// sooner than `gap` after the piece before it, so a piece queued behind a
// held-back answer keeps its spacing (the panel answers one thing at a time).
struct Pending {
    Clock::time_point earliest;
    Clock::duration gap;
    Bytes bytes;
    bool noise = false;
};

class Simulator
{
public:
    Simulator(const Options &opts, const Cells &cells, Log &log)
        : opts_(opts), startCells_(cells), panel_(cells, opts.faults), log_(log)
    {}

    // Creates the pty, the link and the first dump. Returns an exit status on
    // failure.
    std::optional<int> setUp();

    // Runs until a signal, the idle limit or a hang-up fault; returns the exit status.
    int run();

    const std::string &device() const { return device_; }

private:
    bool openPty(std::string &error);
    // --tcp, --rfc2217: the listening socket on 127.0.0.1, and its clients.
    bool openListener(std::string &error);
    void acceptClient(Clock::time_point now);
    void closeClient(const std::string &reason);
    // Where the panel's line is now: the pty's master, the client's socket, or
    // -1 while no client is connected.
    int lineFd() const { return opts_.serve == Serve::Pty ? master_ : client_; }
    // Writes the bytes as they are; returns how many went out.
    std::size_t writeLine(const Bytes &bytes);
    bool makeLink(std::string &error);
    void removeLink();
    void dump();
    std::string cellsText() const;
    void dumpToStderr() { log_.toStderr("DUMP", cellsText()); }
    enum class ReadResult { Ok, HungUp, Failed };
    ReadResult receive(Clock::time_point now);
    // --rfc2217: takes the Telnet traffic out of `bytes` (answering it) and leaves
    // the line's bytes; false when none are left for the panel.
    bool takeTelnet(Bytes &bytes);
    void sendDue(Clock::time_point now);
    void send(const Bytes &bytes);
    int pollTimeout(Clock::time_point now) const;
    Clock::time_point nextDue() const;
    void closeDevice();
    void finish(const std::string &reason);
    // Connection and disconnection on the schedule or by SIGUSR2.
    void updatePresence(Clock::time_point now);
    void setConnected(bool connected);
    std::optional<Clock::time_point> nextPhaseEnd(Clock::time_point now) const;

    const Options &opts_;
    const Cells startCells_; // what each newly connected panel holds
    Panel panel_;
    Log &log_;
    FrameParser parser_;
    std::deque<Pending> queue_;
    std::string device_;
    int master_ = -1;
    int slave_ = -1; // held open so host open/close never hangs up the master
    int listen_ = -1;
    int client_ = -1;
    TelnetServer telnet_; // --rfc2217: the Telnet state of the client connected
    Clock::time_point lastSent_{};
    int signals_ = -1;
    bool linked_ = false;
    Clock::time_point lastReceived_ = Clock::now();
    Clock::time_point scheduleStart_ = Clock::now();
    bool connected_ = true;
    bool byHand_ = false; // SIGUSR2 took over from the schedule
    int panelNumber_ = 1;
};

bool Simulator::openPty(std::string &error)
{
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) {
        error = std::string("posix_openpt: ") + std::strerror(errno);
        return false;
    }
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        error = std::string("grantpt/unlockpt: ") + std::strerror(errno);
        return false;
    }
    char name[256];
    if (::ptsname_r(master_, name, sizeof name) != 0) {
        error = std::string("ptsname: ") + std::strerror(errno);
        return false;
    }
    device_ = name;

    // Once the last descriptor on the slave closes, the master reports POLLHUP
    // and read() fails with EIO until the slave is opened again, which would
    // turn the poll loop into a spin between host sessions. Holding our own
    // descriptor keeps the master quiet however often the host opens and closes.
    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0) {
        error = device_ + ": " + std::strerror(errno);
        return false;
    }

    // Raw 9600 8N1, like the panel's UART. The settings stay in force for the
    // host because the slave never gets fully closed while we run. No echo
    // matters most: with echo on, replies would come back to us as input.
    termios tio{};
    if (::tcgetattr(slave_, &tio) != 0) {
        error = device_ + ": tcgetattr: " + std::strerror(errno);
        return false;
    }
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    tio.c_cflag |= CS8 | CREAD | CLOCAL;
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    if (::tcsetattr(slave_, TCSANOW, &tio) != 0) {
        error = device_ + ": tcsetattr: " + std::strerror(errno);
        return false;
    }

    const int flags = ::fcntl(master_, F_GETFL);
    ::fcntl(master_, F_SETFL, flags | O_NONBLOCK);
    return true;
}

bool Simulator::openListener(std::string &error)
{
    listen_ = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listen_ < 0) {
        error = std::string("socket: ") + std::strerror(errno);
        return false;
    }
    const int one = 1;
    ::setsockopt(listen_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK); // this machine only
    address.sin_port = htons(static_cast<std::uint16_t>(opts_.listenPort));
    socklen_t length = sizeof address;
    if (::bind(listen_, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 ||
        ::listen(listen_, 4) != 0 ||
        ::getsockname(listen_, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
        error = "127.0.0.1:" + std::to_string(opts_.listenPort) + ": " + std::strerror(errno);
        return false;
    }
    device_ = std::string(opts_.serve == Serve::Tcp ? "tcp" : "rfc2217") +
              "://127.0.0.1:" + std::to_string(ntohs(address.sin_port));
    return true;
}

void Simulator::acceptClient(Clock::time_point now)
{
    sockaddr_in peer{};
    socklen_t length = sizeof peer;
    const int fd = ::accept4(listen_, reinterpret_cast<sockaddr *>(&peer), &length,
                             SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0)
        return;
    if (client_ >= 0) {
        ::close(fd);
        log_.line("INFO", "refused a second client: one at a time");
        return;
    }
    client_ = fd;
    const int one = 1; // the panel's answers are a few bytes each: out at once
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    char host[INET_ADDRSTRLEN] = "?";
    ::inet_ntop(AF_INET, &peer.sin_addr, host, sizeof host);
    log_.line("INFO", std::string("client connected from ") + host + ":" +
                          std::to_string(ntohs(peer.sin_port)));
    // A new session with the same panel: nothing of the last one is carried over.
    queue_.clear();
    parser_ = FrameParser();
    lastReceived_ = now;
    if (opts_.serve == Serve::Rfc2217) {
        telnet_ = TelnetServer();
        writeLine(telnet_.greeting());
    }
}

void Simulator::closeClient(const std::string &reason)
{
    if (client_ < 0)
        return;
    ::close(client_);
    client_ = -1;
    if (!parser_.pending().empty())
        log_.line("IGN", hex(parser_.pending()) + " (incomplete frame when the client went)");
    parser_ = FrameParser();
    queue_.clear();
    log_.line("INFO", "client gone: " + reason);
}

std::size_t Simulator::writeLine(const Bytes &bytes)
{
    const int fd = lineFd();
    if (fd < 0)
        return 0;
    ssize_t n;
    do {
        n = ::write(fd, bytes.data(), bytes.size());
    } while (n < 0 && errno == EINTR);
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

bool Simulator::makeLink(std::string &error)
{
    struct stat st {};
    if (::lstat(opts_.link.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) {
        error = opts_.link + " exists and is not a symlink; not replacing it";
        return false;
    }
    // Build the link under a temporary name and rename it into place, which
    // replaces an old link in one step.
    const std::string temp = opts_.link + ".tmp." + std::to_string(::getpid());
    ::unlink(temp.c_str());
    if (::symlink(device_.c_str(), temp.c_str()) != 0) {
        error = temp + ": " + std::strerror(errno);
        return false;
    }
    if (::rename(temp.c_str(), opts_.link.c_str()) != 0) {
        error = opts_.link + ": " + std::strerror(errno);
        ::unlink(temp.c_str());
        return false;
    }
    linked_ = true;
    return true;
}

void Simulator::removeLink()
{
    if (!linked_)
        return;
    linked_ = false;
    // Leave the link alone if someone has pointed it elsewhere meanwhile
    // (for instance a second simulator started with the same --link).
    char target[256];
    const ssize_t n = ::readlink(opts_.link.c_str(), target, sizeof target - 1);
    if (n >= 0 && device_ == std::string(target, static_cast<std::size_t>(n)))
        ::unlink(opts_.link.c_str());
}

std::string Simulator::cellsText() const
{
    std::string text = formatCells(panel_.cells());
    text.pop_back(); // the line feed; log lines add their own
    return text;
}

void Simulator::dump()
{
    if (opts_.dumpFile.empty())
        return;
    std::string error;
    if (!writeFileAtomically(opts_.dumpFile, formatCells(panel_.cells()), error))
        log_.line("ERR", "dump failed: " + error);
}

std::optional<int> Simulator::setUp()
{
    // Signals arrive through a descriptor in the poll loop. They are blocked
    // first, so one arriving during start-up waits there instead of killing
    // us with the link already made. SIGPIPE is ignored so a closed stdout
    // pipe or log reader cannot kill the simulator.
    std::signal(SIGPIPE, SIG_IGN);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGHUP);
    sigaddset(&set, SIGUSR1);
    sigaddset(&set, SIGUSR2);
    ::sigprocmask(SIG_BLOCK, &set, nullptr);
    signals_ = ::signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
    if (signals_ < 0) {
        std::fprintf(stderr, "panel-sim: signalfd: %s\n", std::strerror(errno));
        return kExitFailure;
    }

    std::string error;
    if (!(opts_.serve == Serve::Pty ? openPty(error) : openListener(error))) {
        std::fprintf(stderr, "panel-sim: %s\n", error.c_str());
        return kExitFailure;
    }
    if (!opts_.link.empty() && !makeLink(error)) {
        std::fprintf(stderr, "panel-sim: --link: %s\n", error.c_str());
        return kExitUsage;
    }
    if (!opts_.dumpFile.empty() &&
        !writeFileAtomically(opts_.dumpFile, formatCells(panel_.cells()), error)) {
        std::fprintf(stderr, "panel-sim: --dump: %s\n", error.c_str());
        removeLink();
        return kExitUsage;
    }

    log_.line("INFO", "panel on " + device_ + (linked_ ? " (link " + opts_.link + ")" : ""));
    log_.line("INFO", "faults: " + faultSummary(opts_.faults));
    log_.line("DUMP", cellsText());
    scheduleStart_ = Clock::now();
    if (!presenceAt(opts_.faults.connectSchedule, 0).connected) {
        connected_ = false;
        log_.line("INFO", "no panel connected");
    }
    return std::nullopt;
}

std::optional<Clock::time_point> Simulator::nextPhaseEnd(Clock::time_point now) const
{
    if (byHand_ || opts_.faults.connectSchedule.empty())
        return std::nullopt;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now - scheduleStart_);
    const Presence p = presenceAt(opts_.faults.connectSchedule, ms.count());
    if (p.phaseEndMs < 0)
        return std::nullopt;
    return scheduleStart_ + std::chrono::milliseconds(p.phaseEndMs);
}

void Simulator::updatePresence(Clock::time_point now)
{
    if (byHand_ || opts_.faults.connectSchedule.empty())
        return;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now - scheduleStart_);
    const bool connected = presenceAt(opts_.faults.connectSchedule, ms.count()).connected;
    if (connected != connected_)
        setConnected(connected);
}

void Simulator::setConnected(bool connected)
{
    connected_ = connected;
    // Whatever was on its way belonged to the panel that was there.
    queue_.clear();
    parser_ = FrameParser();
    if (!connected) {
        log_.line("INFO", "panel " + std::to_string(panelNumber_) + " disconnected, holding:");
        log_.line("DUMP", cellsText());
        return;
    }
    ++panelNumber_;
    panel_ = Panel(startCells_, opts_.faults);
    log_.line("INFO", "panel " + std::to_string(panelNumber_) + " connected");
    log_.line("DUMP", cellsText());
    dump();
}

int Simulator::pollTimeout(Clock::time_point now) const
{
    std::optional<Clock::time_point> wake;
    if (!queue_.empty())
        wake = nextDue();
    if (const auto phaseEnd = nextPhaseEnd(now); phaseEnd && (!wake || *phaseEnd < *wake))
        wake = phaseEnd;
    if (opts_.exitAfterIdle > 0) {
        const auto idleEnd =
            lastReceived_ + std::chrono::duration_cast<Clock::duration>(
                                std::chrono::duration<double>(opts_.exitAfterIdle));
        if (!wake || idleEnd < *wake)
            wake = idleEnd;
    }
    if (!wake)
        return -1;
    if (*wake <= now)
        return 0;
    // Round up so poll() does not wake just before the deadline and spin.
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(*wake - now).count();
    return static_cast<int>(std::min<long long>(left, 24LL * 3600 * 1000));
}

Clock::time_point Simulator::nextDue() const
{
    const Pending &front = queue_.front();
    return std::max(front.earliest, lastSent_ + front.gap);
}

void Simulator::send(const Bytes &bytes)
{
    if (opts_.serve == Serve::Rfc2217) {
        // Doubled 0xFF bytes on the wire; the log shows the line's bytes.
        const Bytes wire = TelnetServer::escape(bytes);
        if (writeLine(wire) == wire.size())
            log_.line("TX", hex(bytes));
        else
            log_.line("ERR", "lost " + hex(bytes) + (client_ < 0 ? ": no client" : ""));
        return;
    }
    const std::size_t sent = writeLine(bytes);
    if (sent > 0)
        log_.line("TX", hex(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(sent))));
    if (sent < bytes.size()) {
        // Only happens when the host leaves tens of kilobytes unread: like a
        // real line, the panel does not wait for it.
        log_.line("ERR", "lost " +
                             hex(Bytes(bytes.begin() + static_cast<long>(sent), bytes.end())) +
                             (lineFd() < 0 ? ": no client" : ""));
    }
}

void Simulator::sendDue(Clock::time_point now)
{
    // Strictly in order: a held-back answer also holds back everything after it.
    while (!queue_.empty() && nextDue() <= now) {
        send(queue_.front().bytes);
        queue_.pop_front();
        lastSent_ = now;
    }
}

Simulator::ReadResult Simulator::receive(Clock::time_point now)
{
    std::uint8_t buffer[4096];
    const ssize_t n = ::read(lineFd(), buffer, sizeof buffer);
    if (n <= 0) {
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return ReadResult::Ok;
        if (opts_.serve != Serve::Pty) { // the client went: the next one is a new session
            closeClient(n == 0 ? "connection closed" : std::strerror(errno));
            return ReadResult::Ok;
        }
        // Not expected while the slave descriptor is held open.
        log_.line("ERR", std::string("reading the pty failed: ") +
                             (n == 0 ? "end of file" : std::strerror(errno)));
        return ReadResult::Failed;
    }
    lastReceived_ = now;
    Bytes line(buffer, buffer + n);
    if (opts_.serve == Serve::Rfc2217 && !takeTelnet(line))
        return ReadResult::Ok;
    if (!connected_) {
        log_.line("IGN", hex(line) + " (no panel connected)");
        return ReadResult::Ok;
    }

    std::vector<Message> messages;
    parser_.feed(line, messages);
    for (const Message &message : messages) {
        if (message.kind == MessageKind::Ignored) {
            log_.line("IGN", hex(message.bytes) + " (no message starts with this)");
            continue;
        }
        log_.line("RX", hex(message.bytes));
        Outcome outcome = panel_.handle(message);
        for (const Note &note : outcome.notes)
            log_.line(note.tag.c_str(), note.text);
        if (outcome.hangup)
            return ReadResult::HungUp;
        if (outcome.cellsChanged)
            dump();
        int previousDelay = -1;
        for (Chunk &chunk : outcome.replies) {
            const auto due = now + std::chrono::milliseconds(chunk.delayMs);
            if (chunk.noise) {
                queue_.push_back({due, Clock::duration::zero(), std::move(chunk.bytes), true});
                continue;
            }
            const auto gap = std::chrono::milliseconds(
                previousDelay < 0 ? chunk.minGapMs : chunk.delayMs - previousDelay);
            previousDelay = chunk.delayMs;
            // An answer goes out ahead of line noise still waiting for its time.
            const auto noise = std::find_if(queue_.begin(), queue_.end(),
                                            [](const Pending &p) { return p.noise; });
            queue_.insert(noise, {due, gap, std::move(chunk.bytes)});
        }
        // Answer this message before looking at the next one in the same read.
        sendDue(now);
    }
    return ReadResult::Ok;
}

bool Simulator::takeTelnet(Bytes &bytes)
{
    Bytes data, answer;
    const std::string before = telnet_.lineText();
    telnet_.receive(bytes.data(), bytes.size(), data, answer);
    writeLine(answer);
    if (telnet_.lineText() != before)
        log_.line("INFO", "line set to " + telnet_.lineText());
    bytes = std::move(data);
    if (bytes.empty())
        return false;
    if (!telnet_.lineReady()) { // a UART at another speed or framing hears noise
        log_.line("IGN", hex(bytes) + " (line at " + telnet_.lineText() + ", not 9600 8N1)");
        return false;
    }
    return true;
}

void Simulator::closeDevice()
{
    if (master_ >= 0)
        ::close(master_);
    if (slave_ >= 0)
        ::close(slave_);
    master_ = slave_ = -1;
    if (client_ >= 0)
        ::close(client_);
    if (listen_ >= 0)
        ::close(listen_);
    client_ = listen_ = -1;
    removeLink();
}

void Simulator::finish(const std::string &reason)
{
    if (!parser_.pending().empty())
        log_.line("IGN", hex(parser_.pending()) + " (incomplete frame at exit)");
    if (!queue_.empty())
        log_.line("INFO", std::to_string(queue_.size()) + " held-back answer piece(s) not sent");
    closeDevice();
    log_.line("INFO", "exit: " + reason);
    dumpToStderr();
}

int Simulator::run()
{
    while (true) {
        // Descriptors of -1 (no client, no listener) are passed over by poll().
        pollfd fds[3] = {{lineFd(), POLLIN, 0}, {signals_, POLLIN, 0}, {listen_, POLLIN, 0}};
        Clock::time_point now = Clock::now();
        const int ready = ::poll(fds, 3, pollTimeout(now));
        if (ready < 0 && errno != EINTR) {
            log_.line("ERR", std::string("poll: ") + std::strerror(errno));
            finish("poll failed");
            return kExitFailure;
        }
        now = Clock::now();
        updatePresence(now);

        if (ready > 0 && (fds[1].revents & POLLIN)) {
            signalfd_siginfo info;
            while (::read(signals_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
                if (info.ssi_signo == SIGUSR1) {
                    dumpToStderr();
                    continue;
                }
                if (info.ssi_signo == SIGUSR2) {
                    byHand_ = true;
                    setConnected(!connected_);
                    continue;
                }
                finish(std::string("signal ") + ::strsignal(static_cast<int>(info.ssi_signo)));
                return kExitOk;
            }
        }

        if (ready > 0 && fds[0].fd >= 0 && (fds[0].revents & (POLLIN | POLLHUP | POLLERR))) {
            // POLLHUP without data is not expected on the pty while the slave
            // descriptor is held open; stop rather than spin on it. On a socket it
            // is the client going, which receive() sees as the end of its data.
            const bool readable = (fds[0].revents & POLLIN) || opts_.serve != Serve::Pty;
            const ReadResult result = readable ? receive(now) : ReadResult::Failed;
            if (result == ReadResult::Failed) {
                finish("the pty failed");
                return kExitFailure;
            }
            if (result == ReadResult::HungUp) {
                queue_.clear(); // the cable is gone: nothing more gets out
                finish("hung up the device");
                return kExitOk;
            }
        }
        // After the client's own events, so that a client that went and came
        // back is seen in that order.
        if (ready > 0 && fds[2].fd >= 0 && (fds[2].revents & POLLIN))
            acceptClient(now);

        sendDue(now);

        if (opts_.exitAfterIdle > 0 && queue_.empty() &&
            now - lastReceived_ >= std::chrono::duration<double>(opts_.exitAfterIdle)) {
            char seconds[32];
            std::snprintf(seconds, sizeof seconds, "%g", opts_.exitAfterIdle);
            finish(std::string("nothing received for ") + seconds + " s");
            return kExitOk;
        }
    }
}

} // namespace

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
