// The simulated panel served on its line: a pseudo-terminal, or a client of the
// listening socket (--tcp, --rfc2217). One poll() loop over the line, the
// signals and the listener; answers wait in a queue for their time.
#pragma once

#include "options.h"
#include "panel_model.h"
#include "panel_protocol.h"
#include "sim_io.h"
#include "telnet_server.h"

#include <deque>
#include <optional>
#include <string>

namespace panelsim {

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

} // namespace panelsim
