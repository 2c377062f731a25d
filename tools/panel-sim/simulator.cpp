// The pseudo-terminal and its link, the queue of answers, the signals and the
// serving loop.
#include "simulator.h"

#include "fault_switches.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>

#include <poll.h>
#include <sys/signalfd.h>
#include <sys/stat.h>
#include <termios.h>

namespace panelsim {

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
} // namespace panelsim
