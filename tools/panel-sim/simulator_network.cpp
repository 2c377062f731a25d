// --tcp and --rfc2217: the panel behind a device server, on a socket that listens
// on 127.0.0.1 and serves one client at a time; in RFC 2217 mode the Telnet
// traffic is answered and taken out of the line's bytes.
#include "simulator.h"

#include <cerrno>
#include <cstring>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace panelsim {

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

} // namespace panelsim
